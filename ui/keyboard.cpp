#include "ui/keyboard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <algorithm>
#include <optional>

#include "ui/choice.h"
#include "ui/controlwidget.h"
#include "ui/focusring.h"
#include "ui/form.h"

namespace ui {

namespace {

std::optional<Key> keyOf(const QKeyEvent& e) {
    // Ctrl, Alt and the logo key belong to shortcuts and the desktop, not to the controls.
    if (e.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return {};
    switch (e.key()) {
        case Qt::Key_Tab:
            return e.modifiers() & Qt::ShiftModifier ? Key::BackTab : Key::Tab;
        case Qt::Key_Backtab:
            return Key::BackTab;
        case Qt::Key_Down:
        case Qt::Key_Right:
            return Key::Next;
        case Qt::Key_Up:
        case Qt::Key_Left:
            return Key::Previous;
        // A key held down clicks once and leaves one screen only, however long it is held.
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            return e.isAutoRepeat() ? std::nullopt : std::optional(Key::Activate);
        case Qt::Key_Escape:
            return e.isAutoRepeat() ? std::nullopt : std::optional(Key::Escape);
        case Qt::Key_PageUp:
            return Key::PageUp;
        case Qt::Key_PageDown:
            return Key::PageDown;
        default:
            return {};
    }
}

bool isModifier(int key) {
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt ||
           key == Qt::Key_AltGr || key == Qt::Key_Meta || key == 0 || key == Qt::Key_unknown;
}

bool isOption(const Control& c) {
    return dynamic_cast<const OptionButton*>(&c) != nullptr;
}

bool sameGroup(const Control& a, const Control& b) {
    return isOption(a) && isOption(b) && a.container() == b.container();
}

// Enabled, shown, and a click on it does something.
bool canTakeFocus(const Control& c) {
    const QWidget* w = c.widget();
    return w && c.Enabled() && w->isEnabled() && w->isVisibleTo(c.form().window()) &&
           c.reactsToClick();
}

QPointF placeOnForm(const Control& c) {
    QPointF at(c.Left(), c.Top());
    for (const Control* in = c.container(); in; in = in->container())
        at += QPointF(in->Left(), in->Top());
    return at;
}

bool comesBefore(const Control* a, const Control* b) {
    const bool indexedA = a->TabIndex() >= 0, indexedB = b->TabIndex() >= 0;
    if (indexedA != indexedB) return indexedA;
    if (indexedA && a->TabIndex() != b->TabIndex()) return a->TabIndex() < b->TabIndex();
    const QPointF pa = placeOnForm(*a), pb = placeOnForm(*b);
    if (pa.y() != pb.y()) return pa.y() < pb.y();
    return pa.x() < pb.x();
}

void sortByOrder(std::vector<Control*>& controls) {
    std::stable_sort(controls.begin(), controls.end(), comesBefore);
}

// The option that stands for its group: the chosen one, or the first while none is.
const Control* groupStop(const Form& form, const Control& option) {
    std::vector<Control*> members;
    for (Control* c : form.controls()) {
        if (!sameGroup(*c, option) || !canTakeFocus(*c)) continue;
        if (static_cast<const OptionButton*>(c)->Value()) return c;
        members.push_back(c);
    }
    sortByOrder(members);
    return members.empty() ? nullptr : members.front();
}

bool isStop(const Form& form, const Control& c) {
    return canTakeFocus(c) && (!isOption(c) || groupStop(form, c) == &c);
}

// The member after `from` (or before it) in an ordered list that holds it, wrapping round.
Control* around(const std::vector<Control*>& order, const Control* from, bool forward) {
    const auto n = static_cast<long>(order.size());
    const long at = std::find(order.begin(), order.end(), from) - order.begin();
    return order[static_cast<size_t>((at + (forward ? 1 : n - 1)) % n)];
}

}  // namespace

Keyboard::Keyboard(Form& form) : form_(form) {}

Keyboard::~Keyboard() {
    delete ring_.data();
}

std::vector<Control*> Keyboard::stops() const {
    std::vector<Control*> out;
    for (Control* c : form_.controls())
        if (isStop(form_, *c)) out.push_back(c);
    sortByOrder(out);
    return out;
}

Control* Keyboard::focused() const {
    const auto* w = dynamic_cast<const ControlWidget*>(form_.window()->focusWidget());
    return w ? w->control() : nullptr;
}

void Keyboard::focus(Control& c) {
    if (c.widget()) c.widget()->setFocus(Qt::TabFocusReason);
    updateRing();
}

void Keyboard::focusFirstStop() {
    if (focused()) return;
    const std::vector<Control*> order = stops();
    if (!order.empty()) focus(*order.front());
}

void Keyboard::keyPressed(const QKeyEvent& event) {
    if (form_.isUnloaded() || isModifier(event.key())) return;
    keysUsed_ = true;
    const std::optional<Key> key = keyOf(event);
    if (key) {
        keepFocusOnAStop();
        Control* from = focused();
        if (!form_.onKey(from, *key)) {
            switch (*key) {
                case Key::Tab:
                case Key::BackTab:
                    step(*key == Key::Tab);
                    break;
                case Key::Next:
                case Key::Previous:
                    arrow(from, *key == Key::Next);
                    break;
                case Key::Activate:
                    if (from) from->clickAtCentre();
                    break;
                case Key::Escape:
                    form_.onEscape();
                    break;
                case Key::PageUp:
                case Key::PageDown:
                    break;
            }
        }
        // The screen may have closed itself; its window is gone from view.
        if (form_.isUnloaded()) return;
        keepFocusOnAStop();
    }
    updateRing();
}

bool Keyboard::step(bool forward) {
    std::vector<Control*> order = stops();
    if (order.empty()) {
        // Qt asks while a click hides the focused control, perhaps before it shows the
        // controls that take its place (the Jotter's other toolbar): ask again after it.
        QTimer::singleShot(0, form_.window(), [this] {
            if (form_.isUnloaded()) return;
            keepFocusOnAStop();
            updateRing();
        });
        return false;
    }
    Control* from = focused();
    if (!from) {
        focus(forward ? *order.front() : *order.back());
        return true;
    }
    // A focused control that is no stop (an option not chosen, say) goes round with the
    // stops in its own place.
    if (std::find(order.begin(), order.end(), from) == order.end())
        order.insert(std::upper_bound(order.begin(), order.end(), from, comesBefore), from);
    Control* to = around(order, from, forward);
    if (to == from) return false;
    focus(*to);
    return true;
}

void Keyboard::arrow(Control* from, bool forward) {
    if (!from) return;
    const bool option = isOption(*from);
    if (!option && from->index() < 0) return;  // a control of its own has nothing to move to
    std::vector<Control*> members;
    for (Control* c : form_.controls()) {
        const bool member = option ? sameGroup(*c, *from)
                                   : c->index() >= 0 && c->name() == from->name() &&
                                         c->container() == from->container();
        if (member && (c == from || canTakeFocus(*c))) members.push_back(c);
    }
    if (members.size() < 2) return;
    sortByOrder(members);
    Control* to = around(members, from, forward);
    if (!option) return focus(*to);
    // Choosing by key is a click on the option, which the screen may refuse; the focus
    // goes with the choice only.
    to->clickAtCentre();
    if (!form_.isUnloaded() && static_cast<const OptionButton*>(to)->Value()) focus(*to);
}

void Keyboard::keepFocusOnAStop() {
    // A click may hide or disable the focused control (the Jotter's Flip hides its own
    // toolbar): the focus goes to a stop of the same caption, else to the first stop.
    Control* now = focused();
    if (!now || canTakeFocus(*now)) return;
    const std::vector<Control*> order = stops();
    if (order.empty()) return;
    const QString caption = now->shownCaption();
    for (Control* c : order)
        if (!caption.isEmpty() && c->shownCaption() == caption) return focus(*c);
    focus(*order.front());
}

void Keyboard::pointerPressed(Control* on) {
    keysUsed_ = false;
    if (on && canTakeFocus(*on)) on->widget()->setFocus(Qt::MouseFocusReason);
    updateRing();
}

void Keyboard::showRingOn(Control& c) {
    keysUsed_ = true;
    focus(c);
}

bool Keyboard::ringShown() const {
    return keysUsed_ && ring_ && ring_->widget();
}

void Keyboard::updateRing() {
    if (!keysUsed_) {
        if (ring_) ring_->setWidget(nullptr);
        return;
    }
    if (!ring_) {
        // Made at the first key, so that a window used by the pointer alone has none.
        ring_ = new FocusRing(form_.window());
        QObject::connect(qobject_cast<QApplication*>(QCoreApplication::instance()),
                         &QApplication::focusChanged, ring_, [this] {
                             if (!form_.isUnloaded()) updateRing();
                         });
    }
    Control* f = focused();
    QWidget* target = f && f->widget() && f->widget()->isVisible() ? f->widget() : nullptr;
    ring_->setWidget(target);
    ring_->raise();  // over controls raised since
    ring_->update();
}

}  // namespace ui
