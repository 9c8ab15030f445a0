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

// The file each of the program's own activities is played from, by its screen's name; a
// teacher's file of that name in her folder takes its place. Scrambled Words has none.
struct OwnFile {
    const char* screen;
    const char* file;
};
constexpr OwnFile kOwnFiles[] = {
    {"boneslab", "skeleton.toml"}, {"puberty", "puberty.toml"}, {"repro", "repro.toml"},
    {"circuits", "circuits.toml"}, {"magnets", "magnets.toml"}, {"healthy", "healthy-living.toml"},
};

constexpr const char* ownFileOf(const char* screen) {
    if (!screen) return nullptr;
    for (const OwnFile& o : kOwnFiles) {
        int i = 0;
        while (o.screen[i] && o.screen[i] == screen[i]) ++i;
        if (o.screen[i] == screen[i]) return o.file;
    }
    return nullptr;
}

// Menu 5's Healthy Living, to which passage files may give more passages.
constexpr int kHealthyMenu = 5, kHealthySlot = 4;
constexpr const char* kHealthyOptions[] = {"Smoking", "Solvents", "Alcohol", "Drugs"};

}  // namespace activityfiles
