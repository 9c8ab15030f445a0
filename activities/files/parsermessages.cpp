#include "activities/files/parsermessages.h"

#include <QRegularExpression>

#include "activities/files/problemwords.h"

namespace activityfiles {

namespace {

struct Known {
    const char* parser;  // a part of the parser's message
    Fault fault;
};
// In the order they are tried: the first whose part the message holds.
constexpr Known kKnown[] = {
    {"control characters", Fault::NoClosingQuote},
    {"expected '='", Fault::NoEquals},
    {"could not determine value type", Fault::ValueUnreadable},
    {"table header", Fault::HeadingUnclosed},
    {"escape sequence", Fault::LoneBackslash},
    {"parsing array", Fault::ListUnclosed},
};

}  // namespace

Problem parserProblem(Position at, const QString& parser) {
    static const QRegularExpression redefined("redefine existing \\w+ '([^']*)'");
    if (const auto m = redefined.match(parser); m.hasMatch())
        return fileProblem(at, Fault::WrittenTwice, {}, {m.captured(1)});
    for (const Known& k : kKnown)
        if (parser.contains(QLatin1String(k.parser))) return fileProblem(at, k.fault, {});
    return fileProblem(at, Fault::Unparsed, {}, {parser});
}

std::optional<Problem> encodingProblem(const QByteArray& bytes) {
    // Notepad's "Unicode" writes a byte order mark and a zero byte beside each Latin letter.
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF") ||
        (bytes.size() >= 2 && (bytes[0] == '\0' || bytes[1] == '\0')))
        return fileProblem({1, 1}, Fault::Utf16, {});
    return std::nullopt;
}

}  // namespace activityfiles
