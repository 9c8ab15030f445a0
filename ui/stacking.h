#pragma once
// What Qt does not say or do for top-level windows on X11: their order on the screen, and
// the hint that keeps a window out of the task bar. On other platforms these do nothing.
#include <QColor>
#include <QWidget>
#include <optional>
#include <vector>

namespace ui {

// Asks the window manager to leave the window out of the task bar and the window switcher.
void keepOffTaskbar(QWidget& window);

// Has the display server itself fill the window with `colour` wherever it shows, so that
// the program sends it no pixels; false where the platform cannot.
bool fillOnServer(QWidget& window, QColor colour);

// The windows in the order the display stacks them now, bottom first (a window manager's
// frame stands for the window it holds); nothing where the platform cannot tell.
std::optional<std::vector<QWidget*>> stackedBottomToTop(const std::vector<QWidget*>& windows);

}  // namespace ui
