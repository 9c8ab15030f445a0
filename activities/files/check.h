#pragma once
#include <QStringList>

namespace activityfiles {

// `brindlemark --check [FILE ...]`: checks the files named, or every activity file the
// program would load, printing each problem as FILE:LINE:COLUMN: message. Gives the exit
// status: 1 when there was any problem, 0 otherwise.
int runCheck(const QStringList& files);

}  // namespace activityfiles
