#include "activities/wordgame/alphabet.h"

#include <array>

#include "activities/wordgame/wordlistreader.h"

namespace wordgame {

namespace {

constexpr QChar kTwoLetters = u'|';

// Welsh's letters of two characters, in lower case.
constexpr std::array<const char16_t*, 8> kWelshDigraphs = {u"ch", u"dd", u"ff", u"ng",
                                                           u"ll", u"ph", u"rh", u"th"};

bool digraphAt(const QString& word, qsizetype i) {
    if (i + 1 >= word.size()) return false;
    const QString pair = word.mid(i, 2).toLower();
    for (const char16_t* d : kWelshDigraphs)
        if (pair == QStringView(d)) return true;
    return false;
}

}  // namespace

Alphabet alphabetOf(QLocale::Language language) {
    return language == QLocale::Welsh ? Alphabet::Welsh : Alphabet::English;
}

QStringList letters(const QString& word, Alphabet alphabet) {
    if (alphabet == Alphabet::English) return characters(withoutMarks(word));
    QStringList out;
    for (qsizetype i = 0; i < word.size(); ++i) {
        if (word[i] == kTwoLetters) continue;
        if (digraphAt(word, i)) {
            out.append(word.mid(i, 2));
            ++i;
        } else {
            const qsizetype n = word[i].isHighSurrogate() && i + 1 < word.size() ? 2 : 1;
            out.append(word.mid(i, n));
            i += n - 1;
        }
    }
    return out;
}

QString withoutMarks(QString word) {
    return word.remove(kTwoLetters);
}

}  // namespace wordgame
