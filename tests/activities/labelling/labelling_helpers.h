#pragma once
// Moving words on a labelling screen the way its handlers see it.
#include <gtest/gtest.h>

#include "activities/labelling/labellingscreen.h"
#include "tests/support/mouse.h"

namespace labelling_test {

// Releases word i with its top-left corner at (left, top), as after a drag.
inline void dropAt(LabellingScreen& s, int i, float left, float top, int button = 1) {
    s.words(i).move(left, top);
    s.wordReleased(i, button, 0, 0, 0);
}

// Releases word i near the box `target`, a little right of and below its corner.
inline void dropOn(LabellingScreen& s, int i, int target) {
    dropAt(s, i, s.targets(target).Left() + 200, s.targets(target).Top() + 100);
}

inline void solve(LabellingScreen& s) {
    for (int i = 0; i < s.wordCount(); ++i) dropOn(s, i, i);
}

// A pupil's drag: press on the word, nudge it, jump ahead of it to `to`, settle, release.
// While dragged, the word is centred on the pointer exactly, whatever pixel it was drawn at.
inline void realDrag(const ui::Control& word, QPoint to) {
    QWidget* window = word.widget()->window();
    const QPoint from = real::centreOf(word);
    real::moveTo(window, from);
    real::press(window, from);
    real::moveTo(window, from + QPoint(4, 2));
    const QPoint ahead = to + QPoint(-3, 5);  // far ahead of the word: it must still follow
    real::moveTo(window, ahead);
    EXPECT_FLOAT_EQ(word.Left(), ahead.x() * 15.0f - word.Width() / 2);
    EXPECT_FLOAT_EQ(word.Top(), ahead.y() * 15.0f - word.Height() / 2);
    real::moveTo(window, to);
    real::release(window, to);
}

}  // namespace labelling_test
