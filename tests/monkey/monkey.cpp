#include "tests/monkey/monkey.h"

#include <QApplication>
#include <QTest>
#include <QWindow>
#include <algorithm>

#include "activities/labelling/labellingscreen.h"
#include "app/titlescreen.h"
#include "jotter/jotter.h"
#include "tests/support/fakeplatform.h"
#include "ui/formregistry.h"
#include "ui/programstate.h"
#include "ui/timer.h"
#include "ui/twips.h"

using namespace ui;

namespace monkey {

namespace {

constexpr int kMaxFindings = 20;  // a fault found once is usually found again at once

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

Form* formOf(const QWidget* window) {
    for (Form* f : forms().loaded())
        if (f->window() == window) return f;
    return nullptr;
}

QString describe(Qt::MouseButtons b) {
    QString s;
    if (b & Qt::LeftButton) s += "L";
    if (b & Qt::RightButton) s += "R";
    if (b & Qt::MiddleButton) s += "M";
    return s.isEmpty() ? "-" : s;
}

QString placeIn(const QWidget* w, QPoint at) {
    return QString("%1 (%2,%3)").arg(w ? w->objectName() : "?").arg(at.x()).arg(at.y());
}

}  // namespace

Monkey::Monkey(std::uint64_t seed, FakePlatform& platform) : random_(seed), platform_(platform) {
    result_.seed = seed;
}

Monkey::~Monkey() = default;

Result Monkey::run(long events) {
    limit_ = events;
    QStringList qtWarnings;
    warnings = &qtWarnings;
    previousHandler = qInstallMessageHandler(collectWarnings);
    Timer::setHeld(true);

    forms().clear();
    ProgramState::reset();
    forms().show<TitleScreen>();
    QCoreApplication::processEvents();
    endCalls_ = platform_.endCalls;
    while (result_.events < limit_ && result_.findings.size() < kMaxFindings) {
        act();
        restartIfEnded();
        for (const QString& w : qtWarnings)
            result_.findings << QString("event %1: %2").arg(result_.events).arg(w);
        qtWarnings.clear();
    }
    // Leave no button held for whatever runs next.
    for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
        if (held_ & b) {
            QWidget* w = pressedWindow_ ? pressedWindow_.data() : chooseWindow();
            if (w) QTest::mouseRelease(w->windowHandle(), b, Qt::NoModifier, at_);
        }
    Timer::setHeld(false);
    forms().clear();
    QCoreApplication::processEvents();
    qInstallMessageHandler(previousHandler);
    warnings = nullptr;
    return result_;
}

// ---- actions --------------------------------------------------------------------------------

void Monkey::act() {
    // In front of a labelling screen, pupils mostly drag words.
    QWidget* front = chooseWindow();
    if (front && dynamic_cast<LabellingScreen*>(formOf(front)) && chance(0.35)) return drag();
    const int r = below(1000);
    if (r < 250)
        click(false);
    else if (r < 280)
        click(true);
    else if (r < 420)
        drag();
    else if (r < 560)
        pressOrRelease();
    else if (r < 680)
        moveSomewhere();
    else if (r < 760)
        key();
    else if (r < 775)
        closeAWindow();
    else if (r < 790)
        jump();
    else
        ticks();
}

void Monkey::click(bool twice) {
    QWidget* window = chooseWindow();
    if (!window) return;
    const QPoint at = chance(0.9) ? onAControl(window) : somewhereIn(window, 0);
    window_ = window;
    moveTo(at);
    // A click with buttons already down is the two-handed case: the press goes where the
    // held ones went.
    if (twice && !held_) {
        doubleClick(at);
        return;
    }
    press(Qt::LeftButton, at);
    release(Qt::LeftButton, at);
}

void Monkey::drag() {
    QWidget* window = chooseWindow();
    if (!window) return;
    window_ = window;
    auto* screen = dynamic_cast<LabellingScreen*>(formOf(window));
    const Control* word = nullptr;
    QPoint from;
    if (screen && chance(0.7)) {
        // Mostly a word not yet on a box, as pupils finish the task.
        std::vector<int> loose;
        for (int i = 0; i < screen->wordCount(); ++i) {
            bool placed = false;
            for (int t = 0; t < screen->wordCount(); ++t) placed = placed || screen->isOn(i, t);
            if (!placed) loose.push_back(i);
        }
        const int i = !loose.empty() && chance(0.8) ? loose[below(static_cast<int>(loose.size()))]
                                                    : below(screen->wordCount());
        word = &screen->words(i);
        from = word->widget()->mapTo(window, word->widget()->rect().center());
    } else {
        from = chance(0.7) ? onAControl(window) : somewhereIn(window, 0);
    }
    const Qt::MouseButton button = chance(0.85)  ? Qt::LeftButton
                                   : chance(0.5) ? Qt::RightButton
                                                 : Qt::MiddleButton;
    const QPoint to = screen && chance(0.7) ? nearABox(window, word) : somewhereIn(window, 0.1);
    // A key or a tick on the way may close the window.
    const QPointer<QWidget> alive(window);
    moveTo(from);
    press(button, from);
    const int steps = 1 + below(10);
    for (int i = 1; i <= steps && held_; ++i) {
        QPoint p = from + (to - from) * i / steps;
        if (i < steps && alive && chance(0.15)) p = somewhereIn(alive, 1.0);  // off and back
        moveTo(p);
        if (chance(0.03)) press(Qt::RightButton, p);  // a second hand on the board
        if (chance(0.02)) key();
        if (chance(0.05)) ticks();
    }
    for (Qt::MouseButton b : {Qt::RightButton, Qt::LeftButton, Qt::MiddleButton})
        if (held_ & b) release(b, to);
}

void Monkey::pressOrRelease() {
    if (!held_) window_ = chooseWindow();
    if (!window_) return;
    const QPoint at = chance(0.5)   ? at_
                      : chance(0.7) ? onAControl(window_)
                                    : somewhereIn(window_, 0.1);
    const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
    const Qt::MouseButton b = buttons[below(3)];
    if (held_ & b)
        release(b, at);
    else
        press(b, at);
}

void Monkey::moveSomewhere() {
    if (!held_ || !pressedWindow_) window_ = chooseWindow();
    if (!window_) return;
    moveTo(chance(0.5) ? onAControl(window_) : somewhereIn(window_, 0.1));
}

void Monkey::key() {
    QWindow* focus = QGuiApplication::focusWindow();
    QWidget* window = nullptr;
    for (Form* f : shownForms())
        if (f->window()->windowHandle() == focus) window = f->window();
    if (!window) window = chooseWindow();
    if (!window) return;
    const int r = below(100);
    if (r < 20) {
        keyClick(Qt::Key_J, Qt::ControlModifier);
    } else if (r < 30) {
        // Alt+F4 reaches the program, and the window manager closes the active window.
        keyClick(Qt::Key_F4, Qt::AltModifier);
        if (Form* f = formOf(window); f && window->isVisible()) closeByWindowSystem(*f);
    } else {
        const Qt::Key keys[] = {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter,   Qt::Key_Escape,
                                Qt::Key_Tab,   Qt::Key_Tab,    Qt::Key_Backtab, Qt::Key_Left,
                                Qt::Key_Up,    Qt::Key_Right,  Qt::Key_Down,    Qt::Key_A,
                                Qt::Key_J,     Qt::Key_F1,     Qt::Key_Delete,  Qt::Key_Backspace};
        const Qt::KeyboardModifiers mods[] = {Qt::NoModifier, Qt::ShiftModifier,
                                              Qt::ControlModifier, Qt::AltModifier};
        keyClick(keys[below(std::size(keys))], mods[below(4)]);
    }
}

void Monkey::closeAWindow() {
    std::vector<Form*> shown = shownForms();
    if (shown.empty()) return;
    closeByWindowSystem(*shown[below(static_cast<int>(shown.size()))]);
}

void Monkey::jump() {
    const QString name = kScreens[below(std::size(kScreens))];
    event("jump to " + name, [&] { forms().show(name); });
}

void Monkey::ticks() {
    // Each running timer ticks a few times, as time passes between two events.
    const int rounds = 1 + below(12);
    for (int round = 0; round < rounds; ++round) {
        for (const char* name : kScreens) {
            Form* f = forms().find(name);
            if (!f) continue;
            for (int t = 0; t < static_cast<int>(f->timers().size()); ++t)
                if (f->timers()[t]->Enabled()) tick(*f, t);
        }
    }
}

// ---- events ---------------------------------------------------------------------------------

template <class Send>
void Monkey::event(const QString& what, Send send, const Form* closed) {
    // Once Exit has ended the program nothing more reaches it until it is started again.
    if (result_.events >= limit_ || ended()) return;
    invariants_.before();
    send();
    QCoreApplication::processEvents();
    ++result_.events;
    recent_.push_back(QString("%1 %2").arg(result_.events).arg(what));
    if (recent_.size() > 12) recent_.pop_front();
    if (ended()) return;
    for (const Form* f : forms().loaded())
        if (f->window()->isVisible()) ++result_.shown[f->name()];

    QStringList found;
    invariants_.after(found, held_ ? pressedWidget_.data() : nullptr, closed);
    for (const QString& f : found) {
        QStringList trail(recent_.begin(), recent_.end());
        result_.findings << QString("event %1: %2\n    after: %3")
                                .arg(result_.events)
                                .arg(f, trail.join("\n           "));
    }
}

void Monkey::moveTo(QPoint at) {
    QWidget* window = held_ && pressedWindow_ && pressedWindow_->isVisible() ? pressedWindow_.data()
                                                                             : window_.data();
    if (!window || !window->isVisible()) return;
    event("move " + describe(held_) + " " + placeIn(window, at),
          [&] { QTest::mouseMove(window->windowHandle(), at); });
    at_ = at;
}

void Monkey::press(Qt::MouseButton b, QPoint at) {
    QWidget* window = held_ && pressedWindow_ && pressedWindow_->isVisible() ? pressedWindow_.data()
                                                                             : window_.data();
    if (!window || !window->isVisible() || (held_ & b)) return;
    // A first button goes down only on the window under the pointer; with one held, the
    // window system sends everything to the window that has it, wherever the pointer is.
    if (!held_ && !window->rect().contains(at)) at = somewhereIn(window, 0);
    const Qt::KeyboardModifiers mods = chance(0.1) ? Qt::ShiftModifier : Qt::NoModifier;
    if (!held_) {
        pressedWindow_ = window;
        pressedWidget_ = window->childAt(at);
    }
    held_ |= b;
    event("press " + describe(b) + " " + placeIn(window, at),
          [&] { QTest::mousePress(window->windowHandle(), b, mods, at); });
    at_ = at;
}

void Monkey::release(Qt::MouseButton b, QPoint at) {
    QWidget* window =
        pressedWindow_ && pressedWindow_->isVisible() ? pressedWindow_.data() : chooseWindow();
    held_ &= ~b;
    if (!held_) pressedWidget_ = nullptr;
    if (!window) return;
    event("release " + describe(b) + " " + placeIn(window, at),
          [&] { QTest::mouseRelease(window->windowHandle(), b, Qt::NoModifier, at); });
    at_ = at;
}

void Monkey::doubleClick(QPoint at) {
    QWidget* window = window_.data();
    if (!window || !window->isVisible()) return;
    event("double click " + placeIn(window, at),
          [&] { QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, at); });
    at_ = at;
}

void Monkey::keyClick(Qt::Key key, Qt::KeyboardModifiers mods) {
    QWindow* focus = QGuiApplication::focusWindow();
    QWidget* window = chooseWindow();
    QWindow* to = focus && focus->isVisible() ? focus : window ? window->windowHandle() : nullptr;
    if (!to) return;
    event(QString("key %1 mods %2 to %3")
              .arg(QKeySequence(key).toString())
              .arg(static_cast<int>(mods))
              .arg(to->objectName()),
          [&] { QTest::keyClick(to, key, mods); });
}

void Monkey::closeByWindowSystem(Form& form) {
    // A window manager's close: the window system's close event, as for the title bar.
    QWindow* handle = form.window()->windowHandle();
    if (!handle) return;
    event(
        "window system closes " + form.name(), [&] { handle->close(); }, &form);
}

void Monkey::tick(Form& form, int timer) {
    event(QString("tick %1 timer %2").arg(form.name()).arg(timer),
          [&] { form.timers()[timer]->fire(); });
}

// ---- where ----------------------------------------------------------------------------------

std::vector<Form*> Monkey::shownForms() const {
    std::vector<Form*> out;
    for (Form* f : forms().loaded())
        if (f->window()->isVisible() && !f->staysBehind()) out.push_back(f);
    return out;
}

QWidget* Monkey::chooseWindow() {
    std::vector<Form*> shown = shownForms();
    if (shown.empty()) return nullptr;
    Form* front = nullptr;
    Form* topmost = nullptr;
    for (Form* f : shown) {
        if (f->isTopmost())
            topmost = f;
        else if (!front || f->shownOrder() > front->shownOrder())
            front = f;
    }
    const int r = below(100);
    if (r < 60 && front) return front->window();
    if (r < 75 && topmost) return topmost->window();
    return shown[below(static_cast<int>(shown.size()))]->window();
}

QPoint Monkey::somewhereIn(QWidget* window, double outside) {
    const int w = window->width(), h = window->height();
    if (chance(outside)) {
        // Past an edge by up to 80 pixels, as a drag across the board does.
        const int x = -80 + below(w + 160), y = -80 + below(h + 160);
        return chance(0.5) ? QPoint(chance(0.5) ? -1 - below(80) : w + below(80), y)
                           : QPoint(x, chance(0.5) ? -1 - below(80) : h + below(80));
    }
    return {1 + below(std::max(1, w - 2)), 1 + below(std::max(1, h - 2))};
}

QPoint Monkey::onAControl(QWidget* window) {
    const Form* form = formOf(window);
    if (!form) return somewhereIn(window, 0);
    std::vector<const Control*> targets;
    const bool buttonsOnly = chance(0.8);
    // The ways out are found, but not at every other click, so that screens get played.
    const bool spareExit = chance(0.8);
    for (const Control* c : form->controls())
        if (c->widget() && c->widget()->isVisibleTo(window) && (!buttonsOnly || c->listened()) &&
            !(spareExit && isAWayOut(*form, *c)))
            targets.push_back(c);
    if (targets.empty()) return somewhereIn(window, 0);
    const QWidget* w = targets[below(static_cast<int>(targets.size()))]->widget();
    const QRect r(w->mapTo(window, QPoint(0, 0)), w->size());
    if (r.width() < 3 || r.height() < 3) return r.center();
    return {r.left() + 1 + below(r.width() - 2), r.top() + 1 + below(r.height() - 2)};
}

QPoint Monkey::nearABox(QWidget* window, const Control* word) {
    auto* screen = dynamic_cast<LabellingScreen*>(formOf(window));
    if (!screen) return somewhereIn(window, 0);
    const int i = below(screen->wordCount());
    const Label& box = chance(0.85) ? screen->targets(i) : screen->homes(i);
    const float w = word ? word->Width() : box.Width(), h = word ? word->Height() : box.Height();
    // The word's corner lands about the zone's edges (half a box before, one box after).
    const float dx = (-0.7f + 1.9f * below(1000) / 1000.0f) * box.Width();
    const float dy = (-0.7f + 1.9f * below(1000) / 1000.0f) * box.Height();
    return {Twips::toPixels(box.Left() + dx + w / 2), Twips::toPixels(box.Top() + dy + h / 2)};
}

bool Monkey::ended() const {
    return platform_.endCalls != endCalls_;
}

void Monkey::restartIfEnded() {
    if (!ended()) return;
    // Exit ended the program: start it again, as the teacher would.
    endCalls_ = platform_.endCalls;
    ++result_.exits;
    forms().clear();
    QCoreApplication::processEvents();
    ProgramState::reset();
    window_ = forms().show<TitleScreen>().window();
    QCoreApplication::processEvents();
    for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
        if (held_ & b) release(b, at_);
}

}  // namespace monkey
