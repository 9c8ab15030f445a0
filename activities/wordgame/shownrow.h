#pragma once
// Which orders of a word's letters Scrambled Words may show: never the word itself, and
// never a row that spells a word a child should not be shown.
#include <QString>
#include <QStringList>
#include <span>
#include <vector>

namespace wordgame {

// Rude, unkind or frightening words that the letters of science words can make, in lower case.
std::span<const char* const> neverShownWords();

// Whether the row spells one of neverShownWords() anywhere in it, in any case.
bool spellsNeverShown(const QString& row);

// Whether the letters of `word` may be shown in the order `order` (order[k] is the place in
// the word of the letter shown k-th): not in the word's own order, unless every letter is
// alike, and spelling no never-shown word.
bool mayShow(const std::vector<int>& order, const QStringList& word);

// An order that may be shown, near one that may not: the order turned round by one place
// at a time, then with two letters swapped; unchanged when none of these may be shown.
std::vector<int> mended(std::vector<int> order, const QStringList& word);

}  // namespace wordgame
