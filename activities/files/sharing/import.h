#pragma once
// Taking in a shared activity: first looked at, then installed. Looking unpacks the file into
// a private temporary folder and checks it whole, writing nothing of hers; installing moves
// it into her activities folder only when she says so, replacing only what she allowed.
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <optional>

#include "activities/files/activity.h"

namespace sharing {

// Where the activity will appear, as the catalogue places it among the others once it is in
// her folder, and the file of the same name in a later data folder (a school's or the
// program's) whose place it takes.
struct Place {
    int menu = 0;
    QString topic;
    QString inPlaceOf;  // a path, or empty
};

struct Inspection {
    QString problem;  // why the file is refused; empty when it may be installed
    // The activity as read; its folder is the unpacked copy, so its pictures are found there
    // and the Maker can show it and try it as it is.
    std::optional<activityfiles::Activity> activity;
    QString activityFile;  // the names it will write: the activity's first,
    QStringList pictures;  // then each picture it names that the file brings
    QStringList existing;  // those already in her folder, named as there
    QString folder;        // her activities folder, where they go (made if missing)
    Place place;
    std::shared_ptr<QTemporaryDir> unpacked;

    bool ok() const { return problem.isEmpty(); }
    QStringList files() const { return QStringList{activityFile} + pictures; }
    // The unpacked copy of one of files().
    QString unpackedPath(const QString& name) const;
};

// Opens and checks the shared activity at `path`; writes only into its own temporary folder.
Inspection inspectPackage(const QString& path);

struct Installed {
    QString problem;      // empty when every file is in place
    QStringList written;  // the paths written, the activity's last
};

// Installs what `inspection` passed into her folder. A file already there is replaced only
// when `mayReplace` names it (in any case); otherwise nothing is written. The pictures go in
// before the activity, and a failure part way puts back what was there.
Installed installPackage(const Inspection& inspection, const QStringList& mayReplace = {});

}  // namespace sharing
