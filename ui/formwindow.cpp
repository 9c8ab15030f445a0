#include "ui/formwindow.h"

#include <QCloseEvent>
#include <QPainter>
#include <QTouchEvent>
#include <QWindow>

#include "ui/eventguard.h"
#include "ui/form.h"
#include "ui/keyboard.h"
#include "ui/mouse.h"
#include "ui/painting.h"
#include "ui/twips.h"

namespace ui {

FormWindow::FormWindow(Form& form) : QWidget(nullptr), form_(&form) {
    setMouseTracking(true);
    setAttribute(Qt::WA_AcceptTouchEvents);
    setAttribute(Qt::WA_QuitOnClose, false);
}

void FormWindow::paintEvent(QPaintEvent*) {
    if (!form_ || filledOnServer_) return;
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(form_->BackColor()));
    const Picture& picture = form_->picture();
    drawPicture(painter, QRectF(QPointF(0, 0), designSize(picture) * form_->scale()), picture);
    deliver("painting", [&] { form_->paintSurface(painter); });
}

void FormWindow::mousePressEvent(QMouseEvent* event) {
    pointerPressed(pointerOf(*event));
}

void FormWindow::mouseMoveEvent(QMouseEvent* event) {
    pointerMoved(pointerOf(*event));
}

void FormWindow::mouseReleaseEvent(QMouseEvent* event) {
    pointerReleased(pointerOf(*event));
}

void FormWindow::pointerPressed(const PointerEvent& e) {
    if (!form_ || form_->isUnloaded()) return;
    // A window manager raises a window clicked on: a backdrop goes back beneath the rest.
    if (form_->staysBehind()) form_->keepBelowProgram();
    form_->keyboard().pointerPressed(nullptr);
    taps_.pressed(e);
    const MouseArgs a = mouseArgs(e, *this, buttonOf(e.button), form_->scale());
    deliver("a mouse press", [&] { form_->onPointerDown(e.pointer, a.button, a.shift, a.x, a.y); });
}

void FormWindow::pointerMoved(const PointerEvent& e) {
    if (!form_ || form_->isUnloaded()) return;
    taps_.moved(e);
    const MouseArgs a = mouseArgs(e, *this, buttonsOf(e.buttons), form_->scale());
    deliver("a mouse move", [&] { form_->onPointerMove(e.pointer, a.button, a.shift, a.x, a.y); });
}

void FormWindow::pointerReleased(const PointerEvent& e) {
    if (!form_ || form_->isUnloaded()) return;
    const bool tap = taps_.released(e);
    const MouseArgs a = mouseArgs(e, *this, buttonOf(e.button), form_->scale());
    deliver("a mouse release", [&] { form_->onPointerUp(e.pointer, a.button, a.shift, a.x, a.y); });
    if (tap && form_ && !form_->isUnloaded()) deliver("a tap", [this] { form_->onTap(nullptr); });
}

void FormWindow::closeEvent(QCloseEvent* event) {
    // The window stays until the screen itself decides, as its Exit would.
    event->ignore();
    if (form_ && !form_->isUnloaded())
        deliver("a close request", [this] { form_->onCloseRequested(); });
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
    // A backdrop exposed anew may have come in front of the program's windows.
    if (form_ && form_->staysBehind() && event->type() == QEvent::Expose) form_->keepBelowProgram();
    return QWidget::eventFilter(watched, event);
}

bool FormWindow::focusNextPrevChild(bool next) {
    // Qt moves the focus on when the focused control is hidden or disabled: in our order.
    if (!form_ || form_->isUnloaded()) return false;
    return form_->keyboard().step(next);
}

bool FormWindow::event(QEvent* event) {
    switch (event->type()) {
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
            touches_.handle(static_cast<const QTouchEvent&>(*event));
            event->accept();
            return true;
        case QEvent::TouchCancel:
            touches_.cancel();
            event->accept();
            return true;
        default:
            break;
    }
    // Keys sent to the window itself act on its focused control, as keys sent to that control.
    if (event->type() == QEvent::KeyPress && form_) {
        form_->keyboard().keyPressed(static_cast<const QKeyEvent&>(*event));
        return true;
    }
    const bool handled = QWidget::event(event);
    // The window system's frame is known only once the window is shown.
    if (form_ && (event->type() == QEvent::Show || event->type() == QEvent::Move))
        form_->applyWindowGeometry(false);
    if (event->type() == QEvent::Show && windowHandle()) {
        windowHandle()->removeEventFilter(this);
        windowHandle()->installEventFilter(this);
    }
    return handled;
}

}  // namespace ui
