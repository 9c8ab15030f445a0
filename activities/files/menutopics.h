#pragma once
// The five menus' topics, in their order, and which of them the program's own screens hold.
// A topic without one takes the activity file that names it.
namespace activityfiles {

struct MenuTopic {
    const char* caption;
    const char* builtIn;  // the screen of a program's own activity; null for a file's topic
};

constexpr MenuTopic kMenuTopics[5][5] = {
    {{"Organs", nullptr},
     {"The Skeleton", "boneslab"},
     {"Movement", nullptr},
     {"Teeth", nullptr},
     {"Puberty", "puberty"}},
    {{"Food", nullptr},
     {"Plant Reproduction", "repro"},
     {"Animal Groups", nullptr},
     {"Plant Groups", nullptr},
     {"Food Chains", nullptr}},
    {{"Insulators and Conductors", "circuits"},
     {"Magnets", "magnets"},
     {"Solids, Liquids and Gases", nullptr},
     {"Changes", nullptr},
     {"The Water Cycle", nullptr}},
    {{"Separation", nullptr},
     {"Circuit Symbols", nullptr},
     {"Newton Meter", nullptr},
     {"Forces", nullptr},
     {"The Seasons", nullptr}},
    {{"Day and Night", nullptr},
     {"Sound", nullptr},
     {"Ray Diagrams", nullptr},
     {"Scrambled Words", "scramble"},
     {"Healthy Living", "healthy"}},
};

// Menu 5's built-in Healthy Living, which passage files may give more passages.
constexpr int kHealthyMenu = 5, kHealthySlot = 4;
constexpr const char* kHealthyOptions[] = {"Smoking", "Solvents", "Alcohol", "Drugs"};

}  // namespace activityfiles
