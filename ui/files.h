#pragma once
#include <QString>
#include <optional>

namespace ui {

// Turns a layout path such as "Images\exit.jpg" into a regular file under the working
// directory: backslashes become slashes, each component is matched without regard to
// case, and nothing outside the working directory, nor anything that is not a regular
// file (a folder, a FIFO, a device), is ever returned.
std::optional<QString> resolveFile(const QString& layoutPath);

// The same, under `folder` in place of the working directory.
std::optional<QString> resolveFileIn(const QString& folder, const QString& layoutPath);

}  // namespace ui
