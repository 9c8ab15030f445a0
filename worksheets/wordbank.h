#pragma once
// The word bank: the words a pupil places, mixed as on screen and boxed at the foot of a part.
#include <QStringList>

namespace ui {
class RandomSource;
}

namespace worksheets {

class PageFrame;

// The words in a mixed order that is never the answer's order (a list of one word, or of one
// word repeated, cannot be mixed). Draws from the program's random source.
QStringList bankOrder(const QStringList& answerOrder, ui::RandomSource& random);

// Paints the bank as rows of words in a box across the flow; its height.
double paintWordBank(PageFrame& frame, const QStringList& words);

}  // namespace worksheets
