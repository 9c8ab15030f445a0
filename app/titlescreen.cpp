#include "app/titlescreen.h"

#include <QApplication>
#include <QTimer>

#include "app/appicon.h"
#include "app/shellstate.h"
#include "app/texts.h"
#include "ui/formregistry.h"
#include "ui/platform.h"
#include "ui/programstate.h"
#include "ui/screentext.h"

using namespace ui;

namespace {

constexpr Colour kGrey = RGB(192, 192, 192);

constexpr LabelDesign kTitle{.left = 120,
                             .top = 180,
                             .width = 5175,
                             .height = 1455,
                             .caption = "Brindlemark",  // the program's name
                             .font = {"Times New Roman", 26.25f, true},
                             .fore = colours::kBrown,
                             .opaque = false,
                             .align = Align::Center};
constexpr LabelDesign kCredits{.left = 360,
                               .top = 5370,
                               .width = 4695,
                               .height = 615,
                               .caption = texts::kTitleCredits,
                               .font = {"Times New Roman", 15.75f, false},
                               .fore = colours::kBlue,
                               .opaque = false,
                               .align = Align::Center};
constexpr LabelDesign kNotice{.left = 0,
                              .top = 6420,
                              .width = 5415,
                              .height = 255,
                              .caption = texts::kTitleNotice,
                              .font = {"Arial", 8.25f, false},
                              .fore = colours::kBlue,
                              .opaque = false,
                              .align = Align::Center};

void designButton(CommandButton& b, float left, const char* caption) {
    b.setGeometry(left, 6000, 1335, 375);
    b.setCaption(screenText(caption));
    b.setBackColor(kGrey);
}

}  // namespace

TitleScreen::TitleScreen() : Form(Name) {
    setCaption(" ");
    setBackColor(kGrey);
    setBorderStyle(BorderStyle::FixedSingle);
    setClientSize(5460, 6570);

    frame.setGeometry(0, -90, 5480, 6660);
    frame.setMayOverhang(true);  // designed a little larger than the client area
    title.applyDesign(kTitle);
    illustration.setGeometry(300, 1560, 4800, 3600);
    illustration.setBorder(true);
    illustration.setDescription(tr("Sunflowers in a field"));
    credits.applyDesign(kCredits);
    designButton(okButton, 1320, QT_TRANSLATE_NOOP("Screens", "OK"));
    designButton(exitButton, 2760, QT_TRANSLATE_NOOP("Screens", "Exit"));
    okButton.setTabIndex(4);
    exitButton.setTabIndex(5);
    notice.applyDesign(kNotice);

    okButton.Click = bind(this, &TitleScreen::okClicked);
    exitButton.Click = bind(this, &TitleScreen::exitClicked);
    animationTimer.Tick = bind(this, &TitleScreen::showNextFrame);

    // The frame spans the whole client area, its lower edge hidden under the window's; the
    // notice line makes that area a little taller than designed, and the frame follows.
    applyWindowGeometry(false);
    frame.setHeight(ScaleHeight() - frame.Top());
}

void TitleScreen::onLoad() {
    const QSizeF display = platform().displayTwips();
    setTop(static_cast<float>(display.height() / 2 - Height() / 2.0));
    setLeft(static_cast<float>(display.width() / 2 - Width() / 2.0));
    ShellState::titleFrame = 0;
    if (auto still = LoadPicture(kStillPicture)) {
        illustration.setPicture(*still);
        return;
    }
    // No still picture: a full-size blue window with the opening pictures going round.
    ProgramState::applyScreenLayout(*this);
    illustration.setDescription(tr("A pendulum swinging"));
    if (auto first = LoadPicture("opening\\phys00.jpg")) illustration.setPicture(*first);
    animationTimer.setEnabled(true);
}

void TitleScreen::paintSurface(QPainter&) {
    // The icon takes a few milliseconds to paint: the window is on screen first.
    if (iconGiven_) return;
    iconGiven_ = true;
    QTimer::singleShot(0, window(), [w = window()] {
        QApplication::setWindowIcon(brindlemarkIcon());
        w->setWindowIcon(brindlemarkIcon());
    });
}

QString TitleScreen::openingPicture(int number) {
    const QString digits = QString::number(number);
    return number < 10 ? "opening\\phys0" + digits + ".jpg" : "opening\\phys" + digits + ".jpg";
}

void TitleScreen::showNextFrame() {
    ShellState::titleFrame += 1;
    if (ShellState::titleFrame == 40) ShellState::titleFrame = 0;
    // A missing picture leaves the last one in place; the count goes on.
    if (auto next = LoadPicture(openingPicture(ShellState::titleFrame)))
        illustration.setPicture(*next);
}

void TitleScreen::okClicked() {
    forms().show("intro0");
    forms().unload(*this);
}

void TitleScreen::onEscape() {
    // Exit ends the program here: Escape must not.
}

void TitleScreen::exitClicked() {
    forms().endProgram();
}
