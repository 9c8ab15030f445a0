#include "ui/mouse.h"

#include "ui/twips.h"

namespace ui {

int shiftOf(Qt::KeyboardModifiers m) {
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) |
           (m & Qt::AltModifier ? 4 : 0);
}

MouseArgs mouseArgs(const QMouseEvent& event, const QWidget& widget, int button, float scale) {
    MouseArgs a;
    a.button = button;
    a.shift = shiftOf(event.modifiers());
    a.x = Twips::toTwips(event.position().x(), scale);
    a.y = Twips::toTwips(event.position().y(), scale);
    const QWidget* window = widget.window();
    const QPointF inWindow = event.globalPosition() - QPointF(window->mapToGlobal(QPoint(0, 0)));
    a.formX = Twips::toTwips(inWindow.x(), scale);
    a.formY = Twips::toTwips(inWindow.y(), scale);
    return a;
}

}  // namespace ui
