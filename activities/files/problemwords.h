#pragma once
// Every problem an activity can have, in two voices: the file's words, with its keys and
// syntax, for whoever writes files (`--check`); and plain words for a teacher who never reads
// the file (the Activity Maker, a grey topic's message).
#include <QByteArray>
#include <QString>
#include <QStringList>

#include "activities/files/activity.h"

namespace activityfiles {

// A problem at `at`, its message in the file's words; `args` fill in its names and texts.
Problem fileProblem(Position at, Fault fault, Spot spot, QStringList args = {});

// The problem in plain words, led by the entry it is in ("Question 1: type a second answer
// (each question needs 2 to 4)."), or without that lead where the file's line is shown
// instead. `kind` names its entries. A problem with no plain words of its own keeps its own.
QString plainWords(const Problem& problem, Kind kind, bool named = true);

// "Line 5 says true = "no". Write true or false, without quotation marks.": the line at fault as
// the file has it, then what to do.
QString lineSays(const Problem& problem, Kind kind, const QByteArray& fileText);

}  // namespace activityfiles
