#include "ui/controlwidget.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/accessibility.h"
#include "ui/control.h"
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
        control_->userClick();
}

void ControlWidget::paintEvent(QPaintEvent*) {
    if (!control_) return;
    QPainter painter(this);
    control_->paint(painter, rect());
}

void ControlWidget::mousePressEvent(QMouseEvent* event) {
    if (!control_ || !control_->acceptsMouse()) return event->ignore();
    pressed_ = event->button() == Qt::LeftButton;
    update();
    const MouseArgs args = mouseArgs(*event, *this, buttonOf(event->button()), control_->scale());
    if (control_->MouseDown) control_->MouseDown(args);
}

void ControlWidget::mouseMoveEvent(QMouseEvent* event) {
    if (!control_ || !control_->acceptsMouse()) return event->ignore();
    const MouseArgs args = mouseArgs(*event, *this, buttonsOf(event->buttons()), control_->scale());
    if (control_->MouseMove) control_->MouseMove(args);
}

void ControlWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (!control_ || !control_->acceptsMouse()) return event->ignore();
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton) pressed_ = false;
    update();
    const MouseArgs args = mouseArgs(*event, *this, buttonOf(event->button()), control_->scale());
    if (control_->MouseUp) control_->MouseUp(args);
    // The handler may have unloaded the form; its controls live until the event loop
    // deletes them, and a detached widget has no control to click.
    if (click && control_ && control_->Enabled()) control_->userClick();
}

}  // namespace ui
