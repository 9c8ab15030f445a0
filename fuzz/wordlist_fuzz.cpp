// Fuzz target for the word list reader: whatever the bytes, the list it gives keeps the
// limits the game relies on.
#include <QBuffer>
#include <QByteArray>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "activities/wordgame/wordlistreader.h"

using namespace wordgame;

namespace {

void require(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "word list reader broke a limit: %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const CategoryWords list = readWordList(buffer);

    require(list.count >= 0 && list.count <= kMaxWords, "count out of range");
    for (int i = 0; i < kSlots; ++i) {
        const QString& w = list.words[i];
        if (i >= list.count) {
            require(w.isEmpty(), "a slot past the count holds a word");
            continue;
        }
        const QStringList letters = characters(w);
        require(letters.size() >= 1 && letters.size() <= kMaxLetters, "word length");
        require(!w.trimmed().isEmpty(), "blank word");
        require(w == w.normalized(QString::NormalizationForm_C), "word not in NFC");
        for (const QString& c : letters) {
            const bool pair = c.size() == 2 && c[0].isHighSurrogate() && c[1].isLowSurrogate();
            require(pair || (c.size() == 1 && !c[0].isSurrogate()), "half a character");
        }
    }
    return 0;
}
