#include "tools/screenshots/script.h"

#include <QPointF>
#include <QRegularExpression>
#include <map>
#include <set>
#include <vector>

#include "ui/control.h"
#include "ui/form.h"
#include "ui/formregistry.h"
#include "ui/timer.h"

namespace screenshots {

namespace {

// Milliseconds each running timer has waited since its last tick.
std::map<ui::Timer*, int>& waited() {
    static std::map<ui::Timer*, int> table;
    return table;
}

void tickOneMillisecond() {
    std::set<ui::Timer*> present;
    for (ui::Form* form : ui::forms().loaded()) {
        const std::vector<ui::Timer*> timers = form->timers();  // a tick may load a screen
        for (ui::Timer* t : timers) {
            present.insert(t);
            int& ms = waited()[t];
            if (!t->Enabled() || t->Interval() <= 0) {
                ms = 0;
                continue;
            }
            if (++ms < t->Interval()) continue;
            ms = 0;
            t->fire();
        }
    }
    // Forget timers of unloaded screens, whose addresses a new screen may take.
    std::erase_if(waited(), [&](const auto& entry) { return !present.count(entry.first); });
}

// "Label3(2)" or "Command3" on the form.
ui::Control* findControl(const ui::Form& form, const QString& request) {
    static const QRegularExpression pattern(R"(^(\w+?)(?:\((\d+)\))?$)");
    const QRegularExpressionMatch m = pattern.match(request);
    if (!m.hasMatch()) return nullptr;
    const int index = m.captured(2).isEmpty() ? -1 : m.captured(2).toInt();
    for (ui::Control* c : form.controls())
        if (c->name() == m.captured(1) && c->index() == index) return c;
    return nullptr;
}

// Whether a pupil could reach the control: shown and enabled, and so is what holds it.
bool reachable(const ui::Control& c) {
    for (const ui::Control* at = &c; at; at = at->container())
        if (!at->Visible() || !at->Enabled()) return false;
    return true;
}

// The control's top left corner on the form's client area.
QPointF placeOnForm(const ui::Control& c) {
    QPointF at;
    for (const ui::Control* in = &c; in; in = in->container()) at += {in->Left(), in->Top()};
    return at;
}

ui::MouseArgs mouseAt(const ui::Control& c, QPointF onForm) {
    const QPointF corner = placeOnForm(c);
    return {.button = 1,
            .x = static_cast<float>(onForm.x() - corner.x()),
            .y = static_cast<float>(onForm.y() - corner.y()),
            .formX = static_cast<float>(onForm.x()),
            .formY = static_cast<float>(onForm.y())};
}

bool click(ui::Form& form, const QString& name, QString& error) {
    ui::Control* c = findControl(form, name);
    if (!c || !c->Click) return (error = "no control to click called " + name), false;
    if (!reachable(*c)) return (error = name + " is hidden or disabled"), false;
    c->Click();
    return true;
}

// Press on the word's middle, move so that it is centred on the box, release there.
bool drag(ui::Control& word, const ui::Control& box, QString& error) {
    if (!reachable(word)) return (error = word.name() + " is hidden or disabled"), false;
    const QPointF grip = placeOnForm(word) + QPointF(word.Width() / 2, word.Height() / 2);
    const QPointF drop = placeOnForm(box) + QPointF(box.Width() / 2, box.Height() / 2);
    if (word.MouseDown) word.MouseDown(mouseAt(word, grip));
    if (word.MouseMove) word.MouseMove(mouseAt(word, drop));
    if (word.MouseUp) word.MouseUp(mouseAt(word, drop));  // from where the word is now
    return true;
}

bool drag(ui::Form& form, const QString& from, const QString& to, QString& error) {
    const bool everyMember = !from.contains('(') && !to.contains('(');
    if (!everyMember) {
        ui::Control* word = findControl(form, from);
        const ui::Control* box = findControl(form, to);
        if (!word || !box) return (error = "no controls " + from + " and " + to), false;
        return drag(*word, *box, error);
    }
    int dragged = 0;
    for (ui::Control* word : form.controls()) {
        if (word->name() != from || word->index() < 0) continue;
        const ui::Control* box = findControl(form, QString("%1(%2)").arg(to).arg(word->index()));
        if (!box) return (error = QString("no %1(%2)").arg(to).arg(word->index())), false;
        if (!drag(*word, *box, error)) return false;
        ++dragged;
    }
    if (dragged == 0) error = "no members of " + from;
    return dragged > 0;
}

// A stroke with the left button across the window's own surface, as on the Jotter.
bool stroke(ui::Form& form, const QStringList& points, QString& error) {
    std::vector<QPointF> path;
    for (const QString& point : points) {
        const QStringList xy = point.split(',');
        bool okX = false, okY = false;
        if (xy.size() == 2) path.emplace_back(xy[0].toFloat(&okX), xy[1].toFloat(&okY));
        if (!okX || !okY) return (error = "not a point: " + point), false;
    }
    const auto x = [](QPointF p) { return static_cast<float>(p.x()); };
    const auto y = [](QPointF p) { return static_cast<float>(p.y()); };
    form.onMouseDown(1, 0, x(path.front()), y(path.front()));
    for (std::size_t i = 1; i < path.size(); ++i) form.onMouseMove(1, 0, x(path[i]), y(path[i]));
    form.onMouseUp(1, 0, x(path.back()), y(path.back()));
    return true;
}

}  // namespace

void resetTime() {
    waited().clear();
}

void letTimePass(int ms) {
    for (int i = 0; i < ms; ++i) tickOneMillisecond();
}

bool runStep(ui::Form& form, const QString& step, QString& error) {
    static const QRegularExpression wait(R"(^(\d+)ms$)");
    static const QRegularExpression point(R"(^[\d.]+,[\d.]+$)");
    if (const QRegularExpressionMatch m = wait.match(step); m.hasMatch()) {
        letTimePass(m.captured(1).toInt());
        return true;
    }
    const QStringList parts = step.split('>');
    if (parts.size() == 1) return click(form, step, error);
    if (point.match(parts[0]).hasMatch()) return stroke(form, parts, error);
    if (parts.size() == 2) return drag(form, parts[0], parts[1], error);
    error = "not a step: " + step;
    return false;
}

}  // namespace screenshots
