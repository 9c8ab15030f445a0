#include "speech/spoken.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace speech {

QString sentences(const QStringList& parts) {
    QStringList out;
    for (QString part : parts) {
        part = part.simplified();
        if (part.isEmpty()) continue;
        const QChar last = part.back();
        if (last != u'.' && last != u'?' && last != u'!') part += u'.';
        out << part;
    }
    return out.join(u' ');
}

QString withGapsRead(const QString& passage) {
    // A gap is two blanks or more, plain or no-break (a file's gaps are no-break runs, kept
    // whole by the wrap); a single blank is the space between words.
    static const QRegularExpression gap(QStringLiteral("[ \u00A0]{2,}"));
    return QString(passage)
        .replace(gap, QChar(' ') +
                          //: Read aloud for a gap in a passage
                          QCoreApplication::translate("ReadAloud", "blank") + QChar(' '))
        .simplified();
}

}  // namespace speech
