#include "ui/control.h"

#include <QAccessible>

#include "ui/controlwidget.h"
#include "ui/form.h"
#include "ui/platform.h"
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
    const float left = shownAt_ ? static_cast<float>(shownAt_->x()) : left_;
    const float top = shownAt_ ? static_cast<float>(shownAt_->y()) : top_;
    const QRect r = Twips::toPixels(left, top, width_, height_, scale());
    widget_->setGeometry(r);
    widget_->update();
}

float Control::scale() const {
    return form_.scale();
}

void Control::refresh() {
    applyGeometry();
}

void Control::showAt(float left, float top) {
    shownAt_ = QPointF(left, top);
    applyGeometry();
}

void Control::showInPlace() {
    if (!shownAt_) return;
    shownAt_.reset();
    applyGeometry();
}

void Control::setLifted(bool lifted) {
    lifted_ = lifted;
    form_.keyboard().updateRing();
}

void Control::clickAtCentre() {
    if (!widget_ || !enabled_ || !widget_->isVisible() || !acceptsMouse()) return;
    MouseArgs a;
    a.button = 1;
    a.x = width_ / 2;
    a.y = height_ / 2;
    a.formX = left_ + a.x;
    a.formY = top_ + a.y;
    for (const Control* c = container_; c; c = c->container_) {
        a.formX += c->left_;
        a.formY += c->top_;
    }
    // As for the pointer: a handler may unload the form, whose controls live on until the
    // event loop deletes them.
    if (MouseDown) MouseDown(a);
    if (MouseUp) MouseUp(a);
    if (enabled_) userClick();
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
    return widget_ && widget_->isVisible() && platform().assistiveTechnologyActive();
}

void Control::announceNameChange() const {
    if (announcing()) platform().tellAssistiveTechnology(widget_.data(), QAccessible::NameChanged);
}

void Control::announce(const QString& text) {
    announcement_ = text;
    if (announcing())
        platform().tellAssistiveTechnology(widget_.data(), QAccessible::DescriptionChanged);
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
