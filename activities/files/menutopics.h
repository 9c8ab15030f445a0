#pragma once
// The five menus' topics, in order: where an activity file may go, and which topics the
// program's own screens hold. The menus show them; placing files reads them.

namespace activityfiles {

struct Topic {
    const char* caption;
    const char* screen;  // the activity it opens; null for a topic without one (disabled)
};

constexpr Topic kMenuTopics[5][5] = {
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

}  // namespace activityfiles
