#include "app/pseudolanguage.h"

#include <QRegularExpression>
#include <cmath>
#include <cstring>

namespace {

// a to z and A to Z with an accent from Latin-1 or Latin Extended-A, which the program's
// fonts draw themselves; the few letters without one there stay plain.
constexpr char16_t kSmall[] = u"àbçďéfĝĥîĵķĺmñöpqŕšţüvŵxýž";
constexpr char16_t kCapital[] = u"ÀBÇĎÉFĜĤÎĴĶĹMÑÖPQŔŠŢÜVŴXÝŽ";

QChar accented(QChar c) {
    if (c >= u'a' && c <= u'z') return QChar(kSmall[c.unicode() - u'a']);
    if (c >= u'A' && c <= u'Z') return QChar(kCapital[c.unicode() - u'A']);
    return c;
}

// What is copied unchanged from where it starts: an argument (%1, %L1, %n), an entity
// (&amp;), a doubled ampersand, a mnemonic with its letter (&S), a tag.
qsizetype keptLength(const QString& text, qsizetype at) {
    static const QRegularExpression kept(R"(%L?\d{1,2}|%n|&(?:#?\w+;|&|\S)|</?[A-Za-z!][^<>]*>)");
    const QRegularExpressionMatch m = kept.match(text, at, QRegularExpression::NormalMatch,
                                                 QRegularExpression::AnchorAtOffsetMatchOption);
    return m.hasMatch() ? m.capturedLength() : 0;
}

}  // namespace

QString PseudoTranslator::translate(const char* context, const char* sourceText, const char*,
                                    int) const {
    // Qt's own switches, not texts: the layout direction stays left to right, and the names of
    // keys stay those a key sequence is read back from.
    if (!sourceText || std::strcmp(sourceText, "QT_LAYOUT_DIRECTION") == 0 ||
        (context && std::strcmp(context, "QShortcut") == 0))
        return {};
    return lengthen(QString::fromUtf8(sourceText));
}

QString PseudoTranslator::lengthen(const QString& text) {
    qsizetype first = 0, last = text.size();
    while (first < last && text[first].isSpace()) ++first;
    while (last > first && text[last - 1].isSpace()) --last;
    if (first == last) return text;
    QString out = text.left(first) + u'[';
    for (qsizetype i = first; i < last;) {
        const qsizetype kept = std::min(keptLength(text, i), last - i);
        if (kept > 0) {
            out += text.mid(i, kept);
            i += kept;
        } else {
            out += accented(text[i++]);
        }
    }
    // Four tenths more, as a blank and tildes, in words of five that a wrapping label can
    // break between; never a blank at the end.
    const auto extra = static_cast<qsizetype>(std::ceil(0.4 * double(last - first)));
    for (qsizetype k = 0; k < extra; ++k) out += k % 6 == 0 && k + 1 < extra ? u' ' : u'~';
    return out + u']' + text.mid(last);
}
