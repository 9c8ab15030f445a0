#pragma once
#include "ui/commandbutton.h"
#include "ui/form.h"
#include "ui/frame.h"
#include "ui/label.h"
#include "ui/picturebox.h"
#include "ui/timer.h"

// The title screen: the way into the program and, with "Cancel", the way out.
class Titlefrm : public ui::Form {
  public:
    static constexpr const char* Name = "Titlefrm";
    // The still picture, decoded ahead while the program starts.
    static constexpr const char* kStillPicture = "Images\\sunflowersm.jpg";
    Titlefrm();

    void Form_Load() override;
    void Command1_Click();
    void Command2_Click();
    void Timer1_Timer();
    void closeRequested() override { Command2_Click(); }
    void paintSurface(QPainter& painter) override;

    // The opening picture for a frame number, as "opening\phys07.jpg".
    static QString openingPicture(int number);

    ui::Frame Frame1{*this, "Frame1"};
    ui::Label Label4{*this, "Label4"};
    ui::PictureBox Picture1{*this, "Picture1"};
    ui::Label Label3{*this, "Label3"};
    ui::CommandButton Command1{*this, "Command1"};
    ui::CommandButton Command2{*this, "Command2"};
    ui::Label Label2{*this, "Label2"};
    ui::Timer Timer1{*this, 25};

  private:
    bool iconGiven_ = false;
};
