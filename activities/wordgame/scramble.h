#pragma once
// The game's rule for mixing up what a pupil must put back in order: the letters of a word,
// or the words of a word bank. Pure, so that the screen and the printed sheets share it.
#include <QStringList>
#include <functional>
#include <vector>

namespace wordgame {

// An index in [0, n) from one draw of the program's random source.
using DrawIndex = std::function<int(int n)>;

// A word as the game shows it: the first letter in lower case, A to Z only, so that no other
// letter changes length or form.
QString asShown(QString word);

// A shuffled order of `items`: position i shows items[order[i]]. Never the items' own order
// when two of them differ (a run of one repeated item cannot be mixed and stays as it is),
// and never a row that spells a word a child should not be shown.
std::vector<int> scrambledOrder(const QStringList& items, const DrawIndex& drawIndex);

}  // namespace wordgame
