#include "app/titlefrm.h"

#include <QApplication>
#include <QTimer>

#include "app/appicon.h"
#include "app/texts.h"
#include "ui/formregistry.h"
#include "ui/module1.h"
#include "ui/platform.h"

using namespace ui;

namespace {

constexpr Colour kGrey = RGB(192, 192, 192);

constexpr LabelDesign kTitle{.left = 120,
                             .top = 180,
                             .width = 5175,
                             .height = 1455,
                             .caption = "Brindlemark",
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
    b.setCaption(QString::fromLatin1(caption));
    b.setBackColor(kGrey);
}

}  // namespace

Titlefrm::Titlefrm() : Form(Name) {
    setCaption(" ");
    setBackColor(kGrey);
    setBorderStyle(BorderStyle::FixedSingle);
    setClientSize(5460, 6570);

    Frame1.setGeometry(0, -90, 5480, 6660);
    Frame1.setMayOverhang(true);  // designed a little larger than the client area
    Label4.applyDesign(kTitle);
    Picture1.setGeometry(300, 1560, 4800, 3600);
    Picture1.setBorder(true);
    Picture1.setDescription("Sunflowers in a field");
    Label3.applyDesign(kCredits);
    designButton(Command1, 1320, "OK");
    designButton(Command2, 2760, "Exit");
    Label2.applyDesign(kNotice);

    Command1.Click = bind(this, &Titlefrm::Command1_Click);
    Command2.Click = bind(this, &Titlefrm::Command2_Click);
    Timer1.Tick = bind(this, &Titlefrm::Timer1_Timer);

    // The frame spans the whole client area, its lower edge hidden under the window's; the
    // notice line makes that area a little taller than designed, and the frame follows.
    applyWindowGeometry(false);
    Frame1.setHeight(ScaleHeight() - Frame1.Top());
}

void Titlefrm::Form_Load() {
    const QSizeF display = platform().displayTwips();
    setTop(static_cast<float>(display.height() / 2 - Height() / 2.0));
    setLeft(static_cast<float>(display.width() / 2 - Width() / 2.0));
    Module1::framenumber = 0;
    if (auto still = LoadPicture(kStillPicture)) {
        Picture1.setPicture(*still);
        return;
    }
    // No still picture: a full-size blue window with the opening pictures going round.
    Module1::setupscreen(*this);
    Picture1.setDescription("A pendulum swinging");
    if (auto first = LoadPicture("opening\\phys00.jpg")) Picture1.setPicture(*first);
    Timer1.setEnabled(true);
}

void Titlefrm::paintSurface(QPainter&) {
    // The icon takes a few milliseconds to paint: the window is on screen first.
    if (iconGiven_) return;
    iconGiven_ = true;
    QTimer::singleShot(0, window(), [w = window()] {
        QApplication::setWindowIcon(brindlemarkIcon());
        w->setWindowIcon(brindlemarkIcon());
    });
}

QString Titlefrm::openingPicture(int number) {
    const QString digits = QString::number(number);
    return number < 10 ? "opening\\phys0" + digits + ".jpg" : "opening\\phys" + digits + ".jpg";
}

void Titlefrm::Timer1_Timer() {
    Module1::framenumber += 1;
    if (Module1::framenumber == 40) Module1::framenumber = 0;
    // A missing picture leaves the last one in place; the count goes on.
    if (auto next = LoadPicture(openingPicture(Module1::framenumber))) Picture1.setPicture(*next);
}

void Titlefrm::Command1_Click() {
    forms().show("intro0");
    forms().unload(*this);
}

void Titlefrm::Command2_Click() {
    forms().endProgram();
}
