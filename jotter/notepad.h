#pragma once
#include "ui/canvas.h"
#include "ui/commandbutton.h"
#include "ui/controlarray.h"
#include "ui/form.h"
#include "ui/frame.h"
#include "ui/label.h"

// The Jotter: a small drawing pad that stays above every other window. Freehand lines in
// 16 colours, a wide eraser, Clear, and Flip between a wide and a tall shape, each shape
// with its own toolbar.
class notepad : public ui::Form {
  public:
    static constexpr const char* Name = "notepad";
    notepad();

    void Form_Load() override;
    void Form_MouseDown(int Button, int Shift, float X, float Y) override;
    void Form_MouseMove(int Button, int Shift, float X, float Y) override;
    void paintSurface(QPainter& painter) override;

    // Landscape toolbar: Exit, Write, Flip, Erase, Clear.
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command5_Click();
    void Command6_Click();
    // Portrait toolbar: Flip, Clear, Erase, Exit, Write.
    void Command4_Click();
    void Command7_Click();
    void Command8_Click();
    void Command9_Click();
    void Command10_Click();
    void Label1_Click(int Index);
    void Label11_Click(int Index);

    // The pen: its colour and width in pixels, and where the next line starts (twips).
    ui::Colour ForeColor = 0;
    int DrawWidth = 1;
    float CurrentX = 0;
    float CurrentY = 0;
    // The colour Write brings back after erasing.
    ui::Colour pencolour = 0;
    // What has been drawn.
    ui::Canvas surface{*this};

    ui::Frame Frame_landscape{*this, "Frame_landscape"};
    ui::CommandButton Command1{*this, "Command1", -1, &Frame_landscape};
    ui::CommandButton Command2{*this, "Command2", -1, &Frame_landscape};
    ui::CommandButton Command5{*this, "Command5", -1, &Frame_landscape};
    ui::CommandButton Command6{*this, "Command6", -1, &Frame_landscape};
    ui::CommandButton Command3{*this, "Command3", -1, &Frame_landscape};
    ui::ControlArray<ui::Label> Label1{*this, "Label1", &Frame_landscape};

    ui::Frame Frame_portrait{*this, "Frame_portrait"};
    ui::CommandButton Command9{*this, "Command9", -1, &Frame_portrait};
    ui::CommandButton Command10{*this, "Command10", -1, &Frame_portrait};
    ui::CommandButton Command8{*this, "Command8", -1, &Frame_portrait};
    ui::CommandButton Command7{*this, "Command7", -1, &Frame_portrait};
    ui::CommandButton Command4{*this, "Command4", -1, &Frame_portrait};
    ui::ControlArray<ui::Label> Label11{*this, "Label11", &Frame_portrait};

  private:
    void exitJotter();
    void write();
    void erase();
    void clear();
    void chooseColour(ui::Colour colour);
    void flipToPortrait();
    void flipToLandscape();
};
