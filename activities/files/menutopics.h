#pragma once
// The five menus' topics, in their order. Each takes the activity file that names it, but for
// the one that is a game of the program's own rather than a file.
namespace activityfiles {

struct MenuTopic {
    const char* caption;
    const char* builtIn = nullptr;  // the screen of a game that is code, not a file
};

constexpr MenuTopic kMenuTopics[5][5] = {
    {
        {"Organs"},
        {"The Skeleton"},
        {"Movement"},
        {"Teeth"},
        {"Puberty"},
    },
    {
        {"Food"},
        {"Plant Reproduction"},
        {"Animal Groups"},
        {"Plant Groups"},
        {"Food Chains"},
    },
    {
        {"Insulators and Conductors"},
        {"Magnets"},
        {"Solids, Liquids and Gases"},
        {"Changes"},
        {"The Water Cycle"},
    },
    {
        {"Separation"},
        {"Circuit Symbols"},
        {"Newton Meter"},
        {"Forces"},
        {"The Seasons"},
    },
    {
        {"Day and Night"},
        {"Sound"},
        {"Ray Diagrams"},
        {"Scrambled Words", "scramble"},
        {"Healthy Living"},
    },
};

// Menu 5's Healthy Living, to which passage files may give more passages.
constexpr int kHealthyMenu = 5, kHealthySlot = 4;
constexpr const char* kHealthyOptions[] = {"Smoking", "Solvents", "Alcohol", "Drugs"};

}  // namespace activityfiles
