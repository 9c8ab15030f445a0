#include "tests/support/mouse.h"

#include <QWidget>
#include <QWindow>

namespace real {

QPoint centreOf(const ui::Control& c) {
    return c.widget()->mapTo(c.widget()->window(), c.widget()->rect().center());
}

// Through the QWindow, so that Qt picks the widget under the pointer and grabs it on press,
// exactly as for a pointer on screen.
void moveTo(QWidget* window, QPoint at) {
    QTest::mouseMove(window->windowHandle(), at);
}

void press(QWidget* window, QPoint at, Qt::MouseButton b) {
    QTest::mousePress(window->windowHandle(), b, Qt::NoModifier, at);
}

void release(QWidget* window, QPoint at, Qt::MouseButton b) {
    QTest::mouseRelease(window->windowHandle(), b, Qt::NoModifier, at);
}

void drag(const ui::Control& c, QPoint to) {
    QWidget* window = c.widget()->window();
    const QPoint from = centreOf(c);
    moveTo(window, from);
    press(window, from);
    moveTo(window, (from + to) / 2);
    moveTo(window, to);
    release(window, to);
}

void click(const ui::Control& c) {
    QWidget* window = c.widget()->window();
    const QPoint at = centreOf(c);
    moveTo(window, at);
    press(window, at);
    release(window, at);
}

void moveOver(const ui::Control& c) {
    moveTo(c.widget()->window(), centreOf(c));
}

}  // namespace real
