#pragma once
// Writing a shared activity: NAME.brindlemark, a zip of the activity file and each picture it
// names, ready to send. It holds only what an import takes, so every export can be taken in.
#include <QString>

namespace sharing {

// "water-cycle.brindlemark" for ".../water-cycle.toml".
QString exportName(const QString& activityPath);

struct Exported {
    QString problem;  // empty when the file is written
    QString path;     // the file written
};

// Writes exportName(activityPath) into `folder`: the activity file as it is and its pictures,
// found as the program finds them. A file already there is replaced only when `mayReplace`.
// The file is written whole or not at all.
Exported exportActivity(const QString& activityPath, const QString& folder,
                        bool mayReplace = false);

}  // namespace sharing
