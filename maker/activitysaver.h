#pragma once
// Writing an activity into her folder: whole or not at all, under a name made from its
// title, with the pictures it had beside it.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include "maker/document.h"

namespace maker {

// A file name from a title: letters of any script and digits kept, anything else a hyphen;
// kept apart from every name in `taken`, whatever the case.
QString nameFromTitle(const QString& title, const QStringList& taken);

// Writes `text` to `path` through a temporary file, making its folder if missing; the
// reason in her words when it fails (the file as it was is then untouched).
QString writeWhole(const QString& path, const QByteArray& text);

// Copies the pictures the document names from `from` into `to` where `to` lacks them, making
// `to` if missing; the reason in her words when one cannot be copied.
QString copyPictures(const Document& document, const QString& from, const QString& to);

}  // namespace maker
