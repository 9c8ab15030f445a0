#include "ui/formwindow.h"

#include <QCloseEvent>
#include <QPainter>
#include <QTimer>
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
    setAttribute(Qt::WA_QuitOnClose, false);
}

void FormWindow::paintEvent(QPaintEvent*) {
    if (!form_) return;
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(form_->BackColor()));
    const Picture& picture = form_->picture();
    drawPicture(painter, QRectF(QPointF(0, 0), designSize(picture) * Twips::scale()), picture);
    deliver("painting", [&] { form_->paintSurface(painter); });
}

void FormWindow::mousePressEvent(QMouseEvent* event) {
    if (!form_) return;
    form_->keyboard().pointerPressed(nullptr);
    const MouseArgs a = mouseArgs(*event, *this, buttonOf(event->button()));
    deliver("a mouse press", [&] { form_->onMouseDown(a.button, a.shift, a.x, a.y); });
}

void FormWindow::mouseMoveEvent(QMouseEvent* event) {
    if (!form_) return;
    const MouseArgs a = mouseArgs(*event, *this, buttonsOf(event->buttons()));
    deliver("a mouse move", [&] { form_->onMouseMove(a.button, a.shift, a.x, a.y); });
}

void FormWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (!form_) return;
    const MouseArgs a = mouseArgs(*event, *this, buttonOf(event->button()));
    deliver("a mouse release", [&] { form_->onMouseUp(a.button, a.shift, a.x, a.y); });
}

void FormWindow::closeEvent(QCloseEvent* event) {
    // The window stays until the screen itself decides, as its Exit would.
    event->ignore();
    if (form_ && !form_->isUnloaded())
        deliver("a close request", [this] { form_->onCloseRequested(); });
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
    // A backdrop exposed anew has come in front of something: it goes back behind.
    if (form_ && form_->staysBehind() && event->type() == QEvent::Expose)
        QTimer::singleShot(0, this, [this] { lower(); });
    return QWidget::eventFilter(watched, event);
}

bool FormWindow::focusNextPrevChild(bool next) {
    // Qt moves the focus on when the focused control is hidden or disabled: in our order.
    if (!form_ || form_->isUnloaded()) return false;
    return form_->keyboard().step(next);
}

bool FormWindow::event(QEvent* event) {
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
