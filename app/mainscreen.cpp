#include "app/mainscreen.h"

#include <QFontMetricsF>
#include <algorithm>

#include "app/backdrop.h"
#include "app/language.h"
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
#include "ui/screentext.h"
#include "ui/twips.h"

using namespace ui;

namespace {

constexpr FontSpec kArial12Bold{"Arial", 12, true};

constexpr LabelDesign kTitle{.left = 120,
                             .top = 120,
                             .width = 11700,
                             .height = 825,
                             .caption = "Brindlemark",  // the program's name
                             .font = {"Tahoma", 26.25f, true},
                             .fore = colours::kYellow,
                             .back = colours::kBlack,
                             .border = true,
                             .align = Align::Center};
constexpr LabelDesign kGuide{.left = 9600,
                             .top = 1680,
                             .width = 2235,
                             .height = 375,
                             .caption = QT_TRANSLATE_NOOP("Screens", "Teachers' Guide"),
                             .font = kArial12Bold,
                             .fore = colours::kYellow,
                             .back = colours::kBlack,
                             .border = true,
                             .align = Align::Center};
constexpr LabelDesign kMenuEntry{.left = 9600,
                                 .top = 2400,
                                 .width = 2235,
                                 .height = 495,
                                 .caption = QT_TRANSLATE_NOOP("Screens", "Menu 1"),
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
constexpr float kChoiceLeft = 120;
constexpr float kChoiceWidth = 1935;
constexpr float kChoiceHeight = 375;
constexpr float kReadAloudTop = 1680;
// The languages to choose from, in the same style, one a row below that reason, the column's
// spacing apart; shown only when the program has a translation.
constexpr float kLanguagesTop = 2520;
constexpr float kLanguageSpacing = 480;
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
constexpr const char* kEntryCaptions[] = {
    QT_TRANSLATE_NOOP("Screens", "Menu 1"), QT_TRANSLATE_NOOP("Screens", "Menu 2"),
    QT_TRANSLATE_NOOP("Screens", "Menu 3"), QT_TRANSLATE_NOOP("Screens", "Menu 4"),
    QT_TRANSLATE_NOOP("Screens", "Menu 5"), QT_TRANSLATE_NOOP("Screens", "WWW Links")};
constexpr int kAboutEntry = 6;
constexpr int kGuideEntry = 7;
constexpr int kOursEntry = 8;  // below Menu 5, in the column's next row
constexpr float kOursTop = 2400 + 750 * 5;

// A caption longer than the design's, in another language, widens its box rather than wrap
// out of sight; one that fits keeps the design's width.
void fitWidth(ChoiceControl& choice) {
    const QFontMetricsF metrics(makeFont(kArial12Bold));
    const qreal mark = std::max<qreal>(13, metrics.ascent());
    const qreal pixels = mark + 8 + metrics.horizontalAdvance(choice.Caption());
    choice.setWidth(
        std::max(kChoiceWidth, static_cast<float>(pixels) * Twips::kPerPixelAtUnitScale));
}

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

MainScreen::MainScreen() : Form(Name), languageCodes_(languagesToChoose()) {
    setCaption("Halverin");
    setBorderStyle(BorderStyle::FixedSingle);

    title.applyDesign(kTitle);
    hideDesktop.setGeometry(kChoiceLeft, 1200, kChoiceWidth, kChoiceHeight);
    readAloud.setGeometry(kChoiceLeft, kReadAloudTop, kChoiceWidth, kChoiceHeight);
    std::vector<ChoiceControl*> choices{&hideDesktop, &readAloud};
    if (languageCodes_.size() > 1) {
        for (int i = 0; i < static_cast<int>(languageCodes_.size()); ++i) {
            OptionButton& option = languages.add(i);
            option.setGeometry(kChoiceLeft, kLanguagesTop + kLanguageSpacing * i, kChoiceWidth,
                               kChoiceHeight);
            option.setCaption(languageName(languageCodes_[i]));
            choices.push_back(&option);
        }
    }
    for (ChoiceControl* box : choices) {
        box->setForeColor(colours::kYellow);
        box->setBackColor(colours::kBrown);
        box->setFont(kArial12Bold);
    }
    readAloudReason.applyDesign(kReadAloudReason);
    menuEntries.add(7).applyDesign(kGuide);
    menuEntries.add(0).applyDesign(kMenuEntry);
    menuEntries.add(kOursEntry).applyDesign(kMenuEntry);
    menuEntries(kOursEntry).setTop(kOursTop);
    logo.setGeometry(180, 5700, 1500, 2085);
    logo.setStretch(true);
    menuEntries.add(kAboutEntry).applyDesign(kAboutLabel);
    exitButton.setGeometry(120, 7920, 1650, 500);
    exitButton.setTabStop(false);
    exitButton.setVisible(false);
    notice.applyDesign(kNotice);
    jotterButton.setGeometry(10050, kJotterTop, 1785, 495);
    jotterButton.setTabStop(false);

    menuEntries.Click = bind(this, &MainScreen::menuEntryClicked);
    menuEntries.MouseMove = bind(this, &MainScreen::pointerOverMenuEntry);
    title.MouseMove = bind(this, &MainScreen::pointerOverTitle);
    hideDesktop.Click = bind(this, &MainScreen::hideDesktopToggled);
    readAloud.Click = bind(this, &MainScreen::readAloudToggled);
    exitButton.Click = bind(this, &MainScreen::exitClicked);
    jotterButton.Click = bind(this, &MainScreen::jotterClicked);
    languages.Click = bind(this, &MainScreen::languageChosen);
    showCaptions();
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
    showCaptions();
    for (int i = 0; i <= 4; ++i) menuEntries(i).setVisible(true);
    // Raises Click, which leaves the language shown as it is.
    for (int i = 0; i < languages.count(); ++i)
        if (languageCodes_[i] == shownLanguage()) languages(i).setValue(true);
}

void MainScreen::showCaptions() {
    title.setCaption(screenText(kTitle.caption));
    hideDesktop.setCaption(tr("Hide Desktop"));
    readAloud.setCaption(tr("Read Aloud"));
    fitWidth(hideDesktop);
    fitWidth(readAloud);
    for (int i = 0; i <= 5; ++i)
        if (menuEntries.exists(i)) menuEntries(i).setCaption(screenText(kEntryCaptions[i]));
    menuEntries(kGuideEntry).setCaption(screenText(kGuide.caption));
    menuEntries(kOursEntry).setCaption(tr("Our Activities"));
    menuEntries(kAboutEntry).setCaption(screenText(kAboutLabel.caption));
    notice.setCaption(screenText(kNotice.caption));
    logo.setDescription(tr("Brindlemark logo: a seedling growing in a flask"));
    exitButton.setDescription(tr("Exit"));
    jotterButton.setDescription(tr("Jotter"));
    //: Told to a screen reader with each language's name, on the main screen
    for (int i = 0; i < languages.count(); ++i) languages(i).setDescription(tr("Language"));
}

void MainScreen::languageChosen(int index) {
    const QString code = languageCodes_[index];
    if (code == shownLanguage()) return;
    chooseLanguage(code);
    // What is loaded keeps the words it was made with: the screens opened from here are made
    // afresh in the new language; the Jotter keeps its drawing and changes its words.
    for (Form* form : forms().loaded()) {
        if (form == this || form->name() == Backdrop::Name) continue;
        if (auto* jotter = dynamic_cast<Jotter*>(form))
            jotter->showCaptions();
        else
            forms().unload(*form);
    }
    showCaptions();
    showReadAloud();
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
    forms().get<TitleScreen>().okButton.setCaption(tr("Cancel"));
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
