#pragma once
// toml++ 3.3 decides whether a letter is a blank by a table whose lookup is undefined for
// most letters of U+00A1-U+0499, U+2C5E-U+3057 and U+FB26-U+FEFE (accented Latin, Greek,
// Cyrillic, kana and more): it reaches a path marked unreachable. Such letters are handed to
// the parser moved into a private-use plane, where it answers soundly, and moved back in
// every text it returns. Only letters the parser would test are moved, one code point for
// one, so lines and columns stay as the teacher sees them.
#include <QByteArray>
#include <QString>
#include <string_view>

namespace activityfiles {

// The file's bytes with each such letter moved; anything else, invalid UTF-8 included, kept
// byte for byte for the parser to judge.
QByteArray moveLettersForParser(const QByteArray& bytes);

// Text the parser returned, with the moved letters back in their places.
QString restoreLetters(std::string_view text);

}  // namespace activityfiles
