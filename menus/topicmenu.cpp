#include "menus/topicmenu.h"

#include "app/mainscreen.h"
#include "ui/formregistry.h"
#include "ui/programstate.h"

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
constexpr int kFirstTabTab = 5;  // tab indexes: topics 0 to 4, the tabs, then the exit
constexpr int kExitTab = 11;

}  // namespace

menus::MenuSlots menus::builtInSlots(int menu) {
    MenuSlots slots;
    for (int i = 0; i < 5; ++i) {
        const Topic& t = kMenus[menu - 1].topics[i];
        slots[i] = {QString::fromUtf8(t.caption), t.screen ? QString(t.screen) : QString()};
    }
    return slots;
}

TopicMenu::TopicMenu(int number)
    : Form(menus::kMenus[number - 1].name), number_(number), slots_(menus::builtInSlots(number)) {
    setCaption("Halverin");
    setBorderStyle(BorderStyle::FixedSingle);

    title.applyDesign(kTitle);
    title.setCaption(table().title);
    topics.add(0).applyDesign(kTopic);
    topics(0).setWidth(table().topicWidth);
    topics(0).setCaption(table().topics[0].caption);
    topics(0).setVisible(table().topicsVisibleAtDesign);
    tabs.add(0).applyDesign(kTab);
    exitButton.setGeometry(10320, 7560, 1264, 420);
    exitButton.setTabStop(false);
    exitButton.setTabIndex(kExitTab);

    exitButton.setDescription("Exit");
    topics.Click = bind(this, &TopicMenu::topicClicked);
    tabs.Click = bind(this, &TopicMenu::tabClicked);
    exitButton.Click = bind(this, &TopicMenu::exitClicked);
    tabs.MouseMove = bind(this, &TopicMenu::pointerOverTab);
    title.MouseMove = bind(this, &TopicMenu::pointerOverTitle);
    topics.MouseMove = bind(this, &TopicMenu::pointerOverTopic);
}

void TopicMenu::onLoad() {
    // Activity files are read as the menu opens, so a change shows the next time it does.
    if (menus::slotSource) slots_ = menus::slotSource(number_);
    ProgramState::applyScreenLayout(*this);
    setBackColor(RGB(49, 135, 215));
    setPicture(forms().get<MainScreen>().picture());
    if (auto exit = LoadPicture("Images\\exit.jpg")) exitButton.setPicture(*exit);
    exitButton.setGeometry(60, 7950, 1785, 495);
    title.setLeft((W - title.Width()) / 2);
    topics(0).setLeft((W - topics(0).Width()) / 2);
    for (int i = 1; i <= 5; ++i) {
        Label& tab = tabs.load(i);
        tab.setLeft(tabs(0).Left());
        tab.setTop(i == 5 ? tabs(0).Top() + 4500 : tabs(0).Top() + 750 * i);
        if (i <= 4) {
            Label& topic = topics.load(i);
            topic.setLeft(topics(0).Left());
            topic.setTop(topics(0).Top() + 750 * i);
        }
    }
    // The keys go down the topics, then down the tabs, then to the exit button.
    for (int i = 0; i <= 5; ++i) tabs(i).setTabIndex(kFirstTabTab + i);
    for (int i = 0; i <= 4; ++i) topics(i).setTabIndex(i);
    for (int i = 1; i <= 5; ++i) tabs(i).setCaption(kTabCaptions[i]);
    for (int i = 0; i <= 4; ++i) topics(i).setCaption(slots_[i].caption);
    for (int i = 0; i <= 4; ++i) {
        tabs(i).setVisible(true);
        topics(i).setVisible(true);
    }
    for (int i = 0; i <= 4; ++i)
        if (!slots_[i].screen.isEmpty()) topics(i).setEnabled(true);
}

void TopicMenu::topicClicked(int index) {
    if (index < 0 || index > 4) return;
    // A topic whose activity is not part of this build opens nothing.
    if (!slots_[index].screen.isEmpty()) forms().show(slots_[index].screen);
}

void TopicMenu::tabClicked(int index) {
    if (index == number_ - 1 || index < 0 || index > 4) return;
    forms().show(menus::kMenus[index].name);
    forms().unload(*this);
}

void TopicMenu::exitClicked() {
    forms().show<MainScreen>();
    forms().unload(*this);
}

void TopicMenu::pointerOverTab(int index, int, int, float, float) {
    tabs(index).setOpaque(true);
}

void TopicMenu::pointerOverTitle(int, int, float, float) {
    title.setOpaque(true);
}

void TopicMenu::pointerOverTopic(int index, int, int, float, float) {
    if (table().topicsHighlight) topics(index).setOpaque(true);
}

void TopicMenu::onMouseMove(int, int, float, float) {
    title.setOpaque(false);
    for (int i = 0; i <= 5; ++i) tabs(i).setOpaque(false);
}
