#pragma once
// What a letter is, in the languages word lists come in: the tiles a word is cut into.
#include <QLocale>
#include <QString>
#include <QStringList>

namespace wordgame {

enum class Alphabet { English, Welsh };

Alphabet alphabetOf(QLocale::Language language);

// The letters of a word, one tile each. In English every code point is a letter (a letter
// outside the BMP stays whole). In Welsh ch, dd, ff, ng, ll, ph, rh and th are single letters
// too, in any case; a bar between n and g ("Ban|gor") marks the rarer n and g that are two.
QStringList letters(const QString& word, Alphabet alphabet);

// A word as shown whole and read aloud: without the bar that parts n from g.
QString withoutMarks(QString word);

}  // namespace wordgame
