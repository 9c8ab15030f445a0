#include "ui/form.h"

#include <QShortcut>
#include <QWindow>
#include <algorithm>

#include "ui/colour.h"
#include "ui/control.h"
#include "ui/displayscale.h"
#include "ui/eventguard.h"
#include "ui/formregistry.h"
#include "ui/formwindow.h"
#include "ui/platform.h"
#include "ui/stacking.h"
#include "ui/timer.h"

namespace ui {

Form::Form(QString name)
    : name_(std::move(name)),
      window_(std::make_unique<FormWindow>(*this)),
      keyboard_(std::make_unique<Keyboard>(*this)) {
    window_->setObjectName(name_);
    setBorderStyle(BorderStyle::FixedSingle);
    setCaption(name_);
}

Form::~Form() {
    window_->detach();
    // Controls that outlive this point are members of the screen and are gone already.
}

QWidget* Form::window() const {
    return window_.get();
}

void Form::onCloseRequested() {
    forms().unload(*this);
}

void Form::setCaption(const QString& caption) {
    caption_ = caption;
    window_->setWindowTitle(caption);
}

void Form::setBackColor(Colour c) {
    back_ = c;
    window_->update();
}

void Form::setPicture(const Picture& p) {
    picture_ = p;
    window_->update();
}

void Form::setIcon(const Picture& p) {
    window_->setWindowIcon(p.isNull() ? QIcon() : QIcon(p));
}

void Form::setBorderStyle(BorderStyle style) {
    border_ = style;
    Qt::WindowFlags flags = Qt::Window;
    switch (style) {
        case BorderStyle::FixedSingle:
            flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
            break;
        case BorderStyle::FixedDialog:
            flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
            break;
        case BorderStyle::None:
            flags |= Qt::FramelessWindowHint;
            break;
    }
    const bool topmost = window_->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    window_->setWindowFlags(flags | (topmost ? Qt::WindowStaysOnTopHint : Qt::WindowFlags()));
    applyWindowGeometry();
}

void Form::setTopmost(bool topmost) {
    const bool shown = window_->isVisible();
    window_->setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
    if (shown) window_->show();  // changing flags hides a window
}

bool Form::isTopmost() const {
    return window_->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void Form::setPlacedBySystem(bool bySystem) {
    placedBySystem_ = bySystem;
    applyWindowGeometry();
}

void Form::takeScreenShortcuts() {
    if (hasShortcuts_) return;
    hasShortcuts_ = true;
    for (const auto& [keys, screen] : forms().shortcuts()) {
        auto* shortcut = new QShortcut(keys, window_.get());
        shortcut->setContext(Qt::WindowShortcut);
        QObject::connect(shortcut, &QShortcut::activated, [screen = screen] {
            deliver("a shortcut", [&] { forms().show(screen); });
        });
    }
}

void Form::setStaysBehind(bool behind) {
    behind_ = behind;
    // An ordinary window, so that it can stand above other programs' windows; it takes
    // clicks (none falls through to what it hides) but never the keyboard.
    window_->setWindowFlag(Qt::WindowDoesNotAcceptFocus, behind);
    window_->setAttribute(Qt::WA_ShowWithoutActivating, behind);
}

void Form::keepBelowProgram() {
    if (!behind_ || !window_->isVisible()) return;
    std::vector<Form*> ours;
    for (Form* f : forms().loaded())
        if (f != this && !f->staysBehind() && f->window()->isVisible()) ours.push_back(f);
    if (ours.empty()) return;
    std::sort(ours.begin(), ours.end(),
              [](const Form* a, const Form* b) { return a->shownOrder() < b->shownOrder(); });
    std::vector<QWidget*> windows{window_.get()};
    for (const Form* f : ours) windows.push_back(f->window());
    // Where the display tells the order, windows already above are left alone, and the
    // others keep the order they stand in; elsewhere the order they were shown in counts.
    const std::optional<std::vector<QWidget*>> stacked = stackedBottomToTop(windows);
    if (stacked && stacked->front() == window_.get()) return;
    if (stacked) windows = *stacked;
    for (bool topmost : {false, true})
        for (QWidget* w : windows)
            if (w != window_.get() &&
                w->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == topmost)
                w->raise();
}

float Form::designFrameWidth(BorderStyle style) {
    return style == BorderStyle::None ? 0 : 90;
}

float Form::designFrameHeight(BorderStyle style) {
    switch (style) {
        case BorderStyle::FixedSingle:
            return 435;
        case BorderStyle::FixedDialog:
            return 480;
        case BorderStyle::None:
            return 0;
    }
    return 0;
}

void Form::setLeft(float v) {
    left_ = v;
    applyWindowGeometry();
}

void Form::setTop(float v) {
    top_ = v;
    applyWindowGeometry();
}

void Form::setWidth(float v) {
    width_ = v;
    sizedByClient_ = false;
    applyWindowGeometry();
}

void Form::setHeight(float v) {
    height_ = v;
    sizedByClient_ = false;
    applyWindowGeometry();
}

void Form::setClientSize(float width, float height) {
    width_ = width + designFrameWidth(border_);
    height_ = height + designFrameHeight(border_);
    sizedByClient_ = true;
    applyWindowGeometry();
}

void Form::setDesignSize(float width, float height) {
    setClientSize(width - designFrameWidth(border_), height - designFrameHeight(border_));
}

float Form::ScaleWidth() const {
    return Twips::toTwips(window_->width(), scale());
}
float Form::ScaleHeight() const {
    return Twips::toTwips(window_->height(), scale());
}

std::optional<QSize> Form::knownFrame() const {
    const QWindow* handle = window_->windowHandle();
    if (!handle || !window_->isVisible()) return std::nullopt;
    const QMargins frame = handle->frameMargins();
    if (frame.top() + frame.bottom() <= 0) return std::nullopt;
    return QSize(frame.left() + frame.right(), frame.top() + frame.bottom());
}

void Form::applyWindowGeometry(bool place) {
    static bool busy = false;
    if (busy || !window_) return;
    busy = true;
    const float s = scale();
    // The client area is the outer size less the window system's frame; before the frame
    // is known, less the frame the layout was designed with.
    const std::optional<QSize> frame = sizedByClient_ ? std::nullopt : knownFrame();
    const int frameW = frame ? frame->width() : Twips::toPixels(designFrameWidth(border_), s);
    const int frameH = frame ? frame->height() : Twips::toPixels(designFrameHeight(border_), s);
    int clientW = std::max(1, Twips::toPixels(width_, s) - frameW);
    int clientH = std::max(1, Twips::toPixels(height_, s) - frameH);
    // A taller frame than designed must not hide the lowest controls: the window grows.
    for (const Control* c : controls_) {
        if (c->container() || !c->Visible() || c->mayOverhang()) continue;
        clientW = std::max(clientW, Twips::toPixels(c->Left() + c->Width(), s));
        clientH = std::max(clientH, Twips::toPixels(c->Top() + c->Height(), s));
    }
    if (window_->size() != QSize(clientW, clientH)) window_->setFixedSize(clientW, clientH);
    if (placedBySystem_) {
        const QPoint at = window_->frameGeometry().topLeft();
        left_ = Twips::toTwips(at.x(), s);
        top_ = Twips::toTwips(at.y(), s);
    } else if (place) {
        const QPoint at(Twips::toPixels(left_, s), Twips::toPixels(top_, s));
        if (window_->frameGeometry().topLeft() != at) window_->move(at);
    }
    busy = false;
}

void Form::setDesignSizeWithin(float width, float height, float lowest) {
    const QRect area = platform().workArea();
    // The window system's frame, once known, is the same at every scale.
    const std::optional<QSize> frame = knownFrame();
    const float s =
        frame
            ? fittingScale({width - designFrameWidth(border_), height - designFrameHeight(border_)},
                           area.size() - *frame, lowest, Twips::scale())
            : fittingScale({width, height}, area.size(), lowest, Twips::scale());
    const bool rescaled = s != scale();
    ownScale_ = s;
    setDesignSize(width, height);
    if (rescaled) {
        for (Control* c : controls_) c->refresh();
        window_->update();
    }
    // Placed anew only where it would stick out; before it is shown, the system places it.
    if (!window_->isVisible()) return;
    const QRect outer = window_->frameGeometry();
    const QPoint at(std::clamp(outer.left(), area.left(),
                               std::max(area.left(), area.right() + 1 - outer.width())),
                    std::clamp(outer.top(), area.top(),
                               std::max(area.top(), area.bottom() + 1 - outer.height())));
    if (at != outer.topLeft()) window_->move(at);
}

Control* Form::findControl(const QString& name) const {
    for (Control* c : controls_)
        if (c->index() < 0 && c->name() == name) return c;
    return nullptr;
}

void Form::registerControl(Control& c) {
    controls_.push_back(&c);
}

void Form::unregisterControl(Control& c) {
    std::erase(controls_, &c);
}

void Form::registerTimer(Timer& t) {
    timers_.push_back(&t);
}

void Form::unregisterTimer(Timer& t) {
    std::erase(timers_, &t);
}

void Form::markUnloaded() {
    unloaded_ = true;
    for (Timer* t : timers_) t->setEnabled(false);
}

void Form::showWindow() {
    onShow();
    static unsigned long long shown = 0;
    shownOrder_ = ++shown;
    applyWindowGeometry();
    if (behind_) {
        // Above every other program's windows, then the program's own above it again.
        if (!window_->isVisible()) {
            keepOffTaskbar(*window_);
            // A plain colour over the whole display: the server fills it, or the program
            // would send it the display's every pixel at each opening.
            if (picture().isNull() && controls().empty() &&
                fillOnServer(*window_, toQColor(BackColor())))
                window_->setFilledOnServer();
        }
        window_->show();
        window_->raise();
        keepBelowProgram();
        return;
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
    keyboard_->focusFirstStop();
    // Topmost windows stay above the one just shown, also where no window manager keeps
    // them there.
    if (isTopmost()) return;
    for (Form* f : forms().loaded())
        if (f != this && f->isTopmost() && f->window()->isVisible()) f->window()->raise();
}

void Form::hideWindow() {
    window_->hide();
}

}  // namespace ui
