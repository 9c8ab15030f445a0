#pragma once
// The activity library's files placed in the menus: what the menus, `--check` and the
// Activity Maker all start from, so that they agree on every file.
#include "activities/files/library.h"
#include "activities/files/placement.h"

namespace activityfiles {

struct Arrangement {
    Library library;
    Placement placement;  // one place per file of the library
};

Arrangement arrange(Library library);

// Every problem of a file that its reading and placing found (not yet its layout).
std::vector<Problem> readAndPlaceProblems(const Arrangement& a, size_t file);

// The files that add passages to Healthy Living, each passage's option, and the options'
// captions as the passages name them.
struct HealthyPassages {
    std::vector<size_t> files;
    std::vector<std::vector<OptionChoice>> choices;  // per file, per passage
    OptionSet options;
};
HealthyPassages healthyPassages(const Arrangement& a);

}  // namespace activityfiles
