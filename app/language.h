#pragma once
// The language the program speaks: the desktop's, unless the teacher chose another. Its
// translation is loaded at start, with Qt's own for the standard dialogs where one exists;
// a language without a translation shows the program's own English.
#include <QLocale>
#include <QString>

// The language to show: the one kept in brindlemark.conf (language = cy), else the
// desktop's.
QLocale chosenLanguage();

// Loads the translations of `language` (from the data folders' translations/) and makes it
// the program's locale, so that word lists and activities follow it. False when the program
// has no translation into it.
bool useLanguage(const QLocale& language);
