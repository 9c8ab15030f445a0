#include "menus/menuscreen.h"

#include "app/intro0.h"
#include "ui/formregistry.h"
#include "ui/module1.h"

using namespace ui;

namespace {

constexpr float W = 12000;  // the outer width the common setup gives every screen

constexpr LabelDesign kTitle{.top = 120,
                             .width = 6405,
                             .height = 1020,
                             .font = {"Tahoma", 36, true},
                             .fore = colours::kYellow,
                             .back = colours::kBlack,
                             .border = true,
                             .align = Align::Center};
constexpr LabelDesign kTopic{.top = 2400,
                             .height = 495,
                             .font = {"Tahoma", 15.75f, true},
                             .fore = colours::kYellow,
                             .back = colours::kBlack,
                             .border = true,
                             .align = Align::Center,
                             .enabled = false};
constexpr LabelDesign kTab{.left = 9600,
                           .top = 2400,
                           .width = 2235,
                           .height = 495,
                           .caption = "Menu 1",
                           .font = {"Tahoma", 18, true},
                           .fore = colours::kYellow,
                           .back = colours::kBlue,
                           .opaque = false,
                           .border = true,
                           .align = Align::Center,
                           .visible = false};
constexpr const char* kTabCaptions[] = {"Menu 1", "Menu 2", "Menu 3",
                                        "Menu 4", "Menu 5", "WWW Links"};

}  // namespace

MenuScreen::MenuScreen(int number) : Form(menus::kMenus[number - 1].name), number_(number) {
    setCaption("Halverin");
    setBorderStyle(BorderStyle::FixedSingle);

    Label1.applyDesign(kTitle);
    Label1.setCaption(table().title);
    Label3.add(0).applyDesign(kTopic);
    Label3(0).setWidth(table().topicWidth);
    Label3(0).setCaption(table().topics[0].caption);
    Label3(0).setVisible(table().topicsVisibleAtDesign);
    Label2.add(0).applyDesign(kTab);
    Command1.setGeometry(10320, 7560, 1264, 420);
    Command1.setTabStop(false);

    Command1.setDescription("Exit");
    Label3.Click = bind(this, &MenuScreen::Label3_Click);
    Label2.Click = bind(this, &MenuScreen::Label2_Click);
    Command1.Click = bind(this, &MenuScreen::Command1_Click);
    Label2.MouseMove = bind(this, &MenuScreen::Label2_MouseMove);
    Label1.MouseMove = bind(this, &MenuScreen::Label1_MouseMove);
    Label3.MouseMove = bind(this, &MenuScreen::Label3_MouseMove);
}

void MenuScreen::Form_Load() {
    Module1::setupscreen(*this);
    setBackColor(RGB(49, 135, 215));
    setPicture(forms().get<intro0>().picture());
    if (auto exit = LoadPicture("Images\\exit.jpg")) Command1.setPicture(*exit);
    Command1.setGeometry(60, 7950, 1785, 495);
    Label1.setLeft((W - Label1.Width()) / 2);
    Label3(0).setLeft((W - Label3(0).Width()) / 2);
    for (int i = 1; i <= 5; ++i) {
        Label& tab = Label2.load(i);
        tab.setLeft(Label2(0).Left());
        tab.setTop(i == 5 ? Label2(0).Top() + 4500 : Label2(0).Top() + 750 * i);
        if (i <= 4) {
            Label& topic = Label3.load(i);
            topic.setLeft(Label3(0).Left());
            topic.setTop(Label3(0).Top() + 750 * i);
        }
    }
    for (int i = 1; i <= 5; ++i) Label2(i).setCaption(kTabCaptions[i]);
    for (int i = 1; i <= 4; ++i) Label3(i).setCaption(table().topics[i].caption);
    for (int i = 0; i <= 4; ++i) {
        Label2(i).setVisible(true);
        Label3(i).setVisible(true);
    }
    for (int i = 0; i <= 4; ++i)
        if (table().topics[i].screen) Label3(i).setEnabled(true);
}

void MenuScreen::Label3_Click(int Index) {
    if (Index < 0 || Index > 4) return;
    // A topic whose activity is not part of this build opens nothing.
    if (const char* screen = table().topics[Index].screen) forms().show(screen);
}

void MenuScreen::Label2_Click(int Index) {
    if (Index == number_ - 1 || Index < 0 || Index > 4) return;
    forms().show(menus::kMenus[Index].name);
    forms().unload(*this);
}

void MenuScreen::Command1_Click() {
    forms().show<intro0>();
    forms().unload(*this);
}

void MenuScreen::Label2_MouseMove(int Index, int, int, float, float) {
    Label2(Index).setOpaque(true);
}

void MenuScreen::Label1_MouseMove(int, int, float, float) {
    Label1.setOpaque(true);
}

void MenuScreen::Label3_MouseMove(int Index, int, int, float, float) {
    if (table().topicsHighlight) Label3(Index).setOpaque(true);
}

void MenuScreen::Form_MouseMove(int, int, float, float) {
    Label1.setOpaque(false);
    for (int i = 0; i <= 5; ++i) Label2(i).setOpaque(false);
}
