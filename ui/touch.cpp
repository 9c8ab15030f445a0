#include "ui/touch.h"

#include <QTouchEvent>

#include "ui/control.h"
#include "ui/controlwidget.h"
#include "ui/formwindow.h"
#include "ui/mouse.h"

namespace ui {

namespace {

// The widget that takes a press here, as Qt finds it for the mouse: the innermost enabled
// control that takes the pointer, else the window's background.
QWidget* pressedAt(QWidget& window, QPointF global) {
    for (QWidget* w = window.childAt(window.mapFromGlobal(global).toPoint()); w && w != &window;
         w = w->parentWidget()) {
        const auto* cw = dynamic_cast<ControlWidget*>(w);
        if (cw && cw->control() && cw->control()->acceptsMouse() && cw->isEnabled()) return w;
    }
    return &window;
}

}  // namespace

int TouchPoints::freePointer() const {
    for (int n = 1;; ++n) {
        bool taken = false;
        for (const auto& [id, p] : points_) taken = taken || p.pointer == n;
        if (!taken) return n;
    }
}

void TouchPoints::send(const Point& p, Phase phase, PointerEvent e) const {
    if (!p.to) return;
    e.pointer = p.pointer;
    e.button = phase == Phase::Move ? Qt::NoButton : Qt::LeftButton;
    e.buttons = phase == Phase::Release ? Qt::NoButton : Qt::LeftButton;
    e.position = p.to->mapFromGlobal(e.global);
    if (auto* cw = dynamic_cast<ControlWidget*>(p.to.data())) {
        if (phase == Phase::Press) cw->pointerPressed(e);
        if (phase == Phase::Move) cw->pointerMoved(e);
        if (phase == Phase::Release) cw->pointerReleased(e);
    } else if (auto* fw = dynamic_cast<FormWindow*>(p.to.data())) {
        if (phase == Phase::Press) fw->pointerPressed(e);
        if (phase == Phase::Move) fw->pointerMoved(e);
        if (phase == Phase::Release) fw->pointerReleased(e);
    }
}

void TouchPoints::handle(const QTouchEvent& event) {
    for (const QEventPoint& point : event.points()) {
        PointerEvent e;
        e.modifiers = event.modifiers();
        e.global = point.globalPosition();
        const auto it = points_.find(point.id());
        switch (point.state()) {
            case QEventPoint::Pressed: {
                if (it != points_.end()) break;  // known already
                const Point p{freePointer(), pressedAt(window_, e.global), e.global};
                points_[point.id()] = p;
                send(p, Phase::Press, e);
                break;
            }
            case QEventPoint::Updated:
                if (it == points_.end()) break;
                it->second.global = e.global;
                send(Point(it->second), Phase::Move, e);
                break;
            case QEventPoint::Released: {
                if (it == points_.end()) break;
                const Point p = it->second;
                points_.erase(it);
                send(p, Phase::Release, e);
                break;
            }
            default:
                break;
        }
    }
}

void TouchPoints::cancel() {
    const std::map<int, Point> points = std::move(points_);
    points_.clear();
    for (const auto& [id, p] : points) {
        PointerEvent e;
        e.global = p.global;
        send(p, Phase::Release, e);
    }
}

}  // namespace ui
