#include "tests/monkey/invariants.h"

#include <QApplication>
#include <QRegularExpression>

#include "activities/labelling/labellingscreen.h"
#include "activities/wordgame/scrambledwordsscreen.h"
#include "app/mainscreen.h"
#include "ui/formregistry.h"

using namespace ui;

namespace monkey {

namespace {

QPointF placeOf(const Control& c) {
    return {c.Left(), c.Top()};
}

bool atHomeOrOnABox(const LabellingScreen& s, QPointF p) {
    for (int i = 0; i < s.wordCount(); ++i)
        if (p == placeOf(s.targets(i)) || p == placeOf(s.homes(i))) return true;
    return false;
}

void checkScore(QStringList& findings, const LabellingScreen& s) {
    const QString caption = s.scoreText.Caption();
    if (caption.isEmpty()) return;
    // In the language shown: a pupil may have chosen another on the main screen.
    const QRegularExpression format(
        "^" +
        QRegularExpression::escape(LabellingScreen::tr("%1 out of %2 correct"))
            .replace("\\%1", "(\\d+)")
            .replace("\\%2", "(\\d+)") +
        "$");
    const QRegularExpressionMatch m = format.match(caption);
    if (!m.hasMatch() || m.captured(2).toInt() != s.wordCount() ||
        m.captured(1).toInt() > s.wordCount())
        findings << s.name() + ": score caption \"" + caption + "\"";
}

// At most one timer running and one letter in flight.
void checkScramble(QStringList& findings, const ScrambledWordsScreen& s) {
    const int running = s.layoutTimer.Enabled() + s.flightTimer.Enabled() + s.loadTimer.Enabled();
    if (running > 1) findings << QString("scramble: %1 timers run at once").arg(running);
    int flying = 0;
    for (int i = 0; i < std::clamp(int(s.wordLength), 0, int(ScrambledWordsScreen::kTiles)); ++i) {
        const Label& tile = s.flyingTiles(i);
        flying += tile.Visible() && placeOf(tile) != placeOf(s.scrambledTiles(i)) &&
                  placeOf(tile) != placeOf(s.answerTiles(s.originalPlace[i + 1] - 1));
    }
    if (flying > 1) findings << QString("scramble: %1 letters fly at once").arg(flying);
}

// No form loaded twice or loaded unseen, a form closed by the window system gone, something
// left on screen.
void checkForms(QStringList& findings, const std::set<const Form*>& loadedBefore,
                const Form* closed) {
    const std::vector<Form*> loaded = forms().loaded();
    std::set<QString> names;
    bool anyShown = false;
    for (const Form* f : loaded) {
        if (!names.insert(f->name()).second) findings << "two instances of " + f->name();
        const bool shown = f->window()->isVisible();
        anyShown = anyShown || (shown && !f->staysBehind());
        // Only the main screen may be loaded unseen: a menu refers to it for its picture.
        if (!shown && !(f->name() == MainScreen::Name && f->shownOrder() == 0))
            findings << f->name() + " is loaded but hidden";
        // The keys act where the focus is: never a control that a click could not reach.
        const Control* c = f->keyboard().focused();
        if (c && shown && QApplication::focusWidget() == c->widget() &&
            (!c->Enabled() || !c->widget()->isVisible()))
            findings << f->name() + QString(": the focus is on %1(%2), hidden or disabled")
                                        .arg(c->name())
                                        .arg(c->index());
    }
    if (!anyShown) findings << "no window left on screen";
    if (closed && loadedBefore.count(closed) && std::count(loaded.begin(), loaded.end(), closed) &&
        !closed->window()->isVisible())
        findings << closed->name() + " was closed by the window system but stays loaded";
}

// Every control that takes the pointer lies inside its window.
void checkLaidOut(QStringList& findings) {
    for (const Form* f : forms().loaded()) {
        const QWidget* window = f->window();
        if (!window->isVisible() || f->staysBehind()) continue;
        for (const Control* c : f->controls()) {
            const QWidget* w = c->widget();
            if (!w || !c->listened() || c->mayOverhang() || !w->isVisibleTo(window)) continue;
            const QRect r(w->mapTo(window, QPoint(0, 0)), w->size());
            if (!window->rect().contains(r))
                findings << QString::asprintf("%s: %s(%d) at %d,%d %dx%d leaves the window",
                                              qPrintable(f->name()), qPrintable(c->name()),
                                              c->index(), r.x(), r.y(), r.width(), r.height());
        }
    }
}

}  // namespace

void Invariants::before() {
    before_.clear();
    loadedBefore_.clear();
    for (Form* f : forms().loaded()) {
        loadedBefore_.insert(f);
        if (auto* s = dynamic_cast<LabellingScreen*>(f)) {
            before_[s].window = s->window();
            for (int i = 0; i < s->wordCount(); ++i)
                before_[s].places.push_back(placeOf(s->words(i)));
        }
    }
}

void Invariants::after(QStringList& findings, const std::vector<const QWidget*>& holding,
                       const Form* closed) {
    checkForms(findings, loadedBefore_, closed);
    // A word moves only under a pointer that holds it, or into a box or a home slot; only the
    // lifted word is drawn lifted, and away from its place only while lifted.
    for (Form* f : forms().loaded()) {
        auto* s = dynamic_cast<LabellingScreen*>(f);
        const auto was = before_.find(s);
        if (!s || was == before_.end() || was->second.window != s->window()) continue;
        for (int i = 0; i < s->wordCount(); ++i) {
            const QPointF now = placeOf(s->words(i));
            const bool held = std::count(holding.begin(), holding.end(), s->words(i).widget());
            if (!held && now != was->second.places[i] && !atHomeOrOnABox(*s, now))
                findings << QString::asprintf("%s: word %d moved to (%g, %g) by itself",
                                              qPrintable(s->name()), i, now.x(), now.y());
            const bool lifted = i == s->heldWord();
            if ((s->words(i).isShownElsewhere() && !lifted) || s->words(i).isLifted() != lifted)
                findings << s->name() + QString(
                                            ": word %1 is drawn lifted, or away from its "
                                            "place, while not lifted")
                                            .arg(i);
        }
    }
    checkLaidOut(findings);
    checkScreenRules(findings);
}

void checkScreenRules(QStringList& findings) {
    for (const Form* f : forms().loaded()) {
        if (const auto* s = dynamic_cast<const LabellingScreen*>(f)) checkScore(findings, *s);
        if (const auto* s = dynamic_cast<const ScrambledWordsScreen*>(f))
            checkScramble(findings, *s);
    }
}

}  // namespace monkey
