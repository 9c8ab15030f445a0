#include "ui/controlwidget.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/accessibility.h"
#include "ui/control.h"
#include "ui/eventguard.h"
#include "ui/form.h"
#include "ui/keyboard.h"
#include "ui/mouse.h"

namespace ui {

ControlWidget::ControlWidget(Control& control, QWidget* parent)
    : QWidget(parent), control_(&control) {
    installControlAccessibility();
    setMouseTracking(true);
    setAttribute(Qt::WA_Hover, false);
}

void ControlWidget::activate() {
    if (control_ && control_->Enabled() && control_->Visible() && isVisible())
        deliver("a click", [this] { control_->userClick(); });
}

bool ControlWidget::event(QEvent* event) {
    // Before QWidget's own handling, which would take Tab for Qt's focus chain.
    if (event->type() == QEvent::KeyPress && control_) {
        control_->form().keyboard().keyPressed(static_cast<const QKeyEvent&>(*event));
        return true;
    }
    return QWidget::event(event);
}

void ControlWidget::focusOutEvent(QFocusEvent* event) {
    // What was announced here is told; the control's own description stands again.
    if (control_) control_->clearAnnouncement();
    QWidget::focusOutEvent(event);
}

void ControlWidget::paintEvent(QPaintEvent*) {
    if (!control_) return;
    QPainter painter(this);
    deliver("painting", [&] { control_->paint(painter, rect()); });
}

void ControlWidget::mousePressEvent(QMouseEvent* event) {
    if (!control_ || !control_->acceptsMouse()) return event->ignore();
    pointerPressed(pointerOf(*event));
}

void ControlWidget::mouseMoveEvent(QMouseEvent* event) {
    if (!control_ || !control_->acceptsMouse()) return event->ignore();
    pointerMoved(pointerOf(*event));
}

void ControlWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (!control_ || !control_->acceptsMouse()) return event->ignore();
    pointerReleased(pointerOf(*event));
}

void ControlWidget::pointerPressed(const PointerEvent& e) {
    if (!control_ || control_->form().isUnloaded()) return;
    control_->form().keyboard().pointerPressed(control_);
    if (!control_) return;
    if (e.button == Qt::LeftButton) pressedBy_.insert(e.pointer);
    taps_.pressed(e);
    update();
    MouseArgs args = mouseArgs(e, *this, buttonOf(e.button), control_->scale());
    args.tapping = e.button == Qt::LeftButton;
    if (control_->MouseDown) deliver("a mouse press", [&] { control_->MouseDown(args); });
}

void ControlWidget::pointerMoved(const PointerEvent& e) {
    if (!control_ || control_->form().isUnloaded()) return;
    MouseArgs args = mouseArgs(e, *this, buttonsOf(e.buttons), control_->scale());
    args.tapping = taps_.moved(e);
    if (control_->MouseMove) deliver("a mouse move", [&] { control_->MouseMove(args); });
}

void ControlWidget::pointerReleased(const PointerEvent& e) {
    if (!control_ || control_->form().isUnloaded()) return;
    const bool left = e.button == Qt::LeftButton;
    const bool click = left && pressedBy_.erase(e.pointer) && rect().contains(e.position.toPoint());
    update();
    MouseArgs args = mouseArgs(e, *this, buttonOf(e.button), control_->scale());
    args.tapping = taps_.released(e);
    if (control_->MouseUp) deliver("a mouse release", [&] { control_->MouseUp(args); });
    // The handler may have unloaded the form; its controls live until the event loop
    // deletes them, and a detached widget has no control to click.
    if (click && control_ && control_->Enabled())
        deliver("a click", [this] { control_->userClick(); });
    if (args.tapping && control_ && !control_->form().isUnloaded())
        deliver("a tap", [&] { control_->form().onTap(control_); });
}

}  // namespace ui
