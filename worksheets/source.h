#pragma once
// Where the worksheets learn which activity is meant and what it is made of: the one place
// they ask for an activity, so that one answer serves every user of activities.
#include <QString>
#include <QStringList>
#include <optional>

#include "activities/files/activity.h"
#include "worksheets/worksheet.h"

namespace worksheets {

constexpr int kDefaultWords = 10;  // Scrambled Words on one sheet, unless she asks otherwise
constexpr int kMaxWords = 20;      // as many as one page holds

struct Found {
    std::optional<Source> source;  // only when nothing is wrong
    QStringList problems;          // each as FILE:LINE:COLUMN: message, or a sentence
};

// An activity already read (the Maker's): laid out, its pictures read.
Found sourceOf(const activityfiles::Activity& activity, const QString& file);

// "The activity named NAME or the file FILE": a shipped or installed activity by its file
// name as `--check` lists it (".toml" may be left off), a word list of Scrambled Words by
// its file name, or the path of an activity file or a word list. Scrambled Words takes
// `words` of the list, drawn at random.
Found findSource(const QString& nameOrFile, int words, ui::RandomSource& random);

}  // namespace worksheets
