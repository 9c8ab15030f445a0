#pragma once
// Where each activity file goes: a topic of one of the five menus, a passage of Healthy
// Living, or Our Activities. Pure rules; the catalogue applies them for everyone.
#include <QString>
#include <array>
#include <vector>

#include "activities/files/activity.h"
#include "activities/files/menutopics.h"

namespace activityfiles {

// An activity file as placing sees it, in the order files take precedence.
struct Candidate {
    QString fileName;
    int folder = 0;        // the data folder it was found in; lower comes first
    int menu = 0;          // 0: no menu given
    QString topic;         // empty when it could not be read
    QString shownTopic;    // the topic in the program's language, where a translation gives it
    Position topicPos;     // for the problems placing finds
    bool passage = false;  // a readable passage set (it may add to Healthy Living)
    // It hides a shipped or school file of the same name, which asked for this menu and topic
    // (menu 0: Our Activities): it takes that file's place, whatever its own fields say.
    bool hides = false;
    int hiddenMenu = 0;
    QString hiddenTopic;
};

struct Place {
    enum Where {
        OurActivities,  // listed there (greyed when it has problems)
        Topic,          // menu and slot
        Healthy,        // adds passages to Healthy Living
        Displaced,      // a shipped or school file whose place a teacher's file took: unused
        Own,            // a shipped activity's file, or her copy: a topic, played under its
                        // screens' own names
    } where = OurActivities;
    int menu = 0, slot = -1;
    QString caption;  // what its topic entry shows
    std::vector<Problem> problems;
};

struct Placement {
    std::vector<Place> places;  // one per candidate
    // The candidate holding each slot of menus 1 to 5; -1 for none.
    std::array<std::array<int, 5>, 5> holders;
    std::vector<int> ourActivities;  // candidates listed there, in order of their captions
};

Placement place(const std::vector<Candidate>& candidates);

// The Healthy Living option of each passage of the files that add to it, in order; -1 with a
// problem when none is left. Only Healthy Living's own file, the first when `firstIsOwn`, may
// give the Smoking passage (option 0).
struct OptionChoice {
    int option = -1;
    std::vector<Problem> problems;
};
std::vector<std::vector<OptionChoice>> assignHealthyOptions(
    const std::vector<const Activity*>& files, bool firstIsOwn = false);

}  // namespace activityfiles
