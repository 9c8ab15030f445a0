#pragma once
#include <QMouseEvent>
#include <QWidget>

#include "ui/control.h"

namespace ui {

// Qt's button bits for left, right and middle are the layout's 1, 2 and 4.
inline int buttonsOf(Qt::MouseButtons b) {
    return static_cast<int>(b & (Qt::LeftButton | Qt::RightButton | Qt::MiddleButton));
}
inline int buttonOf(Qt::MouseButton b) {
    return buttonsOf(b);
}
int shiftOf(Qt::KeyboardModifiers m);

// The event's position in twips at the window's scale, relative to `widget` and to its
// window's client area.
MouseArgs mouseArgs(const QMouseEvent& event, const QWidget& widget, int button, float scale);

}  // namespace ui
