#pragma once
// The parser's messages as problems of their own, for the mistakes teachers make most: a text
// without its closing quote, a missing "=", text without quotes, a field written twice, an
// unclosed heading or list, a lone backslash, and a file saved as UTF-16.
#include <QByteArray>
#include <QString>
#include <optional>

#include "activities/files/activity.h"

namespace activityfiles {

// What the parser said, as one of our problems; one we have no words for is kept as it is.
Problem parserProblem(Position at, const QString& parser);

// Why the file's bytes cannot be TOML at all, such as UTF-16; nothing when they may be.
std::optional<Problem> encodingProblem(const QByteArray& bytes);

}  // namespace activityfiles
