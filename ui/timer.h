#pragma once
#include <QTimer>
#include <functional>

namespace ui {

class Form;

// A form's timer. Switching on a timer that is on already leaves its countdown running;
// a one-tick timer stays on until its own handler switches it off.
class Timer {
  public:
    Timer(Form& form, int intervalMs);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    int Interval() const { return interval_; }
    void setInterval(int ms);
    bool Enabled() const { return enabled_; }
    void setEnabled(bool on);

    // Runs one tick now, as the event loop would; for tests and benchmarks.
    void fire();
    // Moves a held timer's own clock on by `ms`: it ticks when its countdown runs out, the
    // countdown starting wherever the real one starts, so a test can check intervals without
    // waiting on the wall clock.
    void advance(int ms);

    // While held, no timer ticks by itself and only fire() moves time on, so that a test
    // driven by a seed replays exactly.
    static void setHeld(bool held) { held_ = held; }
    static bool held() { return held_; }

    std::function<void()> Tick;

  private:
    void start();

    Form& form_;
    QTimer timer_;
    int interval_;
    bool enabled_ = false;
    int countdown_ = 0;  // what is left of the interval on the held clock
    static inline bool held_ = false;
};

}  // namespace ui
