#include "maker/recentfiles.h"

#include <QFileInfo>

#include "maker/makersettings.h"

namespace maker {

QStringList RecentFiles::list() const {
    QStringList out;
    for (const QString& path : makerSettings().value("recentFiles").toStringList())
        if (QFileInfo(path).isFile()) out << path;
    return out;
}

void RecentFiles::add(const QString& path) {
    QStringList all = makerSettings().value("recentFiles").toStringList();
    all.removeAll(path);
    all.prepend(path);
    while (all.size() > kKept) all.removeLast();
    makerSettings().setValue("recentFiles", all);
}

}  // namespace maker
