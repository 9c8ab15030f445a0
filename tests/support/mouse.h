#pragma once
// Real mouse events, through the window system layer, as a pupil's pointer sends them.
#include <QPoint>
#include <QTest>

#include "ui/control.h"

namespace real {

// The centre of a control, in its window's coordinates.
QPoint centreOf(const ui::Control& c);
void click(const ui::Control& c);
void moveOver(const ui::Control& c);
void moveTo(QWidget* window, QPoint at);
void press(QWidget* window, QPoint at, Qt::MouseButton b = Qt::LeftButton);
void release(QWidget* window, QPoint at, Qt::MouseButton b = Qt::LeftButton);
// Presses on c, moves in two steps to `to` in c's window and releases there.
void drag(const ui::Control& c, QPoint to);

}  // namespace real
