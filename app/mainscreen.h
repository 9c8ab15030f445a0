#pragma once
#include <QCoreApplication>
#include <QStringList>

#include "speech/readaloud.h"
#include "ui/choice.h"
#include "ui/commandbutton.h"
#include "ui/controlarray.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/picturebox.h"

// The main screen: the five menu entries (and Our Activities when a teacher has any), the
// Teachers' Guide and the page about the program, "Hide Desktop", "Read Aloud", the choice of
// language, the Jotter and the way back to the title screen.
class MainScreen : public ui::Form {
    Q_DECLARE_TR_FUNCTIONS(MainScreen)

  public:
    static constexpr const char* Name = "intro0";
    MainScreen();

    void onLoad() override;
    // Whether Our Activities has anything is asked again each time the screen is shown.
    void onShow() override;
    void menuEntryClicked(int index);
    void hideDesktopToggled();
    void readAloudToggled();
    // The box follows reading aloud: unticked and greyed, with the reason, when it cannot be.
    void showReadAloud();
    void exitClicked();
    void jotterClicked();
    // The teacher's choice of language: kept, and shown at once here and on every screen.
    void languageChosen(int index);
    // Every word of the screen, in the language shown now.
    void showCaptions();
    void pointerOverMenuEntry(int index, int button, int shift, float x, float y);
    void pointerOverTitle(int button, int shift, float x, float y);
    void onMouseMove(int, int, float, float) override {}
    void onCloseRequested() override { exitClicked(); }

    ui::PictureBox logo{*this, "Image2"};
    ui::Label title{*this, "Label1"};
    ui::CheckBox hideDesktop{*this, "Check1"};
    ui::ControlArray<ui::Label> menuEntries{*this, "Label2"};
    ui::CommandButton exitButton{*this, "Command1"};
    ui::Label notice{*this, "Label3"};
    ui::CommandButton jotterButton{*this, "cmdjotter"};
    ui::CheckBox readAloud{*this, "chkReadAloud"};
    ui::Label readAloudReason{*this, "lblReadAloudReason"};
    // One for each language the program speaks, named in that language.
    ui::ControlArray<ui::OptionButton> languages{*this, "optLanguage"};

  private:
    QStringList languageCodes_;
    speech::Watch readAloudWatch_{[this] { showReadAloud(); }};
};
