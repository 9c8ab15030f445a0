#pragma once
// Touches on a form's window: each touch point goes, as a pointer of its own with the left
// button, to the control it went down on (or to the window's background) from its press to
// its release, so that several pupils work at once and a tap works beside a held word.
//
// The window takes the touches itself because Qt hands a new point to the widget that holds
// the nearest point when that is an ancestor of the one under it, and the controls of one
// window are all the window's descendants.
#include <QPointF>
#include <QPointer>
#include <QWidget>
#include <map>

class QTouchEvent;

namespace ui {

struct PointerEvent;

class TouchPoints {
  public:
    explicit TouchPoints(QWidget& window) : window_(window) {}
    void handle(const QTouchEvent& event);
    // Every point released where it last was: the touches were taken away.
    void cancel();

  private:
    enum class Phase { Press, Move, Release };
    struct Point {
        int pointer;           // the number the controls know it by
        QPointer<QWidget> to;  // a control's widget, or the window for its background
        QPointF global;        // where it was last
    };
    void send(const Point& p, Phase phase, PointerEvent e) const;
    int freePointer() const;

    QWidget& window_;
    std::map<int, Point> points_;  // by Qt's point id
};

}  // namespace ui
