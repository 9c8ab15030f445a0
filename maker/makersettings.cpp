#include "maker/makersettings.h"

#include <QStandardPaths>

namespace maker {

QSettings makerSettings() {
    // Named in full: QSettings' own naming would write activity-maker.ini.
    return QSettings(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                         "/brindlemark/activity-maker.conf",
                     QSettings::IniFormat);
}

}  // namespace maker
