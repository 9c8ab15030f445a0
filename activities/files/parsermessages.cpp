#include "activities/files/parsermessages.h"

#include <QRegularExpression>

namespace activityfiles {

namespace {

struct Plain {
    const char* parser;  // a part of the parser's message
    const char* plain;
};
// In the order they are tried: the first whose part the message holds.
constexpr Plain kPlain[] = {
    {"control characters", "this text has no closing quote: end it with \" on the same line"},
    {"expected '='",
     "a field's name must be followed by = and its value, such as topic = \"Rocks\""},
    {"could not determine value type",
     "this value cannot be read: put text in double quotes, such as \"Rocks\" (numbers, true "
     "and false take none)"},
    {"table header",
     "this heading is not closed: write it on one line with its brackets, such as [[label]]"},
    {"escape sequence",
     "a backslash \\ in a text must be written twice, \\\\, or the text put in single quotes"},
    {"parsing array", "this list is not closed: end it with ], such as [\"First\", \"Second\"]"},
};

}  // namespace

QString plainParserMessage(const QString& parser) {
    static const QRegularExpression redefined("redefine existing \\w+ '([^']*)'");
    if (const auto m = redefined.match(parser); m.hasMatch())
        return QString("\"%1\" is written twice: keep only one").arg(m.captured(1));
    for (const Plain& p : kPlain)
        if (parser.contains(QLatin1String(p.parser))) return QString::fromUtf8(p.plain);
    return parser;
}

std::optional<QString> encodingProblem(const QByteArray& bytes) {
    // Notepad's "Unicode" writes a byte order mark and a zero byte beside each Latin letter.
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF") ||
        (bytes.size() >= 2 && (bytes[0] == '\0' || bytes[1] == '\0')))
        return QString("the file is saved as UTF-16 (\"Unicode\"): save it again as UTF-8");
    return std::nullopt;
}

}  // namespace activityfiles
