#include "tests/monkey/monkey.h"

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QWindow>
#include <deque>
#include <random>

#include "activities/labelling/labellingscreen.h"
#include "app/titlescreen.h"
#include "tests/monkey/invariants.h"
#include "tests/support/fakeplatform.h"
#include "ui/formregistry.h"
#include "ui/programstate.h"
#include "ui/timer.h"
#include "ui/twips.h"

using namespace ui;

namespace monkey {

namespace {

constexpr int kMaxFindings = 20;  // a fault found once is usually found again at once
constexpr Qt::MouseButton kButtons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
enum Mouse { Move, Press, Release, DoubleClick };

// Qt's own warnings are findings too, but for the test library's note on a pointer sent
// outside a window on purpose and the headless platform's notes on what it cannot do.
QStringList* warnings = nullptr;
QtMessageHandler previousHandler = nullptr;

void collectWarnings(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (warnings && type != QtDebugMsg && type != QtInfoMsg &&
        !text.contains("occurs outside target window") &&
        !text.startsWith("This plugin does not support"))
        *warnings << "Qt says: " + text;
    if (type == QtFatalMsg && previousHandler) previousHandler(type, context, text);
}

Form* formOf(const QWidget* window) {
    for (Form* f : forms().loaded())
        if (f->window() == window) return f;
    return nullptr;
}

std::vector<Form*> shownForms() {
    std::vector<Form*> out;
    for (Form* f : forms().loaded())
        if (f->window()->isVisible() && !f->staysBehind()) out.push_back(f);
    return out;
}

class Monkey {
  public:
    Monkey(std::uint64_t seed, FakePlatform& platform) : random_(seed), platform_(platform) {}

    Result run(long events) {
        limit_ = events;
        QStringList qtWarnings;
        warnings = &qtWarnings;
        previousHandler = qInstallMessageHandler(collectWarnings);
        Timer::setHeld(true);
        start();
        while (result_.events < limit_ && result_.findings.size() < kMaxFindings) {
            act();
            if (ended()) {
                // Exit ended the program: start it again, as the teacher would.
                ++result_.exits;
                start();
                for (Qt::MouseButton b : kButtons)
                    if (held_ & b) mouse(Release, b, at_);
            }
            for (const QString& w : qtWarnings)
                result_.findings << QString("event %1: %2").arg(result_.events).arg(w);
            qtWarnings.clear();
        }
        // Leave no button held for whatever runs next; these releases are not counted.
        const long counted = result_.events;
        limit_ = counted + 3;
        for (Qt::MouseButton b : kButtons)
            if (held_ & b) mouse(Release, b, at_);
        result_.events = counted;
        Timer::setHeld(false);
        forms().clear();
        QCoreApplication::processEvents();
        qInstallMessageHandler(previousHandler);
        warnings = nullptr;
        return result_;
    }

  private:
    void start() {
        endCalls_ = platform_.endCalls;
        forms().clear();
        QCoreApplication::processEvents();
        ProgramState::reset();
        window_ = forms().show<TitleScreen>().window();
        QCoreApplication::processEvents();
    }

    // One user action: a click is a move, a press and a release, each an event.
    void act() {
        // In front of a labelling screen, pupils mostly drag words.
        QWidget* front = chooseWindow();
        if (front && dynamic_cast<LabellingScreen*>(formOf(front)) && chance(0.35)) return drag();
        const int r = below(1000);
        if (!held_ || !pressedWindow_) window_ = chooseWindow();
        if (!window_) return;
        if (r < 280) {
            const QPoint at = chance(0.9) ? onAControl(window_) : somewhereIn(window_, 0);
            mouse(Move, Qt::NoButton, at);
            // With buttons already down this is the two-handed case: the press goes where
            // the held ones went.
            if (r < 30 && !held_) return mouse(DoubleClick, Qt::LeftButton, at);
            mouse(Press, Qt::LeftButton, at);
            return mouse(Release, Qt::LeftButton, at);
        }
        if (r < 420) return drag();
        const QPoint at = chance(0.5) ? onAControl(window_) : somewhereIn(window_, 0.1);
        if (r < 560) {
            // A button goes down or up, where the pointer is or elsewhere.
            const Qt::MouseButton b = kButtons[below(3)];
            return mouse((held_ & b) ? Release : Press, b, chance(0.5) ? at_ : at);
        }
        if (r < 680) return mouse(Move, Qt::NoButton, at);
        if (r < 730) return key();
        const std::vector<Form*> shown = shownForms();
        if (r < 745 && !shown.empty())
            return closeByWindowSystem(*shown[below(static_cast<int>(shown.size()))]);
        if (r < 760) {
            const QString name = kScreens[below(std::size(kScreens))];
            event("jump to " + name, [&] { forms().show(name); });
            return;
        }
        ticks();
    }

    void drag() {
        QWidget* window = chooseWindow();
        if (!window) return;
        window_ = window;
        auto* screen = dynamic_cast<LabellingScreen*>(formOf(window));
        QPoint from = chance(0.7) ? onAControl(window) : somewhereIn(window, 0);
        QPoint to = somewhereIn(window, 0.1);
        if (screen && chance(0.7)) {
            // Mostly a word not yet on a box, as pupils finish the task, to about the edges
            // of a box's zone (half a box before, one box after).
            const int n = screen->wordCount();
            const auto placed = [&](int i) {
                for (int t = 0; t < n; ++t)
                    if (screen->isOn(i, t)) return true;
                return false;
            };
            int word = below(n);
            for (int tries = 0; tries < 8 && placed(word); ++tries) word = below(n);
            const QWidget* w = screen->words(word).widget();
            from = w->mapTo(window, w->rect().center());
            const Label& box = chance(0.85) ? screen->targets(below(n)) : screen->homes(below(n));
            const float dx = (-0.2f + 1.9f * below(1000) / 1000.0f) * box.Width();
            const float dy = (-0.2f + 1.9f * below(1000) / 1000.0f) * box.Height();
            if (chance(0.7))
                to = {Twips::toPixels(box.Left() + dx), Twips::toPixels(box.Top() + dy)};
        }
        const Qt::MouseButton button = chance(0.85) ? Qt::LeftButton : kButtons[1 + below(2)];
        // A key or a tick on the way may close the window.
        const QPointer<QWidget> alive(window);
        mouse(Move, Qt::NoButton, from);
        mouse(Press, button, from);
        const int steps = 1 + below(10);
        for (int i = 1; i <= steps && held_; ++i) {
            QPoint p = from + (to - from) * i / steps;
            if (i < steps && alive && chance(0.15)) p = somewhereIn(alive, 1.0);  // off and back
            mouse(Move, Qt::NoButton, p);
            if (chance(0.03)) mouse(Press, Qt::RightButton, p);  // a second hand on the board
            if (chance(0.02)) key();
            if (chance(0.05)) ticks();
        }
        for (Qt::MouseButton b : {Qt::RightButton, Qt::LeftButton, Qt::MiddleButton})
            if (held_ & b) mouse(Release, b, to);
    }

    // Ctrl+J mostly, else a key a pupil or teacher might press, with or without a modifier.
    void key() {
        const Qt::Key keys[] = {Qt::Key_J,   Qt::Key_Space, Qt::Key_Return, Qt::Key_Escape,
                                Qt::Key_Tab, Qt::Key_Left,  Qt::Key_Up,     Qt::Key_A,
                                Qt::Key_F4,  Qt::Key_F1,    Qt::Key_Delete, Qt::Key_Backspace};
        const Qt::KeyboardModifier mods[] = {Qt::ControlModifier, Qt::NoModifier, Qt::ShiftModifier,
                                             Qt::AltModifier};
        const bool ctrlJ = chance(0.35);
        keyClick(ctrlJ ? Qt::Key_J : keys[below(std::size(keys))],
                 ctrlJ ? mods[0] : mods[below(4)]);
    }

    // Each running timer ticks a few times, as time passes between two events.
    void ticks() {
        const int rounds = 1 + below(12);
        for (int round = 0; round < rounds; ++round)
            for (const char* name : kScreens)
                // The screen is found afresh at each tick: a tick may close it.
                for (int t = 0; forms().find(name) && t < int(forms().find(name)->timers().size());
                     ++t)
                    if (Timer* timer = forms().find(name)->timers()[t]; timer->Enabled())
                        event(QString("tick %1 timer %2").arg(name).arg(t), [&] { timer->fire(); });
    }

    // Sends one event, then checks the invariants.
    template <class Send>
    bool event(const QString& what, Send send, const Form* closed = nullptr) {
        // Once Exit has ended the program nothing reaches it until it is started again.
        if (result_.events >= limit_ || ended()) return false;
        invariants_.before();
        send();
        QCoreApplication::processEvents();
        ++result_.events;
        recent_.push_back(QString("%1 %2").arg(result_.events).arg(what));
        if (recent_.size() > 12) recent_.pop_front();
        if (ended()) return true;
        for (const Form* f : forms().loaded())
            if (f->window()->isVisible()) ++result_.shown[f->name()];
        QStringList found;
        invariants_.after(found, held_ ? pressedWidget_.data() : nullptr, closed);
        const QStringList trail(recent_.begin(), recent_.end());
        for (const QString& f : found)
            result_.findings << QString("event %1: %2\n    after: %3")
                                    .arg(result_.events)
                                    .arg(f, trail.join("\n           "));
        return true;
    }

    // A mouse event as the window system sends it: to the window that holds the pressed
    // buttons while any is down, else to the window under the pointer.
    void mouse(Mouse what, Qt::MouseButton b, QPoint at) {
        QWidget* window = held_ && pressedWindow_ && pressedWindow_->isVisible()
                              ? pressedWindow_.data()
                              : window_.data();
        // Qt must hear of every release, even when the window pressed on has gone.
        if (what == Release && (!window || !window->isVisible())) window = chooseWindow();
        if (!window || !window->isVisible() || (what == Press && (held_ & b))) return;
        if (what == Press && !held_) {
            // A first button goes down only on the window under the pointer.
            if (!window->rect().contains(at)) at = somewhereIn(window, 0);
            pressedWindow_ = window;
            pressedWidget_ = window->childAt(at);
        }
        QWindow* handle = window->windowHandle();
        const auto mods = chance(0.1) ? Qt::ShiftModifier : Qt::NoModifier;
        const char* names[] = {"move", "press", "release", "double click"};
        const bool sent = event(
            QString::asprintf("%s %d held %d at %s (%d,%d)", names[what], int(b), held_.toInt(),
                              qPrintable(window->objectName()), at.x(), at.y()),
            [&] {
                if (what == Move) QTest::mouseMove(handle, at);
                if (what == Press) QTest::mousePress(handle, b, mods, at);
                if (what == Release) QTest::mouseRelease(handle, b, Qt::NoModifier, at);
                if (what == DoubleClick) QTest::mouseDClick(handle, b, Qt::NoModifier, at);
            });
        // The buttons held are those Qt has heard go down and not yet up: a release it did not
        // hear is sent again later. While one is down, its word may move under the pointer
        // (Qt moves it first when a release comes from elsewhere).
        if (sent && what == Press) held_ |= b;
        if (sent && what == Release) held_ &= ~b;
        if (!held_) pressedWidget_ = nullptr;
        at_ = at;
    }

    void keyClick(Qt::Key key, Qt::KeyboardModifier mods) {
        QWindow* focus = QGuiApplication::focusWindow();
        QWidget* window = chooseWindow();
        QWindow* to = focus && focus->isVisible() ? focus
                      : window                    ? window->windowHandle()
                                                  : nullptr;
        if (to)
            event(
                QString::asprintf("key %s mods %d to %s", qPrintable(QKeySequence(key).toString()),
                                  int(mods), qPrintable(to->objectName())),
                [&] { QTest::keyClick(to, key, mods); });
    }

    // A window manager's close: the window system's close event, as for the title bar.
    void closeByWindowSystem(Form& form) {
        if (QWindow* handle = form.window()->windowHandle())
            event(
                "window system closes " + form.name(), [&] { handle->close(); }, &form);
    }

    // Mostly the window shown last, which is the one in front.
    QWidget* chooseWindow() {
        const std::vector<Form*> shown = shownForms();
        if (shown.empty()) return nullptr;
        const auto earlier = [](Form* a, Form* b) { return a->shownOrder() < b->shownOrder(); };
        return (chance(0.65) ? *std::max_element(shown.begin(), shown.end(), earlier)
                             : shown[below(static_cast<int>(shown.size()))])
            ->window();
    }

    QPoint somewhereIn(QWidget* window, double outside) {
        const int w = window->width(), h = window->height();
        if (!chance(outside)) return {1 + below(std::max(1, w - 2)), 1 + below(std::max(1, h - 2))};
        // Past an edge by up to 80 pixels, as a drag across the board does.
        const int x = -80 + below(w + 160), y = -80 + below(h + 160);
        return chance(0.5) ? QPoint(chance(0.5) ? -1 - below(80) : w + below(80), y)
                           : QPoint(x, chance(0.5) ? -1 - below(80) : h + below(80));
    }

    // Mostly a control that takes clicks.
    QPoint onAControl(QWidget* window) {
        const Form* form = formOf(window);
        if (!form) return somewhereIn(window, 0);
        std::vector<const Control*> targets;
        const bool buttonsOnly = chance(0.8);
        for (const Control* c : form->controls())
            if (c->widget() && c->widget()->isVisibleTo(window) && (!buttonsOnly || c->listened()))
                targets.push_back(c);
        if (targets.empty()) return somewhereIn(window, 0);
        const QWidget* w = targets[below(static_cast<int>(targets.size()))]->widget();
        const QRect r(w->mapTo(window, QPoint(0, 0)), w->size());
        if (r.width() < 3 || r.height() < 3) return r.center();
        return {r.left() + 1 + below(r.width() - 2), r.top() + 1 + below(r.height() - 2)};
    }

    bool ended() const { return platform_.endCalls != endCalls_; }
    int below(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }
    bool chance(double p) { return std::uniform_real_distribution<>(0, 1)(random_) < p; }

    std::mt19937_64 random_;
    FakePlatform& platform_;
    Invariants invariants_;
    Result result_;
    long limit_ = 0;
    int endCalls_ = 0;
    // The pointer: the window it is over, where, the buttons held and what they were
    // pressed on (the window system keeps sending to that window until all are up).
    QPointer<QWidget> window_;
    QPoint at_;
    Qt::MouseButtons held_;
    QPointer<QWidget> pressedWindow_;
    QPointer<QWidget> pressedWidget_;
    std::deque<QString> recent_;  // the last events, told with a finding
};

}  // namespace

Result run(std::uint64_t seed, FakePlatform& platform, long events) {
    return Monkey(seed, platform).run(events);
}

}  // namespace monkey
