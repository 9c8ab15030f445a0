#pragma once
// An activity on paper: its worksheet for pupils and its answer sheet for the teacher, painted
// on any paged device (a PDF file, a printer, a print preview). It knows no menu and no Maker:
// it is given the activity, its pictures and its layout, or Scrambled Words' words.
#include <QImage>
#include <QLocale>
#include <QPageSize>
#include <QString>
#include <QStringList>
#include <map>
#include <vector>

#include "activities/files/activity.h"
#include "activities/files/layout.h"
#include "activities/wordgame/alphabet.h"

class QPagedPaintDevice;

namespace ui {
class RandomSource;
}

namespace worksheets {

enum class Sheets { Worksheet, Answers, Both };

// What the sheets are made from. For Scrambled Words `activity` gives only the title and the
// instruction, and `words` the words she chose from a list.
struct Source {
    activityfiles::Activity activity;
    activityfiles::Planned planned;      // its screens' layout: the labels' boxes and lines
    std::map<QString, QImage> pictures;  // by the path the layout found, read at full size
    bool wordGame = false;
    QStringList words;
    wordgame::Alphabet alphabet{};  // the letters its words are cut into
};

// The sheets' words once mixed (a pupil's sheet and its answers must agree), and the
// pictures turned into the greys of black ink.
struct Prepared {
    Source source;
    std::vector<QStringList> banks;  // one word bank per screen, never in answer order
    QStringList scrambled;           // Scrambled Words: each word's letters, mixed, a blank between
};

Prepared prepare(Source source, ui::RandomSource& random);

// A4, or US Letter where the locale measures in inches.
QPageSize pageSizeFor(const QLocale& locale);
// The locale's paper, with margins inside what any printer reaches.
void setUpPage(QPagedPaintDevice& device, const QLocale& locale = QLocale());

// Paints the sheets asked for, each from a new page, two pages at most each. False when the
// device cannot be painted on.
bool paintSheets(const Prepared& prepared, Sheets which, QPagedPaintDevice& device);

// Writes the sheets as a PDF at `path`, whole or not at all; `error` says why not.
bool writePdf(const Prepared& prepared, Sheets which, const QString& path, QString& error);

}  // namespace worksheets
