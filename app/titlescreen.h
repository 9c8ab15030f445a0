#pragma once
#include <QCoreApplication>

#include "ui/commandbutton.h"
#include "ui/form.h"
#include "ui/frame.h"
#include "ui/label.h"
#include "ui/picturebox.h"
#include "ui/timer.h"

// The title screen: the way into the program and, with "Cancel", the way out.
class TitleScreen : public ui::Form {
    Q_DECLARE_TR_FUNCTIONS(TitleScreen)

  public:
    static constexpr const char* Name = "Titlefrm";
    // The still picture, decoded ahead while the program starts.
    static constexpr const char* kStillPicture = "Images\\sunflowersm.jpg";
    TitleScreen();

    void onLoad() override;
    void okClicked();
    void exitClicked();
    void showNextFrame();
    void onCloseRequested() override { exitClicked(); }
    void onEscape() override;
    void paintSurface(QPainter& painter) override;

    // The opening picture for a frame number, as "opening\phys07.jpg".
    static QString openingPicture(int number);

    ui::Frame frame{*this, "Frame1"};
    ui::Label title{*this, "Label4"};
    ui::PictureBox illustration{*this, "Picture1"};
    ui::Label credits{*this, "Label3"};
    ui::CommandButton okButton{*this, "Command1"};
    ui::CommandButton exitButton{*this, "Command2"};
    ui::Label notice{*this, "Label2"};
    ui::Timer animationTimer{*this, 25};

  private:
    bool iconGiven_ = false;
};
