#pragma once
// Takes a shared activity file apart as untrusted input: each entry is checked by its name,
// its kind and what it really unpacks to (never by the sizes its headers claim), and written
// into a folder the caller owns. It stops at the first thing wrong and says what.
#include <QString>
#include <QStringList>

namespace sharing {

struct Unpacked {
    QString problem;       // empty when every entry passed
    QString activity;      // the activity file's name
    QStringList pictures;  // the pictures' names, in the archive's order
};

// Unpacks the archive at `path` into `folder`, which should be private and empty.
Unpacked unpackPackage(const QString& path, const QString& folder);

}  // namespace sharing
