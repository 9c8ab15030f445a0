#pragma once
// Moving words on a labelling screen the way its handlers see it.
#include <gtest/gtest.h>

#include "activities/files/filescreens.h"
#include "activities/labelling/labellingscreen.h"
#include "tests/support/mouse.h"
#include "ui/formregistry.h"

namespace labelling_test {

// An activity's board, shown by its screen name.
inline activityfiles::FileDragScreen& board(const char* name) {
    return dynamic_cast<activityfiles::FileDragScreen&>(*ui::forms().show(name));
}

// Releases word i with its top-left corner at (left, top), as after a drag.
inline void dropAt(LabellingScreen& s, int i, float left, float top, int button = 1) {
    s.moveWord(i, left, top);
    s.wordReleased(i, button, 0, 0, 0);
}

// Releases word i near the box `target`, a little right of and below its corner.
inline void dropOn(LabellingScreen& s, int i, int target) {
    dropAt(s, i, s.targets(target).Left() + 200, s.targets(target).Top() + 100);
}

inline void solve(LabellingScreen& s) {
    for (int i = 0; i < s.wordCount(); ++i) dropOn(s, i, i);
}

}  // namespace labelling_test
