// A monkey at the whiteboard: seeded random real input through the window system layer
// (clicks and drags of every button, now and then a second one held or a drag that leaves
// the window and comes back, up to three fingers touching, dragging and tapping at once,
// keys with Ctrl+J, windows closed by the window system), timer
// ticks between events, and jumps to any screen through the registry, with the invariants
// checked after every event. `make test` sends a short run from fixed seeds; a long run takes
// its seeds and length from BRINDLEMARK_MONKEY_SEEDS (comma separated) and
// BRINDLEMARK_MONKEY_EVENTS (per seed). The same seed replays the same run: timers tick only
// when the monkey says so.
#include "tests/monkey/monkey.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTest>
#include <QWindow>
#include <random>
#include <set>

#include "activities/labelling/labellingscreen.h"
#include "app/shellstate.h"
#include "app/titlescreen.h"
#include "jotter/jotter.h"
#include "tests/monkey/invariants.h"
#include "tests/support/screentest.h"
#include "tests/support/touch.h"
#include "ui/formregistry.h"
#include "ui/timer.h"
#include "ui/twips.h"

using namespace ui;

namespace monkey {

namespace {

constexpr int kMaxFindings = 20;  // a fault found once is usually found again at once
constexpr Qt::MouseButton kButtons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
enum Mouse { Move, Press, Release };

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

// The controls that leave a screen: Exit, the exit picture buttons, the title's Exit.
bool isAWayOut(const Form& form, const Control& c) {
    const QString& name = c.name();
    if (form.name() == TitleScreen::Name) return name == "Command2";
    if (form.name() == Jotter::Name) return name == "Command1" || name == "Command9";
    if (dynamic_cast<const ui::Label*>(&c) && name == "Label3") return c.index() == 0;
    return name == "Command1";
}

std::vector<Form*> shownForms() {
    std::vector<Form*> out;
    for (Form* f : forms().loaded())
        if (f->window()->isVisible() && !f->staysBehind()) out.push_back(f);
    return out;
}

struct Result {
    long events = 0;
    long exits = 0;  // times Exit ended the program, which the monkey then starts again
    QStringList findings;
    std::map<QString, long> shown;  // events after which each screen was on screen
};

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
            if (platform_.endCalls != endCalls_) {
                // Exit ended the program: start it again, as the teacher would.
                ++result_.exits;
                start();
            }
            for (const QString& w : qtWarnings)
                result_.findings << QString("event %1: %2").arg(result_.events).arg(w);
            qtWarnings.clear();
        }
        limit_ = result_.events + 3;  // the last releases, not counted
        releaseHeld();
        result_.events = limit_ - 3;
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
        ShellState::reset();
        forms().show<TitleScreen>();
        QCoreApplication::processEvents();
        releaseHeld();
    }

    // Qt must hear of every release, or it would take the buttons as held from then on.
    // A release may close the window (a click on Exit): the next goes to another one.
    void releaseHeld(QWidget* given = nullptr, QPoint at = {1, 1}) {
        QPointer<QWidget> window(given);
        for (Qt::MouseButton b : kButtons) {
            if (!(held_ & b)) continue;
            const std::vector<Form*> shown = shownForms();
            if (!window && !shown.empty()) window = shown.front()->window();
            mouse(window, Release, b, at);
        }
    }

    // One user action; each of its events is followed by the checks.
    void act() {
        const std::vector<Form*> shown = shownForms();
        if (shown.empty()) return;
        // Mostly the window shown last, which is the one in front.
        const auto earlier = [](Form* a, Form* b) { return a->shownOrder() < b->shownOrder(); };
        Form& form = chance(0.65) ? **std::max_element(shown.begin(), shown.end(), earlier)
                                  : *shown[below(static_cast<int>(shown.size()))];
        // In front of a labelling screen, pupils mostly drag words.
        const int r = dynamic_cast<LabellingScreen*>(&form) && chance(0.5) ? 0 : below(1000);
        if (r < 300) return drag(form);
        if (r < 400) return touches(form);
        if (r < 750) {
            // A click, mostly with the left button, mostly on a control that takes clicks.
            const QPoint at = somewhereIn(form, true);
            return drag(form, at, at, chance(0.85) ? Qt::LeftButton : kButtons[1 + below(2)]);
        }
        if (r < 800) {
            // Ctrl+J mostly, else a key a pupil or teacher might press.
            const Qt::Key keys[] = {Qt::Key_Escape, Qt::Key_Return,  Qt::Key_Enter, Qt::Key_Space,
                                    Qt::Key_Tab,    Qt::Key_Backtab, Qt::Key_Left,  Qt::Key_Right,
                                    Qt::Key_Up,     Qt::Key_Down,    Qt::Key_A,     Qt::Key_F4};
            const bool ctrlJ = chance(0.5);
            const Qt::Key key = ctrlJ ? Qt::Key_J : keys[below(std::size(keys))];
            const auto mods = ctrlJ         ? Qt::ControlModifier
                              : chance(0.3) ? Qt::AltModifier
                                            : Qt::NoModifier;
            QWindow* to = QGuiApplication::focusWindow() ? QGuiApplication::focusWindow()
                                                         : form.window()->windowHandle();
            event(QString("key %1 %2").arg(int(key)).arg(int(mods)),
                  [&] { QTest::keyClick(to, key, mods); });
            return;
        }
        if (r < 820) {
            // A window manager's close: the window system's close event, as for the title bar.
            QWindow* handle = form.window()->windowHandle();
            event(
                "window system closes " + form.name(), [&] { handle->close(); }, &form);
            return;
        }
        if (r < 860) {
            const QString name = kScreens[below(std::size(kScreens))];
            event("jump to " + name, [&] { forms().show(name); });
            return;
        }
        ticks();
    }

    // Where a drag starts and ends: on a labelling screen mostly a word not yet on a box, to
    // about the edges of a box's zone.
    std::pair<QPoint, QPoint> dragEnds(Form& form) {
        QPoint from = somewhereIn(form, true), to = somewhereIn(form, false);
        if (auto* screen = dynamic_cast<LabellingScreen*>(&form); screen && chance(0.8)) {
            const int n = screen->wordCount();
            const auto placed = [&](int i) {
                for (int t = 0; t < n; ++t)
                    if (screen->isOn(i, t)) return true;
                return false;
            };
            int word = below(n);
            for (int tries = 0; tries < 8 && placed(word); ++tries) word = below(n);
            const QWidget* w = screen->words(word).widget();
            from = w->mapTo(form.window(), w->rect().center());
            const Label& box = chance(0.85) ? screen->targets(below(n)) : screen->homes(below(n));
            const float dx = (-0.2f + 1.9f * below(1000) / 1000.0f) * box.Width();
            const float dy = (-0.2f + 1.9f * below(1000) / 1000.0f) * box.Height();
            to = {Twips::toPixels(box.Left() + dx), Twips::toPixels(box.Top() + dy)};
        }
        return {from, to};
    }

    // Press, move in a few steps (now and then off the window and back) and release.
    void drag(Form& form) {
        const auto [from, to] = dragEnds(form);
        drag(form, from, to, chance(0.9) ? Qt::LeftButton : kButtons[1 + below(2)]);
    }

    // One to three fingers on the window at once, in turns: each presses, moves a few steps
    // (or none: a tap) and lets go. Each has a number of its own, so that one left on a window
    // that has gone never comes back.
    void touches(Form& form) {
        struct Finger {
            int id;
            QPoint from, to;
            int steps, done = -1;  // -1 before its press
        };
        real::Fingers hands(form.window());
        const QPointer<QWidget> window(form.window());
        std::vector<Finger> fingers;
        for (int k = 1 + below(3); k > 0; --k) {
            const auto [from, to] = dragEnds(form);
            const bool tap = chance(0.35);  // on a word, or about a box
            fingers.push_back(
                {nextFinger_++, tap && chance(0.5) ? to : from, to, tap ? 0 : 1 + below(3)});
        }
        while (!fingers.empty()) {
            const auto f = fingers.begin() + below(static_cast<int>(fingers.size()));
            const auto step = f->done < 0          ? real::Fingers::Press
                              : f->done < f->steps ? real::Fingers::Move
                                                   : real::Fingers::Release;
            const QPoint at = step == real::Fingers::Move
                                  ? f->from + (f->to - f->from) * (f->done + 1) / f->steps
                              : step == real::Fingers::Release && f->steps ? f->to
                                                                           : f->from;
            if (step == real::Fingers::Press && window) fingerWidgets_[f->id] = window->childAt(at);
            event(
                QString::asprintf("finger %d step %d at (%d,%d)", f->id, step, at.x(), at.y()),
                [&] { hands.send(f->id, step, at); }, nullptr, true);
            if (step == real::Fingers::Release) {
                fingerWidgets_.erase(f->id);
                fingers.erase(f);
            } else {
                ++f->done;
            }
        }
    }

    void drag(Form& form, QPoint from, QPoint to, Qt::MouseButton button) {
        const QPointer<QWidget> window(form.window());
        mouse(window, Move, Qt::NoButton, from);
        mouse(window, Press, button, from);
        const int steps = below(6);
        for (int i = 1; i <= steps && window; ++i) {
            const bool off = i < steps && chance(0.15);
            mouse(window, Move, Qt::NoButton,
                  off ? QPoint(-1 - below(80), from.y()) : from + (to - from) * i / steps);
            if (chance(0.03)) mouse(window, Press, Qt::RightButton, to);  // a second hand
            if (chance(0.03)) ticks();
        }
        // The window system sends the releases to the window pressed on, or, once it has
        // gone, wherever the pointer is.
        releaseHeld(window && window->isVisible() ? window.data() : nullptr, to);
    }

    // Each running timer ticks a few times, as time passes between two events.
    void ticks() {
        for (int round = 1 + below(12); round > 0; --round)
            for (const char* name : kScreens)
                // The screen is found afresh at each tick: a tick may close it.
                for (int t = 0; forms().find(name) && t < int(forms().find(name)->timers().size());
                     ++t)
                    if (Timer* timer = forms().find(name)->timers()[t]; timer->Enabled())
                        event(QString("tick %1 timer %2").arg(name).arg(t), [&] { timer->fire(); });
    }

    void mouse(QWidget* window, Mouse what, Qt::MouseButton b, QPoint at) {
        if (!window || !window->isVisible() || (what == Press && (held_ & b))) return;
        if (what == Press && !held_) pressedWidget_ = window->childAt(at);
        QWindow* handle = window->windowHandle();
        const auto mods = chance(0.1) ? Qt::ShiftModifier : Qt::NoModifier;
        const bool sent = event(QString::asprintf("mouse %d button %d at %s (%d,%d)", what, int(b),
                                                  qPrintable(window->objectName()), at.x(), at.y()),
                                [&] {
                                    if (what == Move) QTest::mouseMove(handle, at);
                                    if (what == Press) QTest::mousePress(handle, b, mods, at);
                                    if (what == Release)
                                        QTest::mouseRelease(handle, b, Qt::NoModifier, at);
                                });
        // The buttons held are those Qt has heard go down and not yet up. While one is down,
        // the word pressed on may move under the pointer, releases included (Qt moves it first
        // when the release comes from elsewhere).
        if (sent && what == Press) held_ |= b;
        if (sent && what == Release) held_ &= ~b;
        if (!held_) pressedWidget_ = nullptr;
    }

    // Sends one event, then checks the invariants; false once the run is over or the program
    // has ended, when nothing more reaches it.
    // A finger's event is sent even then, uncounted and unchecked, so that Qt hears of
    // every finger lifted.
    template <class Send>
    bool event(const QString& what, Send send, const Form* closed = nullptr, bool finger = false) {
        const bool over = result_.events >= limit_ || platform_.endCalls != endCalls_;
        if (over && !finger) return false;
        if (!over) invariants_.before();
        send();
        QCoreApplication::processEvents();
        if (over) return true;
        ++result_.events;
        if (platform_.endCalls != endCalls_) return true;
        for (const Form* f : forms().loaded())
            if (f->window()->isVisible()) ++result_.shown[f->name()];
        QStringList found;
        std::vector<const QWidget*> holding;
        if (held_) holding.push_back(pressedWidget_.data());
        for (const auto& [id, w] : fingerWidgets_) holding.push_back(w.data());
        invariants_.after(found, holding, closed);
        for (const QString& f : found)
            result_.findings << QString("event %1 (%2): %3").arg(result_.events).arg(what, f);
        return true;
    }

    // Mostly a control that takes clicks, else anywhere in the window. The ways out are
    // found, but not at every other click, so that screens get played.
    QPoint somewhereIn(const Form& form, bool onAControl) {
        const QWidget* window = form.window();
        std::vector<const QWidget*> targets;
        const bool spareExit = chance(0.8);
        for (const Control* c : form.controls())
            if (c->widget() && c->widget()->isVisibleTo(window) && c->listened() &&
                !(spareExit && isAWayOut(form, *c)))
                targets.push_back(c->widget());
        if (!onAControl || targets.empty() || chance(0.2))
            return {1 + below(std::max(1, window->width() - 2)),
                    1 + below(std::max(1, window->height() - 2))};
        const QWidget* w = targets[below(static_cast<int>(targets.size()))];
        const QRect r(w->mapTo(window, QPoint(0, 0)), w->size());
        return {r.left() + below(std::max(1, r.width())), r.top() + below(std::max(1, r.height()))};
    }

    int below(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }
    bool chance(double p) { return std::uniform_real_distribution<>(0, 1)(random_) < p; }

    std::mt19937_64 random_;
    FakePlatform& platform_;
    Invariants invariants_;
    Result result_;
    long limit_ = 0;
    int endCalls_ = 0;
    Qt::MouseButtons held_;
    QPointer<QWidget> pressedWidget_;  // what the held buttons went down on
    int nextFinger_ = 0;
    std::map<int, QPointer<QWidget>> fingerWidgets_;  // what each went down on
};

class SeededPlatform : public FakePlatform {
  public:
    explicit SeededPlatform(std::uint64_t seed) : random_(seed) {}
    double rnd() override { return std::uniform_real_distribution<>(0, 1)(random_); }

  private:
    std::mt19937_64 random_;
};

}  // namespace

}  // namespace monkey

using MonkeyTest = ScreenTest;

TEST_F(MonkeyTest, NoRuleBreaksWhateverThePupilsDo) {
    const QByteArray seeds = qgetenv("BRINDLEMARK_MONKEY_SEEDS");
    const QByteArray events = qgetenv("BRINDLEMARK_MONKEY_EVENTS");
    const long perSeed = events.isEmpty() ? 10000 : events.toLong();
    std::set<QString> reached;  // over all seeds: the activity files share the menus' clicks
    for (const QByteArray& given : seeds.isEmpty() ? QByteArrayList{"1", "2"} : seeds.split(',')) {
        const std::uint64_t seed = given.trimmed().toULongLong();
        auto platform = std::make_unique<monkey::SeededPlatform>(seed);
        monkey::Monkey monkey(seed, *platform);
        auto previous = ui::installPlatform(std::move(platform));
        QElapsedTimer clock;  // only told, never checked
        clock.start();
        const monkey::Result r = monkey.run(perSeed);
        ui::installPlatform(std::move(previous));
        std::printf("monkey: seed %llu, %ld events, %ld exits, %lld findings, %.1f s\n",
                    static_cast<unsigned long long>(seed), r.events, r.exits,
                    static_cast<long long>(r.findings.size()), clock.elapsed() / 1000.0);
        std::fflush(stdout);
        for (const auto& [name, count] : r.shown) reached.insert(name);
        for (const QString& f : r.findings)
            ADD_FAILURE() << "seed " << seed << ", " << f.toStdString();
        EXPECT_EQ(r.events, perSeed) << "seed " << seed;
    }
    for (const char* name : monkey::kScreens) EXPECT_TRUE(reached.count(name)) << name;
}
