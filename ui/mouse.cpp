#include "ui/mouse.h"

#include <QGuiApplication>
#include <QStyleHints>

#include "ui/twips.h"

namespace ui {

int shiftOf(Qt::KeyboardModifiers m) {
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) |
           (m & Qt::AltModifier ? 4 : 0);
}

PointerEvent pointerOf(const QMouseEvent& event) {
    return {.pointer = 0,
            .button = event.button(),
            .buttons = event.buttons(),
            .modifiers = event.modifiers(),
            .position = event.position(),
            .global = event.globalPosition()};
}

MouseArgs mouseArgs(const PointerEvent& event, const QWidget& widget, int button, float scale) {
    MouseArgs a;
    a.button = button;
    a.shift = shiftOf(event.modifiers);
    a.pointer = event.pointer;
    a.x = Twips::toTwips(event.position.x(), scale);
    a.y = Twips::toTwips(event.position.y(), scale);
    const QWidget* window = widget.window();
    const QPointF inWindow = event.global - QPointF(window->mapToGlobal(QPoint(0, 0)));
    a.formX = Twips::toTwips(inWindow.x(), scale);
    a.formY = Twips::toTwips(inWindow.y(), scale);
    return a;
}

void Taps::pressed(const PointerEvent& e) {
    if (e.button == Qt::LeftButton)
        pressedAt_[e.pointer] = e.global;
    else
        pressedAt_.erase(e.pointer);  // another button ends a tap of the left one
}

bool Taps::moved(const PointerEvent& e) {
    const auto it = pressedAt_.find(e.pointer);
    if (it == pressedAt_.end()) return false;
    if ((e.global - it->second).manhattanLength() <
        QGuiApplication::styleHints()->startDragDistance())
        return true;
    pressedAt_.erase(it);
    return false;
}

bool Taps::released(const PointerEvent& e) {
    const bool tap = e.button == Qt::LeftButton && moved(e);
    pressedAt_.erase(e.pointer);
    return tap;
}

}  // namespace ui
