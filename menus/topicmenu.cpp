#include "menus/topicmenu.h"

#include <algorithm>

#include "activities/files/menutopics.h"
#include "activities/files/topicentry.h"
#include "menus/menupage.h"
#include "menus/problemmessage.h"
#include "ui/formregistry.h"
#include "ui/programstate.h"
#include "ui/screentext.h"

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
                             .height = activityfiles::kTopicHeight,
                             .font = activityfiles::kTopicFont,
                             .fore = colours::kYellow,
                             .back = colours::kBlack,
                             .border = true,
                             .align = Align::Center,
                             .enabled = false};
constexpr LabelDesign kTab{.left = 9600,
                           .top = 2400,
                           .width = 2235,
                           .height = 495,
                           .caption = QT_TRANSLATE_NOOP("Screens", "Menu 1"),
                           .font = {"Tahoma", 18, true},
                           .fore = colours::kYellow,
                           .back = colours::kBlue,
                           .opaque = false,
                           .border = true,
                           .align = Align::Center,
                           .visible = false};
// "Previous five" and "Next five": the topics' design, in the row below them.
constexpr LabelDesign pageButtonDesign() {
    LabelDesign d = kTopic;
    d.top = 6150;
    d.enabled = true;
    d.visible = false;
    return d;
}
constexpr LabelDesign kGreyHint = textDesign(
    (W - 8000) / 2, 6750, 8000, 375, {"Tahoma", 12, true},
    QT_TRANSLATE_NOOP("Screens", "Grey: a mistake in the file. Click it to see what to mend."),
    false);
constexpr const char* kTabCaptions[] = {
    QT_TRANSLATE_NOOP("Screens", "Menu 1"),        QT_TRANSLATE_NOOP("Screens", "Menu 2"),
    QT_TRANSLATE_NOOP("Screens", "Menu 3"),        QT_TRANSLATE_NOOP("Screens", "Menu 4"),
    QT_TRANSLATE_NOOP("Screens", "Menu 5"),        QT_TRANSLATE_NOOP("Screens", "WWW Links"),
    QT_TRANSLATE_NOOP("Screens", "Our Activities")};
constexpr const char* kPageCaptions[] = {QT_TRANSLATE_NOOP("Screens", "Previous five"),
                                         QT_TRANSLATE_NOOP("Screens", "Next five")};
constexpr int kOursTab = 6;    // the tab of Our Activities, below Menu 5's
constexpr int kPageStops = 5;  // key order: the topics, the page buttons, the tabs, the exit
constexpr int kFirstTabStop = 7;
constexpr int kExitStop = 14;
constexpr int kPageSize = 5;

// What --check fits a topic into is the narrowest entry of any menu.
constexpr bool narrowestIsChecked() {
    float narrowest = menus::kOurActivitiesTable.topicWidth;
    for (const menus::MenuTable& m : menus::kMenus) narrowest = std::min(narrowest, m.topicWidth);
    return narrowest == activityfiles::kNarrowestTopicWidth;
}
static_assert(narrowestIsChecked());

}  // namespace

TopicMenu::TopicMenu(int number) : Form(menus::menuTable(number).name), number_(number) {
    setCaption("Halverin");
    setBorderStyle(BorderStyle::FixedSingle);

    title.applyDesign(kTitle);
    title.setCaption(screenText(table().title));
    topics.add(0).applyDesign(kTopic);
    topics(0).setWidth(table().topicWidth);
    if (number <= 5) topics(0).setCaption(activityfiles::kMenuTopics[number - 1][0].caption);
    topics(0).setVisible(table().topicsVisibleAtDesign);
    tabs.add(0).applyDesign(kTab);
    exitButton.setGeometry(10320, 7560, 1264, 420);
    exitButton.setTabStop(false);
    exitButton.setTabIndex(kExitStop);

    exitButton.setDescription(screenText(QT_TRANSLATE_NOOP("Screens", "Exit")));
    topics.Click = bind(this, &TopicMenu::topicClicked);
    tabs.Click = bind(this, &TopicMenu::tabClicked);
    exitButton.Click = bind(this, &TopicMenu::exitClicked);
    pageButtons.Click = bind(this, &TopicMenu::pageClicked);
    tabs.MouseMove = bind(this, &TopicMenu::pointerOverTab);
    title.MouseMove = bind(this, &TopicMenu::pointerOverTitle);
    topics.MouseMove = bind(this, &TopicMenu::pointerOverTopic);
}

void TopicMenu::onLoad() {
    ProgramState::applyScreenLayout(*this);
    setBackColor(RGB(49, 135, 215));
    // The main screen's background, reached by name: menus know no screen of the shell.
    if (Form* main = forms().get("intro0")) setPicture(main->picture());
    if (auto exit = LoadPicture("Images\\exit.jpg")) exitButton.setPicture(*exit);
    exitButton.setGeometry(60, 7950, 1785, 495);
    title.setLeft((W - title.Width()) / 2);
    topics(0).setLeft((W - topics(0).Width()) / 2);
    for (int i = 1; i <= kOursTab; ++i) {
        Label& tab = tabs.load(i);
        tab.setLeft(tabs(0).Left());
        // "WWW Links" (never shown) stands apart below; Our Activities in the row after Menu 5.
        tab.setTop(i == 5 ? tabs(0).Top() + 4500 : tabs(0).Top() + 750 * std::min(i, 5));
        if (i <= 4) {
            Label& topic = topics.load(i);
            topic.setLeft(topics(0).Left());
            topic.setTop(topics(0).Top() + 750 * i);
        }
    }
    // "Previous five" and "Next five" share the width of the topic column below it.
    const float half = (topics(0).Width() - 150) / 2;
    for (int i = 0; i < 2; ++i) {
        Label& button = pageButtons.add(i);
        button.applyDesign(pageButtonDesign());
        button.setWidth(half);
        button.setLeft(topics(0).Left() + i * (half + 150));
        button.setCaption(screenText(kPageCaptions[i]));
        button.setTabIndex(kPageStops + i);
    }
    greyHint.applyDesign(kGreyHint);
    // The keys go down the topics, then the page buttons, the tabs, and to the exit button.
    for (int i = 0; i <= kOursTab; ++i) tabs(i).setTabIndex(kFirstTabStop + i);
    for (int i = 0; i <= 4; ++i) topics(i).setTabIndex(i);
    for (int i = 1; i <= kOursTab; ++i) tabs(i).setCaption(screenText(kTabCaptions[i]));
    for (int i = 0; i <= 4; ++i) tabs(i).setVisible(true);
    // Activity files are read as the menu opens, so a change shows the next time it does.
    showPage(0);
}

void TopicMenu::showPage(int first) {
    page_ = menus::menuPage(number_, first);
    first_ =
        number_ == menus::kOurActivities ? std::clamp(first, 0, std::max(0, page_.total - 1)) : 0;
    for (int i = 0; i <= 4; ++i) {
        const menus::Slot& slot = page_.slots[i];
        Label& topic = topics(i);
        topic.setCaption(slot.caption);
        topic.setVisible(i < page_.shown);
        // A topic greyed by a problem in its file still takes clicks and the keys: it says why.
        topic.setEnabled(!slot.screen.isEmpty() || slot.problem.has_value());
        topic.setForeColor(slot.problem ? colours::kGreyedText : colours::kYellow);
    }
    const bool paged = page_.total > kPageSize;
    pageButtons(0).setVisible(paged);
    pageButtons(1).setVisible(paged);
    pageButtons(0).setEnabled(first_ > 0);
    pageButtons(1).setEnabled(first_ + kPageSize < page_.total);
    tabs(kOursTab).setVisible(page_.ourActivities > 0);
    greyHint.setVisible(std::any_of(page_.slots.begin(), page_.slots.begin() + page_.shown,
                                    [](const menus::Slot& s) { return s.problem.has_value(); }));
}

void TopicMenu::topicClicked(int index) {
    if (index < 0 || index > 4) return;
    const menus::Slot& slot = page_.slots[index];
    if (slot.problem) {
        forms().get<ProblemMessage>().tell(slot.caption, *slot.problem);
        forms().show<ProblemMessage>();
        return;
    }
    // A topic whose activity is not part of this build opens nothing.
    if (!slot.screen.isEmpty()) forms().show(slot.screen);
}

void TopicMenu::tabClicked(int index) {
    const int menu = index == kOursTab ? menus::kOurActivities : index + 1;
    if (menu == number_ || index < 0 || (index > 4 && index != kOursTab)) return;
    forms().show(menus::menuTable(menu).name);
    forms().unload(*this);
}

void TopicMenu::pageClicked(int index) {
    const int first = first_ + (index == 0 ? -kPageSize : kPageSize);
    if (first < 0 || first >= page_.total) return;
    showPage(first);
}

bool TopicMenu::onKey(Control*, Key key) {
    if (key != Key::PageUp && key != Key::PageDown) return false;
    pageClicked(key == Key::PageUp ? 0 : 1);
    return true;
}

void TopicMenu::exitClicked() {
    forms().show("intro0");
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
    for (int i = 0; i <= kOursTab; ++i) tabs(i).setOpaque(false);
}
