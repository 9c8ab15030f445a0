#pragma once
// Writes a document as an activity file in the shipped files' style: the common fields, the
// kind's own, then each [[entry]], with the comments a hand-written file had. It also says
// which field each line holds, so that a problem found in the file is shown at its field.
#include <QByteArray>
#include <QString>
#include <vector>

#include "maker/document.h"

namespace maker {

// A field of the document: a key of the file, and the entry it belongs to (-1: none).
struct FieldRef {
    QString key;
    int entry = -1;
    bool operator==(const FieldRef&) const = default;
    bool isNone() const { return key.isEmpty(); }
};

struct WrittenFile {
    QByteArray text;
    std::vector<FieldRef> lines;  // lines[n - 1]: the field on line n
    FieldRef fieldAt(int line) const;
};

WrittenFile writeActivity(const Document& document);

// A TOML basic string: quoted, with what must be escaped escaped.
QString tomlString(const QString& text);

}  // namespace maker
