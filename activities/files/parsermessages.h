#pragma once
// The parser's messages in a teacher's words, for the mistakes teachers make most: a text
// without its closing quote, a missing "=", text without quotes, a field written twice, an
// unclosed heading or list, a lone backslash, and a file saved as UTF-16.
#include <QByteArray>
#include <QString>
#include <optional>

namespace activityfiles {

// What the parser said, said plainly; a message it has no plain words for is kept as it is.
QString plainParserMessage(const QString& parser);

// Why the file's bytes cannot be TOML at all, such as UTF-16; nothing when they may be.
std::optional<QString> encodingProblem(const QByteArray& bytes);

}  // namespace activityfiles
