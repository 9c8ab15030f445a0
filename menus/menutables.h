#pragma once
// The five topic menus and Our Activities: what differs between them, one line per menu.
#include "menus/menuslots.h"

namespace menus {

struct Topic {
    const char* caption;
    const char* screen;  // the activity it opens; null for a topic without one (disabled)
};

struct MenuTable {
    const char* name;
    const char* title;
    float topicWidth;  // the width of every topic entry
    bool topicsVisibleAtDesign;
    bool topicsHighlight;  // whether moving over a topic sets it opaque again
    Topic topics[5];
};

constexpr MenuTable kMenus[5] = {
    {"menu1",
     "Menu 1",
     4695,
     false,
     true,
     {{"Organs", nullptr},
      {"The Skeleton", "boneslab"},
      {"Movement", nullptr},
      {"Teeth", nullptr},
      {"Puberty", "puberty"}}},
    {"menu2",
     "Menu 2",
     4695,
     false,
     true,
     {{"Food", nullptr},
      {"Plant Reproduction", "repro"},
      {"Animal Groups", nullptr},
      {"Plant Groups", nullptr},
      {"Food Chains", nullptr}}},
    {"menu3",
     "Menu 3",
     4695,
     false,
     true,
     {{"Insulators and Conductors", "circuits"},
      {"Magnets", "magnets"},
      {"Solids, Liquids and Gases", nullptr},
      {"Changes", nullptr},
      {"The Water Cycle", nullptr}}},
    {"menu4",
     "Menu 4",
     4815,
     false,
     false,
     {{"Separation", nullptr},
      {"Circuit Symbols", nullptr},
      {"Newton Meter", nullptr},
      {"Forces", nullptr},
      {"The Seasons", nullptr}}},
    {"menu5",
     "Menu 5",
     4455,
     true,
     false,
     {{"Day and Night", nullptr},
      {"Sound", nullptr},
      {"Ray Diagrams", nullptr},
      {"Scrambled Words", "scramble"},
      {"Healthy Living", "healthy"}}},
};

// A teacher's own topics, five at a time, from her files; none of its own.
constexpr MenuTable kOurActivitiesTable = {
    "ouractivities",
    "Our Activities",
    4695,
    false,
    true,
    {{"", nullptr}, {"", nullptr}, {"", nullptr}, {"", nullptr}, {"", nullptr}}};

constexpr const MenuTable& menuTable(int number) {
    return number == kOurActivities ? kOurActivitiesTable : kMenus[number - 1];
}

}  // namespace menus
