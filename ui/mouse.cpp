#include "ui/mouse.h"

#include "ui/twips.h"

namespace ui {

int shiftOf(Qt::KeyboardModifiers m) {
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) |
           (m & Qt::AltModifier ? 4 : 0);
}

MouseArgs mouseArgs(const QMouseEvent& event, const QWidget& widget, int button) {
    MouseArgs a;
    a.button = button;
    a.shift = shiftOf(event.modifiers());
    a.x = Twips::toTwips(event.position().x());
    a.y = Twips::toTwips(event.position().y());
    const QWidget* window = widget.window();
    const QPointF inWindow = event.globalPosition() - QPointF(window->mapToGlobal(QPoint(0, 0)));
    a.formX = Twips::toTwips(inWindow.x());
    a.formY = Twips::toTwips(inWindow.y());
    return a;
}

}  // namespace ui
