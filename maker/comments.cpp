#include "maker/comments.h"

#include <QStringList>

namespace maker {

namespace {

// Where a comment starts on a line: the first "#" outside a quoted text; -1 for none.
int commentStart(const QString& line) {
    QChar quote;
    for (int i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (!quote.isNull()) {
            if (c == '\\' && quote == '"')
                ++i;
            else if (c == quote)
                quote = QChar();
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '#') {
            return i;
        }
    }
    return -1;
}

}  // namespace

FileComments readComments(const QByteArray& fileText) {
    FileComments out;
    const QStringList lines = QString::fromUtf8(fileText).split('\n');
    QStringList pending;  // comment lines not yet known to stand above an entry
    bool inHeader = true;
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        if (line.isEmpty()) continue;
        const int at = commentStart(line);
        if (at == 0) {
            pending << line;
            continue;
        }
        if (inHeader) {
            out.header = pending.join('\n');
            pending.clear();
            inHeader = false;
        }
        if (line.startsWith("[[")) {
            out.entries.push_back(pending.join('\n'));
            pending.clear();
        } else if (!pending.isEmpty()) {
            out.othersDropped = true;
            pending.clear();
        }
        if (at > 0) out.othersDropped = true;
    }
    if (inHeader)
        out.header = pending.join('\n');
    else if (!pending.isEmpty())
        out.othersDropped = true;
    return out;
}

}  // namespace maker
