#include "maker/recentfiles.h"

#include <QFileInfo>
#include <QSettings>

namespace maker {

namespace {
// The Maker's settings alone: the pupils' program keeps none.
QSettings settings() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, "brindlemark", "activity-maker");
}
}  // namespace

QStringList RecentFiles::list() const {
    QStringList out;
    for (const QString& path : settings().value("recentFiles").toStringList())
        if (QFileInfo(path).isFile()) out << path;
    return out;
}

void RecentFiles::add(const QString& path) {
    QStringList all = settings().value("recentFiles").toStringList();
    all.removeAll(path);
    all.prepend(path);
    while (all.size() > kKept) all.removeLast();
    settings().setValue("recentFiles", all);
}

}  // namespace maker
