#pragma once
// The Maker's one settings file, where the README and the manual page say it is:
// ~/.config/brindlemark/activity-maker.conf. The pupils' program keeps none.
#include <QSettings>

namespace maker {

QSettings makerSettings();

}  // namespace maker
