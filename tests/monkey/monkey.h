#pragma once
// A monkey at the whiteboard: seeded random real input through the window system layer
// (presses, moves and releases of every button, several held together, clicks, double
// clicks, drags that leave the window and come back, keys (Tab, Shift+Tab, arrows, Enter,
// Space, Escape, letters, Ctrl+J and Alt+F4), windows
// closed by the window system), timer ticks between events, and jumps to any screen through
// the registry. Every rule of Invariants is checked after every event. The same seed
// replays the same run: timers tick only when the monkey says so.
#include <QPoint>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <cstdint>
#include <deque>
#include <map>
#include <random>

#include "tests/monkey/invariants.h"

class FakePlatform;

namespace ui {
class Form;
class Control;
}  // namespace ui

namespace monkey {

// Every screen, by the name the registry knows it by.
inline constexpr const char* kScreens[] = {
    "Titlefrm", "intro0",   "Grey",     "menu1",   "menu2",   "menu3",
    "menu4",    "menu5",    "boneslab", "puberty", "healthy", "scramble",
    "magnets",  "magnets2", "circuits", "repro",   "notepad"};

struct Result {
    std::uint64_t seed = 0;
    long events = 0;
    long exits = 0;  // times Exit ended the program, which the monkey then starts again
    QStringList findings;
    std::map<QString, long> shown;  // events after which each screen was on screen
};

class Monkey {
  public:
    Monkey(std::uint64_t seed, FakePlatform& platform);
    ~Monkey();
    // Starts the program on its title screen and sends `events` events.
    Result run(long events);

  private:
    // One user action: a click is a move, a press and a release, each an event.
    void act();
    void click(bool twice);
    void drag();
    void pressOrRelease();
    void moveSomewhere();
    void key();
    void closeAWindow();
    void jump();
    void ticks();

    // The events themselves; each is followed by the checks.
    void moveTo(QPoint at);
    void press(Qt::MouseButton b, QPoint at);
    void release(Qt::MouseButton b, QPoint at);
    void doubleClick(QPoint at);
    void keyClick(Qt::Key key, Qt::KeyboardModifiers mods);
    void closeByWindowSystem(ui::Form& form);
    void tick(ui::Form& form, int timer);
    template <class Send>
    void event(const QString& what, Send send, const ui::Form* closed = nullptr);

    // Where the pointer goes: the window in front mostly, a control of it mostly.
    QWidget* chooseWindow();
    QPoint somewhereIn(QWidget* window, double outside);
    QPoint onAControl(QWidget* window);
    QPoint nearABox(QWidget* window, const ui::Control* word);
    std::vector<ui::Form*> shownForms() const;
    bool ended() const;
    void restartIfEnded();

    int below(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }
    bool chance(double p) { return std::uniform_real_distribution<>(0, 1)(random_) < p; }

    std::mt19937_64 random_;
    FakePlatform& platform_;
    Invariants invariants_;
    Result result_;
    long limit_ = 0;
    // The pointer: the window it is over, where, the buttons held and what they were
    // pressed on (the window system keeps sending to that window until all are up).
    QPointer<QWidget> window_;
    QPoint at_;
    Qt::MouseButtons held_;
    QPointer<QWidget> pressedWindow_;
    QPointer<QWidget> pressedWidget_;
    int endCalls_ = 0;
    std::deque<QString> recent_;  // the last events, told with a finding
};

}  // namespace monkey
