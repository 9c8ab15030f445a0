#pragma once
#include "ui/choice.h"
#include "ui/commandbutton.h"
#include "ui/controlarray.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/picturebox.h"

// The main screen: the five menu entries, the guide page, "Hide Desktop", the Jotter and
// the way back to the title screen.
class intro0 : public ui::Form {
  public:
    static constexpr const char* Name = "intro0";
    intro0();

    void Form_Load() override;
    void Label2_Click(int Index);
    void Check1_Click();
    void Command1_Click();
    void cmdjotter_Click();
    void Label2_MouseMove(int Index, int Button, int Shift, float X, float Y);
    void Label1_MouseMove(int Button, int Shift, float X, float Y);
    void Form_MouseMove(int, int, float, float) override {}
    void closeRequested() override { Command1_Click(); }

    ui::PictureBox Image2{*this, "Image2"};
    ui::Label Label1{*this, "Label1"};
    ui::CheckBox Check1{*this, "Check1"};
    ui::ControlArray<ui::Label> Label2{*this, "Label2"};
    ui::CommandButton Command1{*this, "Command1"};
    ui::Label Label3{*this, "Label3"};
    ui::CommandButton cmdjotter{*this, "cmdjotter"};
};
