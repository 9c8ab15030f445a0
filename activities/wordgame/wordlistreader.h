#pragma once
// Reading one word list: a count, then that many words, as fields separated by commas or
// line ends. What the game needs of a list (1 to 100 words of 1 to 16 characters) is made
// true here, so that the screen can rely on it.
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <vector>

class QIODevice;

namespace wordgame {

constexpr int kSlots = 101;      // word slots 0 to 100
constexpr int kMaxWords = 100;   // a count above this is cut down to it
constexpr int kMaxLetters = 16;  // letter tiles in a row
// Nothing of a file past this is read: a full list takes a few kilobytes, and a huge file
// (or one that never ends) must not stall the screen.
constexpr std::int64_t kMaxFileBytes = 1 << 20;

using WordList = std::array<QString, kSlots>;

struct CategoryWords {
    WordList words;  // the usable words in slots 0 to count - 1, in file order; the rest empty
    std::int16_t count = 0;
    // What `--check` tells a teacher: the number the first line gives, the words the whole
    // file holds, and the announced words left out (the line each stands on, and why).
    int announced = 0;
    int present = 0;
    struct LeftOut {
        int line;
        QString why;
    };
    std::vector<LeftOut> leftOut;
};

// Reads a list from an open device, bytes in UTF-8 (with or without a byte order mark), in
// UTF-16 with its byte order mark (Notepad's "Unicode") or, failing those, in Windows-1252; every
// word is put in NFC. Words that are empty, blank or longer than kMaxLetters characters are left
// out, and the count is that of the words kept; a count that is not a whole number reads as 0.
// Never fails.
CategoryWords readWordList(QIODevice& in);

// The characters of a word, one per code point: a letter outside the BMP stays whole.
QStringList characters(const QString& word);

}  // namespace wordgame
