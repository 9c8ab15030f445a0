#pragma once
// The five kinds as a teacher reads them.
#include "activities/files/activity.h"

namespace maker {

struct KindName {
    activityfiles::Kind kind;
    const char* name;
};

constexpr KindName kKindNames[] = {
    {activityfiles::Kind::Labelling, "Labelling a picture"},
    {activityfiles::Kind::Sorting, "Sorting into columns"},
    {activityfiles::Kind::Passage, "Completing a passage"},
    {activityfiles::Kind::Questions, "Questions"},
    {activityfiles::Kind::TrueFalse, "True or false"},
};

}  // namespace maker
