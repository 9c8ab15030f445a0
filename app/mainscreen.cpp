#include "app/mainscreen.h"

#include "app/backdrop.h"
#include "app/shellstate.h"
#include "app/texts.h"
#include "app/titlescreen.h"
#include "jotter/jotter.h"
#include "menus/menupage.h"
#include "menus/topicmenu.h"
#include "ui/files.h"
#include "ui/formregistry.h"
#include "ui/platform.h"
#include "ui/programstate.h"

using namespace ui;

namespace {

constexpr FontSpec kArial12Bold{"Arial", 12, true};

constexpr LabelDesign kTitle{.left = 120,
                             .top = 120,
                             .width = 11700,
                             .height = 825,
                             .caption = "Brindlemark",
                             .font = {"Tahoma", 26.25f, true},
                             .fore = colours::kYellow,
                             .back = colours::kBlack,
                             .border = true,
                             .align = Align::Center};
constexpr LabelDesign kGuide{.left = 9600,
                             .top = 1680,
                             .width = 2235,
                             .height = 375,
                             .caption = "Teachers' Guide",
                             .font = kArial12Bold,
                             .fore = colours::kYellow,
                             .back = colours::kBlack,
                             .border = true,
                             .align = Align::Center};
constexpr LabelDesign kMenuEntry{.left = 9600,
                                 .top = 2400,
                                 .width = 2235,
                                 .height = 495,
                                 .caption = "Menu 1",
                                 .font = {"Tahoma", 18, true},
                                 .fore = colours::kYellow,
                                 .back = colours::kBrown,
                                 .border = true,
                                 .align = Align::Center,
                                 .visible = false};
constexpr LabelDesign kAboutLabel{.left = 8520,
                                  .top = 7800,
                                  .width = 3315,
                                  .height = 375,
                                  .caption = texts::kAboutCaption,
                                  .font = kArial12Bold,
                                  .fore = colours::kYellow,
                                  .back = colours::kBlack,
                                  .border = true,
                                  .align = Align::Center};
constexpr LabelDesign kNotice{.left = 7440,
                              .top = 8250,
                              .width = 4335,
                              .height = 315,
                              .caption = texts::kMainNotice,
                              .font = {"Tahoma", 9.75f, false},
                              .fore = colours::kYellow,
                              .opaque = false,
                              .align = Align::Right};

// Below Hide Desktop, in its style; the reason it cannot be ticked, when it cannot, below it.
constexpr float kReadAloudTop = 1680;
constexpr LabelDesign kReadAloudReason{.left = 120,
                                       .top = 2100,
                                       .width = 4335,
                                       .height = 315,
                                       .font = {"Tahoma", 9.75f, false},
                                       .fore = colours::kYellow,
                                       .opaque = false,
                                       .visible = false};

// What each entry of the column opens; index 5 is never shown.
constexpr const char* kMenuScreens[] = {"menu1", "menu2", "menu3", "menu4", "menu5"};
constexpr const char* kEntryCaptions[] = {"", "Menu 2", "Menu 3", "Menu 4", "Menu 5", "WWW Links"};
constexpr int kAboutEntry = 6;
constexpr int kGuideEntry = 7;
constexpr int kOursEntry = 8;  // below Menu 5, in the column's next row
constexpr float kOursTop = 2400 + 750 * 5;

// Opens a page shipped with the program; a missing page or browser is passed over.
void openPage(const char* page) {
    if (auto path = resolveFile(page)) platform().openUrl(*path);
}

// The common setup dresses the Jotter button; with no Next button below it, the button
// keeps this Top: midway between "Menu 5" (ends at 5895) and the About label (from 7800).
// Below "Our Activities" (ends at 6645) it keeps the column's spacing, still clear of About.
constexpr float kJotterTop = 6600;
constexpr float kJotterTopBelowOurs = 6900;

}  // namespace

MainScreen::MainScreen() : Form(Name) {
    setCaption("Halverin");
    setBorderStyle(BorderStyle::FixedSingle);

    title.applyDesign(kTitle);
    hideDesktop.setGeometry(120, 1200, 1935, 375);
    hideDesktop.setCaption("Hide Desktop");
    readAloud.setGeometry(120, kReadAloudTop, 1935, 375);
    readAloud.setCaption("Read Aloud");
    for (CheckBox* box : {&hideDesktop, &readAloud}) {
        box->setForeColor(colours::kYellow);
        box->setBackColor(colours::kBrown);
        box->setFont(kArial12Bold);
    }
    readAloudReason.applyDesign(kReadAloudReason);
    menuEntries.add(7).applyDesign(kGuide);
    menuEntries.add(0).applyDesign(kMenuEntry);
    menuEntries.add(kOursEntry).applyDesign(kMenuEntry);
    menuEntries(kOursEntry).setTop(kOursTop);
    menuEntries(kOursEntry).setCaption("Our Activities");
    logo.setGeometry(180, 5700, 1500, 2085);
    logo.setStretch(true);
    logo.setDescription("Brindlemark logo: a seedling growing in a flask");
    menuEntries.add(kAboutEntry).applyDesign(kAboutLabel);
    exitButton.setGeometry(120, 7920, 1650, 500);
    exitButton.setTabStop(false);
    exitButton.setVisible(false);
    exitButton.setDescription("Exit");
    notice.applyDesign(kNotice);
    jotterButton.setGeometry(10050, kJotterTop, 1785, 495);
    jotterButton.setTabStop(false);
    jotterButton.setDescription("Jotter");

    menuEntries.Click = bind(this, &MainScreen::menuEntryClicked);
    menuEntries.MouseMove = bind(this, &MainScreen::pointerOverMenuEntry);
    title.MouseMove = bind(this, &MainScreen::pointerOverTitle);
    hideDesktop.Click = bind(this, &MainScreen::hideDesktopToggled);
    readAloud.Click = bind(this, &MainScreen::readAloudToggled);
    exitButton.Click = bind(this, &MainScreen::exitClicked);
    jotterButton.Click = bind(this, &MainScreen::jotterClicked);
}

void MainScreen::onLoad() {
    ProgramState::applyScreenLayout(*this);
    setBackColor(RGB(49, 135, 215));
    if (ShellState::hideDesktop) hideDesktop.setValue(1);
    showReadAloud();
    exitButton.setVisible(true);
    if (auto background = LoadPicture("Images\\opening.jpg")) setPicture(*background);
    if (auto picture = LoadPicture("Images\\logo2.jpg")) logo.setPicture(*picture);
    if (auto exit = LoadPicture("Images\\exit.jpg")) exitButton.setPicture(*exit);
    exitButton.setGeometry(60, 7950, 1785, 495);
    for (int i = 1; i <= 5; ++i) {
        Label& entry = menuEntries.load(i);
        entry.setLeft(menuEntries(0).Left());
        entry.setTop(i == 5 ? menuEntries(0).Top() + 4500 : menuEntries(0).Top() + 750 * i);
    }
    for (int i = 1; i <= 5; ++i) menuEntries(i).setCaption(kEntryCaptions[i]);
    for (int i = 0; i <= 4; ++i) menuEntries(i).setVisible(true);
}

void MainScreen::onShow() {
    const bool ours = menus::ourActivitiesCount() > 0;
    menuEntries(kOursEntry).setVisible(ours);
    jotterButton.setTop(ours ? kJotterTopBelowOurs : kJotterTop);
}

void MainScreen::menuEntryClicked(int index) {
    if (index >= 0 && index <= 4) {
        forms().show(kMenuScreens[index]);
    } else if (index == kOursEntry) {
        forms().show<OurActivitiesMenu>();
    } else if (index == kAboutEntry) {
        openPage(texts::kAboutPage);
    } else if (index == kGuideEntry) {
        openPage(texts::kGuidePage);
    }
}

void MainScreen::hideDesktopToggled() {
    if (hideDesktop.Value() == 0) {
        ShellState::hideDesktop = false;
        forms().unload<Backdrop>();
    } else {
        ShellState::hideDesktop = true;
        forms().show<Backdrop>();
    }
    forms().show<MainScreen>();
}

void MainScreen::readAloudToggled() {
    speech::setReading(readAloud.Value() == 1);
}

void MainScreen::showReadAloud() {
    // Setting the value raises Click, which asks for what already holds.
    readAloud.setValue(speech::isReading() ? 1 : 0);
    readAloud.setEnabled(speech::canRead());
    readAloudReason.setCaption(speech::whyNot());
    readAloudReason.setVisible(!speech::canRead());
}

void MainScreen::exitClicked() {
    forms().get<TitleScreen>().okButton.setCaption("Cancel");
    forms().show<TitleScreen>();
    forms().unload(*this);
}

void MainScreen::jotterClicked() {
    forms().show<Jotter>();
}

void MainScreen::pointerOverMenuEntry(int index, int, int, float, float) {
    menuEntries(index).setOpaque(true);
}

void MainScreen::pointerOverTitle(int, int, float, float) {
    title.setOpaque(true);
}
