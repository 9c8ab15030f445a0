#pragma once
// Writes a document as an activity file in the shipped files' style: the common fields, the
// kind's own, then each [[entry]], with the comments a hand-written file had.
#include <QByteArray>
#include <QString>

#include "maker/document.h"

namespace maker {

struct WrittenFile {
    QByteArray text;
};

WrittenFile writeActivity(const Document& document);

// A TOML basic string: quoted, with what must be escaped escaped.
QString tomlString(const QString& text);

}  // namespace maker
