#pragma once
// The five kinds as a teacher reads them, translated where they are shown.
#include <QtGlobal>

#include "activities/files/activity.h"

namespace maker {

struct KindName {
    activityfiles::Kind kind;
    const char* name;
};

constexpr KindName kKindNames[] = {
    {activityfiles::Kind::Labelling, QT_TRANSLATE_NOOP("KindName", "Labelling a picture")},
    {activityfiles::Kind::Sorting, QT_TRANSLATE_NOOP("KindName", "Sorting into columns")},
    {activityfiles::Kind::Passage, QT_TRANSLATE_NOOP("KindName", "Completing a passage")},
    {activityfiles::Kind::Questions, QT_TRANSLATE_NOOP("KindName", "Questions")},
    {activityfiles::Kind::TrueFalse, QT_TRANSLATE_NOOP("KindName", "True or false")},
};

}  // namespace maker
