#pragma once
#include <QMouseEvent>
#include <QWidget>
#include <map>

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

// One press, move or release of one pointer: the mouse (or pen), or a touch point, which
// acts as the left button.
struct PointerEvent {
    int pointer = 0;                        // 0 the mouse; each touch point its own number from 1
    Qt::MouseButton button = Qt::NoButton;  // the one pressed or released
    Qt::MouseButtons buttons;               // those held
    Qt::KeyboardModifiers modifiers;
    QPointF position;  // in the widget that receives it
    QPointF global;
};
PointerEvent pointerOf(const QMouseEvent& event);

// The event's position in twips at the window's scale, relative to `widget` and to its
// window's client area.
MouseArgs mouseArgs(const PointerEvent& event, const QWidget& widget, int button, float scale);

// Which pointers pressed with the left button (or touching) have stayed within the
// platform's drag distance of their press: released now, they tap.
class Taps {
  public:
    void pressed(const PointerEvent& e);
    // Whether the pointer still taps after this move; once past the distance it drags.
    bool moved(const PointerEvent& e);
    // Whether the release is a tap; the pointer is forgotten.
    bool released(const PointerEvent& e);

  private:
    std::map<int, QPointF> pressedAt_;  // only the pointers that still tap
};

}  // namespace ui
