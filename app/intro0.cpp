#include "app/intro0.h"

#include "app/grey.h"
#include "app/texts.h"
#include "app/titlefrm.h"
#include "jotter/notepad.h"
#include "ui/files.h"
#include "ui/formregistry.h"
#include "ui/module1.h"
#include "ui/platform.h"

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
                             .align = Align::Center,
                             .enabled = false};
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
constexpr LabelDesign kWebAddress{.left = 8520,
                                  .top = 7800,
                                  .width = 3315,
                                  .height = 375,
                                  .caption = texts::kGuidePage,
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

// What each entry of the column opens; index 5 is never shown and 7 is disabled.
constexpr const char* kMenuScreens[] = {"menu1", "menu2", "menu3", "menu4", "menu5"};
constexpr const char* kEntryCaptions[] = {"", "Menu 2", "Menu 3", "Menu 4", "Menu 5", "WWW Links"};
constexpr int kWebEntry = 6;

// The common setup dresses the Jotter button; with no Next button below it, the button
// keeps this Top: midway between "Menu 5" (ends at 5895) and the web address (from 7800).
constexpr float kJotterTop = 6600;

}  // namespace

intro0::intro0() : Form(Name) {
    setCaption("Halverin");
    setBorderStyle(BorderStyle::FixedSingle);

    Label1.applyDesign(kTitle);
    Check1.setGeometry(120, 1200, 1935, 375);
    Check1.setCaption("Hide Desktop");
    Check1.setForeColor(colours::kYellow);
    Check1.setBackColor(colours::kBrown);
    Check1.setFont(kArial12Bold);
    Label2.add(7).applyDesign(kGuide);
    Label2.add(0).applyDesign(kMenuEntry);
    Image2.setGeometry(180, 5700, 1500, 2085);
    Image2.setStretch(true);
    Image2.setDescription("Brindlemark logo: a seedling growing in a flask");
    Label2.add(kWebEntry).applyDesign(kWebAddress);
    Command1.setGeometry(120, 7920, 1650, 500);
    Command1.setTabStop(false);
    Command1.setVisible(false);
    Command1.setDescription("Exit");
    Label3.applyDesign(kNotice);
    cmdjotter.setGeometry(10050, kJotterTop, 1785, 495);
    cmdjotter.setTabStop(false);
    cmdjotter.setDescription("Jotter");

    Label2.Click = bind(this, &intro0::Label2_Click);
    Label2.MouseMove = bind(this, &intro0::Label2_MouseMove);
    Label1.MouseMove = bind(this, &intro0::Label1_MouseMove);
    Check1.Click = bind(this, &intro0::Check1_Click);
    Command1.Click = bind(this, &intro0::Command1_Click);
    cmdjotter.Click = bind(this, &intro0::cmdjotter_Click);
}

void intro0::Form_Load() {
    Module1::setupscreen(*this);
    setBackColor(RGB(49, 135, 215));
    if (Module1::hidedesktop == 1) Check1.setValue(1);
    Command1.setVisible(true);
    if (auto background = LoadPicture("Images\\opening.jpg")) setPicture(*background);
    if (auto logo = LoadPicture("Images\\logo2.jpg")) Image2.setPicture(*logo);
    if (auto exit = LoadPicture("Images\\exit.jpg")) Command1.setPicture(*exit);
    Command1.setGeometry(60, 7950, 1785, 495);
    for (int i = 1; i <= 5; ++i) {
        Label& entry = Label2.load(i);
        entry.setLeft(Label2(0).Left());
        entry.setTop(i == 5 ? Label2(0).Top() + 4500 : Label2(0).Top() + 750 * i);
    }
    for (int i = 1; i <= 5; ++i) Label2(i).setCaption(kEntryCaptions[i]);
    for (int i = 0; i <= 4; ++i) Label2(i).setVisible(true);
}

void intro0::Label2_Click(int Index) {
    if (Index >= 0 && Index <= 4) {
        forms().show(kMenuScreens[Index]);
    } else if (Index == kWebEntry) {
        // The guide lies beside the program; a missing page or browser is passed over.
        if (auto page = resolveFile(texts::kGuidePage)) platform().openUrl(*page);
    }
}

void intro0::Check1_Click() {
    if (Check1.Value() == 0) {
        Module1::hidedesktop = 0;
        forms().unload<Grey>();
    } else {
        Module1::hidedesktop = 1;
        forms().show<Grey>();
    }
    forms().show<intro0>();
}

void intro0::Command1_Click() {
    forms().get<Titlefrm>().Command1.setCaption("Cancel");
    forms().show<Titlefrm>();
    forms().unload(*this);
}

void intro0::cmdjotter_Click() {
    forms().show<notepad>();
}

void intro0::Label2_MouseMove(int Index, int, int, float, float) {
    Label2(Index).setOpaque(true);
}

void intro0::Label1_MouseMove(int, int, float, float) {
    Label1.setOpaque(true);
}
