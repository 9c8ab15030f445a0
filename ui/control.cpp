#include "ui/control.h"

#include <QAccessible>

#include "ui/controlwidget.h"
#include "ui/form.h"
#include "ui/twips.h"

namespace ui {

Control::Control(Form& form, QString name, int index, Control* container)
    : form_(form), name_(std::move(name)), index_(index), container_(container) {
    QWidget* parent = container ? container->widget() : form.window();
    widget_ = new ControlWidget(*this, parent);
    widget_->show();
    form_.registerControl(*this);
}

Control::~Control() {
    form_.unregisterControl(*this);
    if (widget_) {
        static_cast<ControlWidget*>(widget_.data())->detach();
        delete widget_.data();
    }
}

void Control::setGeometry(float left, float top, float width, float height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    applyGeometry();
}

void Control::applyGeometry() {
    if (!widget_) return;
    const QRect r = Twips::toPixels(left_, top_, width_, height_, scale());
    widget_->setGeometry(r);
    widget_->update();
}

float Control::scale() const {
    return form_.scale();
}

void Control::refresh() {
    applyGeometry();
}

void Control::setVisible(bool v) {
    visible_ = v;
    if (widget_) widget_->setVisible(v);
}

void Control::setEnabled(bool v) {
    if (enabled_ == v) return;
    enabled_ = v;
    // A disabled widget passes the pointer on to the window beneath, as the layout expects.
    if (widget_) {
        widget_->setEnabled(v);
        widget_->update();
    }
}

void Control::bringToFront() {
    if (widget_) widget_->raise();
}

void Control::sendToBack() {
    if (widget_) widget_->lower();
}

void Control::paint(QPainter&, const QRect&) const {}

void Control::setDescription(QString description) {
    description_ = std::move(description);
    announceNameChange();
}

// Only a control on screen has anything to announce: an assistive tool learns the rest when
// their window appears. Asking first also keeps a screen being built from starting the
// accessibility bridge (and its session bus connection) before its first paint.
bool Control::announcing() const {
    return widget_ && widget_->isVisible() && QAccessible::isActive();
}

void Control::announceNameChange() const {
    if (!announcing()) return;
    QAccessibleEvent event(widget_.data(), QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void Control::announceCheckedChange() const {
    if (!announcing()) return;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(widget_.data(), changed);
    QAccessible::updateAccessibility(&event);
}

void Control::userClick() {
    if (Click) Click();
}

void Control::copyBaseDesign(const Control& from) {
    setGeometry(from.left_, from.top_, from.width_, from.height_);
    setEnabled(from.enabled_);
    tabStop_ = from.tabStop_;
    mayOverhang_ = from.mayOverhang_;
    description_ = from.description_;
}

}  // namespace ui
