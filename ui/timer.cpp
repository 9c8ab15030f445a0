#include "ui/timer.h"

#include "ui/eventguard.h"
#include "ui/form.h"

namespace ui {

Timer::Timer(Form& form, int intervalMs) : form_(form), interval_(intervalMs) {
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        if (!held_) deliver("a timer tick", [this] { fire(); });
    });
    form_.registerTimer(*this);
}

Timer::~Timer() {
    form_.unregisterTimer(*this);
}

void Timer::setInterval(int ms) {
    interval_ = ms;
    if (enabled_) start();
}

void Timer::setEnabled(bool on) {
    if (on == enabled_) return;
    enabled_ = on;
    if (on && interval_ > 0)
        start();
    else
        timer_.stop();
}

void Timer::start() {
    countdown_ = interval_;
    timer_.start(interval_);
}

void Timer::advance(int ms) {
    if (!enabled_ || interval_ <= 0) return;
    countdown_ -= ms;
    if (countdown_ > 0) return;
    countdown_ = interval_;
    fire();
}

void Timer::fire() {
    if (enabled_ && Tick && !form_.isUnloaded()) Tick();
}

}  // namespace ui
