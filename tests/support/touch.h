#pragma once
// Real touches on one window through the window system layer, as a touch board sends them:
// each step is one touch event, in which the other fingers down stay still. Once the window
// has gone, a finger is only forgotten.
#include <QPointer>
#include <QTest>
#include <QWidget>
#include <map>

#include "tests/support/mouse.h"

namespace real {

class Fingers {
  public:
    enum Step { Press, Move, Release };
    explicit Fingers(QWidget* window) : window_(window) {}

    void send(int finger, Step step, QPoint at) {
        static QPointingDevice* const touchScreen = QTest::createTouchDevice();
        if (window_) {
            auto event = QTest::touchEvent(window_, touchScreen, false);
            for (const auto& [other, where] : down_)
                if (other != finger) event.stationary(other);
            if (step == Press) event.press(finger, at, window_);
            if (step == Move) event.move(finger, at, window_);
            if (step == Release) event.release(finger, at, window_);
            event.commit();
        }
        if (step == Release || !window_)
            down_.erase(finger);
        else
            down_[finger] = at;
    }
    void press(int finger, QPoint at) { send(finger, Press, at); }
    void move(int finger, QPoint at) { send(finger, Move, at); }
    void release(int finger) { send(finger, Release, down_[finger]); }
    void tap(const ui::Control& c, int finger = 9) {
        press(finger, centreOf(c));
        release(finger);
    }

  private:
    QPointer<QWidget> window_;
    std::map<int, QPoint> down_;
};

}  // namespace real
