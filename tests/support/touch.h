#pragma once
// Real touches, through the window system layer, as a touch board sends them.
#include <QPoint>
#include <QPointer>
#include <QWidget>
#include <map>

class QPointingDevice;

namespace ui {
class Control;
}

namespace real {

// The touch screen the tests touch.
QPointingDevice* touchScreen();

// Fingers on one window, in its coordinates. Each call is one touch event, in which the other
// fingers down stay still.
class Fingers {
  public:
    explicit Fingers(QWidget* window) : window_(window) {}
    void press(int finger, QPoint at);
    void move(int finger, QPoint at);
    void release(int finger);
    // Pressed and released where it was pressed.
    void tap(QPoint at, int finger = 9);
    void tap(const ui::Control& c, int finger = 9);
    bool down(int finger) const { return down_.count(finger) != 0; }

  private:
    enum class Step { Press, Move, Release };
    void send(int finger, Step step, QPoint at);

    QPointer<QWidget> window_;
    std::map<int, QPoint> down_;
};

}  // namespace real
