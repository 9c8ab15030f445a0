#pragma once
// The word bank, boxed at the foot of a part, and the game's mixing of Scrambled Words' sheet.
#include <QStringList>

namespace ui {
class RandomSource;
}

namespace worksheets {

class PageFrame;

// Mixed by the word game's own rule: never in order (unless every item is the same), never
// spelling a word not to show. A word's letters, or the words drawn from a list.
QStringList gameOrder(const QStringList& items, ui::RandomSource& random);

// Paints the bank as rows of words in a box across the flow; the height it takes. Only
// measures when not `draw`.
double paintWordBank(PageFrame& frame, const QStringList& words, bool draw = true);

}  // namespace worksheets
