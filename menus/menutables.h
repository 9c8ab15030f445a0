#pragma once
// The five topic menus and Our Activities: what differs between them, one line per menu.
// Their topics are the activities' (activities/files/menutopics.h).
#include <QCoreApplication>

#include "menus/menuslots.h"

namespace menus {

struct MenuTable {
    const char* name;
    const char* title;  // a design caption (ui/screentext.h)
    float topicWidth;   // the width of every topic entry
    bool topicsVisibleAtDesign;
    bool topicsHighlight;  // whether moving over a topic sets it opaque again
};

constexpr MenuTable kMenus[5] = {
    {"menu1", QT_TRANSLATE_NOOP("Screens", "Menu 1"), 4695, false, true},
    {"menu2", QT_TRANSLATE_NOOP("Screens", "Menu 2"), 4695, false, true},
    {"menu3", QT_TRANSLATE_NOOP("Screens", "Menu 3"), 4695, false, true},
    {"menu4", QT_TRANSLATE_NOOP("Screens", "Menu 4"), 4815, false, false},
    {"menu5", QT_TRANSLATE_NOOP("Screens", "Menu 5"), 4455, true, false},
};

// A teacher's own topics, five at a time, from her files; none of its own.
constexpr MenuTable kOurActivitiesTable = {
    "ouractivities", QT_TRANSLATE_NOOP("Screens", "Our Activities"), 4695, false, true};

constexpr const MenuTable& menuTable(int number) {
    return number == kOurActivities ? kOurActivitiesTable : kMenus[number - 1];
}

}  // namespace menus
