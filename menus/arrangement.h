#pragma once
// The activity library's files placed in the menus: what the menus, `--check` and the
// Activity Maker all start from, so that they agree on every file.
#include "activities/files/library.h"
#include "menus/placement.h"

namespace menus {

struct Arrangement {
    activityfiles::Library library;
    Placement placement;  // one place per file of the library
};

Arrangement arrange(activityfiles::Library library);

// Every problem of a file that its reading and placing found (not yet its layout).
std::vector<activityfiles::Problem> readAndPlaceProblems(const Arrangement& a, size_t file);

// Healthy Living's own file and the files that add passages to it, each passage's option,
// and the options' captions as the passages name them.
struct HealthyPassages {
    std::vector<size_t> files;
    bool ownFile = false;                            // files[0] is Healthy Living's own
    std::vector<std::vector<OptionChoice>> choices;  // per file, per passage
    activityfiles::OptionSet options;
};
HealthyPassages healthyPassages(const Arrangement& a);

}  // namespace menus
