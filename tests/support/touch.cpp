#include "tests/support/touch.h"

#include <QPointingDevice>
#include <QTest>
#include <QWidget>

#include "tests/support/mouse.h"

namespace real {

QPointingDevice* touchScreen() {
    static QPointingDevice* device = QTest::createTouchDevice();
    return device;
}

void Fingers::send(int finger, Step step, QPoint at) {
    if (!window_) {
        down_.erase(finger);
        return;
    }
    auto sequence = QTest::touchEvent(window_, touchScreen(), false);
    for (const auto& [other, where] : down_)
        if (other != finger) sequence.stationary(other);
    if (step == Step::Press) sequence.press(finger, at, window_);
    if (step == Step::Move) sequence.move(finger, at, window_);
    if (step == Step::Release) sequence.release(finger, at, window_);
    sequence.commit();
    if (step == Step::Release)
        down_.erase(finger);
    else
        down_[finger] = at;
}

void Fingers::press(int finger, QPoint at) {
    send(finger, Step::Press, at);
}

void Fingers::move(int finger, QPoint at) {
    send(finger, Step::Move, at);
}

void Fingers::release(int finger) {
    send(finger, Step::Release, down_[finger]);
}

void Fingers::tap(QPoint at, int finger) {
    press(finger, at);
    release(finger);
}

void Fingers::tap(const ui::Control& c, int finger) {
    tap(centreOf(c), finger);
}

}  // namespace real
