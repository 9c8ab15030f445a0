#pragma once
// The Activity Maker's window with an activity of each kind open, for the README.
#include <QDir>
#include <QStringList>

namespace screenshots {

// The names of the Maker's shots ("maker-labelling", ...).
QStringList makerShots();
// Renders one of them into `out`; false for a name that is none of them or a failure.
bool captureMaker(const QString& name, const QDir& out);

}  // namespace screenshots
