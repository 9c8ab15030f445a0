#pragma once
// The language the program speaks: the desktop's, unless the teacher chose another. Its
// translation is loaded at start, with Qt's own for the standard dialogs where one exists;
// a language without a translation shows the program's own English.
#include <QLocale>
#include <QString>
#include <QStringList>

// The language to show: the one kept in brindlemark.conf (language = cy), else the
// desktop's.
QLocale chosenLanguage();

// Uses the chosen language; `language = pseudo` shows every text in a made-up language about
// 40 % longer (app/pseudolanguage.h), over the desktop's, for translators to see that theirs
// will fit. False when the program has no translation into the chosen language.
bool useChosenLanguage();

// Loads the translations of `language` (from the data folders' translations/) and makes it
// the program's locale, so that word lists and activities follow it. False when the program
// has no translation into it.
bool useLanguage(const QLocale& language);

// The languages a teacher can choose, by code: English ("en") first, then each that the data
// folders hold a translation for, in the order of their codes.
QStringList languagesToChoose();
// The code of the language shown now: the loaded translation's, else "en".
QString shownLanguage();
// A language's name in that language ("English", "Cymraeg").
QString languageName(const QString& code);
// The teacher's choice: kept in brindlemark.conf for the runs to come and used at once.
void chooseLanguage(const QString& code);
