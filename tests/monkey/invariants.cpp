#include "tests/monkey/invariants.h"

#include <QApplication>
#include <QMouseEvent>
#include <QRegularExpression>
#include <algorithm>

#include "activities/labelling/labellingscreen.h"
#include "activities/labelling/pubertyscreen.h"
#include "activities/questions/conductorsscreen.h"
#include "activities/questions/conductorstable.h"
#include "activities/questions/magnetsscreen.h"
#include "activities/questions/plantreproductionscreen.h"
#include "activities/questions/plantreproductiontable.h"
#include "activities/wordgame/scrambledwordsscreen.h"
#include "app/mainscreen.h"
#include "ui/formregistry.h"

using namespace ui;

namespace monkey {

namespace {

QString at(QPointF p) {
    return QString("(%1, %2)").arg(p.x()).arg(p.y());
}

// The drop rule, worked out afresh from the boxes' places: strict bounds rounded to single
// precision, targets before home slots, the last snap of the pass standing.
bool inZone(float x, float y, const Label& box) {
    const double L = box.Left(), T = box.Top(), W = box.Width(), H = box.Height();
    return static_cast<float>(L - W / 2) < x && x < static_cast<float>(L + W) &&
           static_cast<float>(T - H / 2) < y && y < static_cast<float>(T + H);
}

QPointF dropped(const LabellingScreen& s, QPointF from) {
    float x = static_cast<float>(from.x()), y = static_cast<float>(from.y());
    for (int i = 0; i < s.wordCount(); ++i) {
        for (const Label* box : {&s.targets(i), &s.homes(i)}) {
            if (inZone(x, y, *box)) {
                x = box->Left();
                y = box->Top();
            }
        }
    }
    return {x, y};
}

QPointF placeOf(const Control& c) {
    return {c.Left(), c.Top()};
}

bool onABox(const LabellingScreen& s, QPointF p) {
    for (int i = 0; i < s.wordCount(); ++i)
        if (p == placeOf(s.targets(i)) || p == placeOf(s.homes(i))) return true;
    return false;
}

bool inAnyZone(const LabellingScreen& s, QPointF p) {
    for (int i = 0; i < s.wordCount(); ++i)
        if (inZone(p.x(), p.y(), s.targets(i)) || inZone(p.x(), p.y(), s.homes(i))) return true;
    return false;
}

// Check Score's count by the rules as the activities state them, not by the screen's code.
int expectedScore(const LabellingScreen& s) {
    if (!dynamic_cast<const PubertyScreen*>(&s)) {
        int n = 0;
        for (int i = 0; i < s.wordCount(); ++i) n += s.isOn(i, i);
        return n;
    }
    const auto onAnyOf = [&s](int word, std::initializer_list<int> boxes) {
        return std::any_of(boxes.begin(), boxes.end(), [&](int b) { return s.isOn(word, b); });
    };
    // Either body-hair word stands for either column, and a word on no box scores nothing.
    const std::initializer_list<int> girls{1, 2, 3, 4, 5}, boys{0, 6, 7};
    int score = (onAnyOf(0, girls) || onAnyOf(1, girls)) + (onAnyOf(0, boys) || onAnyOf(1, boys));
    for (int j = 2; j <= 5; ++j) score += onAnyOf(j, girls);
    for (int j = 6; j <= 7; ++j) score += onAnyOf(j, boys);
    return score;
}

void checkLabelling(QStringList& findings, const LabellingScreen& s) {
    const int n = s.wordCount();
    const QString caption = s.scoreText.Caption();
    if (!caption.isEmpty()) {
        static const QRegularExpression format("^(\\d+) out of (\\d+) correct$");
        const QRegularExpressionMatch m = format.match(caption);
        if (!m.hasMatch() || m.captured(2).toInt() != n || m.captured(1).toInt() < 0 ||
            m.captured(1).toInt() > n)
            findings << s.name() + ": score caption \"" + caption + "\"";
        else if (s.scoreText.Visible() && m.captured(1).toInt() != expectedScore(s))
            findings << s.name() + QString(": shows \"%1\" but the words score %2")
                                       .arg(caption)
                                       .arg(expectedScore(s));
    }
    int placed = 0;
    for (int i = 0; i < n; ++i)
        for (int t = 0; t < n; ++t) placed += s.isOn(i, t);
    if (placed == n && !s.commands(2).Visible())
        findings << s.name() + ": every word is on a box but Check Score is hidden";
}

void checkCircuits(QStringList& findings, const ConductorsScreen& c) {
    if (c.questionNumber < 0 || c.questionNumber > 10 ||
        c.rightAnswer !=
            questions::kMaterials[std::clamp<int>(c.questionNumber, 0, 10)].rightAnswer) {
        findings
            << QString("circuits: questno %1 rightans %2").arg(c.questionNumber).arg(c.rightAnswer);
        return;
    }
    const QString feedback = c.messages(2).Caption();
    if (feedback != questions::kWellDone && feedback != "Wrong, Try Again")
        findings << "circuits: feedback \"" + feedback + "\"";
    if (c.answerButtons(1 - c.rightAnswer).BackColor() != colours::kBlue)
        findings << "circuits: the wrong answer button is not blue";
    if (c.flash != 0 && c.flash != 1) findings << QString("circuits: flash %1").arg(c.flash);
}

void checkRepro(QStringList& findings, const PlantReproductionScreen& r) {
    if (r.questionNumber < 0 || r.questionNumber > 29) {
        findings << QString("repro: questno %1").arg(r.questionNumber);
        return;
    }
    const int right = questions::kStatements[r.questionNumber].rightAnswer;
    if (r.rightAnswers[r.questionNumber] != right ||
        r.messages(0).Caption() != r.statement[r.questionNumber] ||
        r.statement[r.questionNumber] !=
            QString::fromLatin1(questions::kStatements[r.questionNumber].text))
        findings << QString("repro: statement %1 shown wrongly").arg(r.questionNumber);
    const QString feedback = r.messages(1).Caption();
    if (!feedback.isEmpty() && feedback != "Correct, Well Done!" && feedback != "Wrong, Try Again.")
        findings << "repro: feedback \"" + feedback + "\"";
    if (r.answerButtons(1 - right).ForeColor() != colours::kYellow)
        findings << "repro: the wrong answer button is not yellow";
    if (r.flash != 0 && r.flash != 1) findings << QString("repro: flash %1").arg(r.flash);
}

void checkMagnets(QStringList& findings, const MagnetsScreen& m) {
    const auto& d = m.design();
    if (m.questionNumber < 0 || m.questionNumber > 7 ||
        m.rightAnswer != d.questions[m.questionNumber].rightAnswer) {
        findings
            << m.name() +
                   QString(": questno %1 rightans %2").arg(m.questionNumber).arg(m.rightAnswer);
        return;
    }
    if (m.messages(0).Caption() != d.answerText[m.rightAnswer == 0 ? 0 : 1])
        findings << m.name() + ": answer in words \"" + m.messages(0).Caption() + "\"";
    if (m.messages(2).Caption() != questions::kWellDone)
        findings << m.name() + ": praise \"" + m.messages(2).Caption() + "\"";
    int shown = 0;
    for (int i : m.pictures.indices()) shown += m.pictures(i).Visible();
    if (shown != 1) findings << m.name() + QString(": %1 picture slots shown").arg(shown);
}

void checkScramble(QStringList& findings, const ScrambledWordsScreen& s) {
    const int running = s.layoutTimer.Enabled() + s.flightTimer.Enabled() + s.loadTimer.Enabled();
    if (running > 1) findings << QString("scramble: %1 timers run at once").arg(running);
    if (s.wordLength < 0 || s.wordLength > ScrambledWordsScreen::kTiles || s.flightFrame < 0 ||
        s.flightFrame > 40 || s.flightLetter < 0 ||
        (s.wordLength > 0 && s.flightLetter >= s.wordLength)) {
        findings << QString("scramble: L %1 flyframe %2 flyletter %3")
                        .arg(s.wordLength)
                        .arg(s.flightFrame)
                        .arg(s.flightLetter);
        return;
    }
    int flying = 0;
    QStringList scrambled, answer;
    for (int i = 0; i < ScrambledWordsScreen::kTiles; ++i) {
        if (i >= s.wordLength) {
            if (s.scrambledTiles(i).Visible() || s.answerTiles(i).Visible() ||
                s.flyingTiles(i).Visible())
                findings << QString("scramble: tile %1 shown beyond a word of %2")
                                .arg(i)
                                .arg(s.wordLength);
            continue;
        }
        scrambled << s.scrambledTiles(i).Caption();
        answer << s.answerTiles(i).Caption();
        const QPointF p = placeOf(s.flyingTiles(i));
        const QPointF target = placeOf(s.answerTiles(s.originalPlace[i + 1] - 1));
        if (s.flyingTiles(i).Visible() && p != placeOf(s.scrambledTiles(i)) && p != target)
            ++flying;
    }
    if (flying > 1) findings << QString("scramble: %1 letters fly at once").arg(flying);
    scrambled.sort();
    answer.sort();
    if (scrambled != answer) findings << "scramble: the rows hold different letters";
}

}  // namespace

Invariants::Invariants() {
    qApp->installEventFilter(this);
}

Invariants::~Invariants() {
    qApp->removeEventFilter(this);
}

void Invariants::before() {
    words_.clear();
    before_.clear();
    dragged_.clear();
    dropped_.clear();
    loadedBefore_.clear();
    for (Form* f : forms().loaded()) {
        loadedBefore_.insert(f);
        auto* s = dynamic_cast<LabellingScreen*>(f);
        if (!s) continue;
        WordState& state = before_[s];
        state.window = s->window();
        for (int i = 0; i < s->wordCount(); ++i) {
            words_[s->words(i).widget()] = {s, i};
            state.places.push_back(placeOf(s->words(i)));
        }
    }
}

bool Invariants::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type != QEvent::MouseMove && type != QEvent::MouseButtonRelease) return false;
    if (!watched->isWidgetType()) return false;
    const auto word = words_.find(static_cast<QWidget*>(watched));
    if (word == words_.end()) return false;
    const auto& [screen, index] = word->second;
    if (screen->isUnloaded()) return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const std::pair key(screen, index);
    if (type == QEvent::MouseMove) {
        if (mouse->buttons() == Qt::LeftButton) dragged_.insert(word->first);
        dropped_.erase(key);
    } else {
        // Worked out before the screen handles the release.
        dropped_[key] = dropped(*screen, placeOf(screen->words(index)));
    }
    return false;
}

void Invariants::after(QStringList& findings, const QWidget* held, const Form* closed) {
    checkForms(findings, closed);
    checkWords(findings, held);
    checkButtonsInside(findings);
    checkScreenRules(findings);
}

void Invariants::checkForms(QStringList& findings, const Form* closed) {
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
    std::map<QString, int> windows;
    for (const QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && ++windows[w->objectName()] == 2)
            findings << "two windows of " + w->objectName() + " on screen";
    if (!anyShown) findings << "no window left on screen";
    if (closed && loadedBefore_.count(closed) && std::count(loaded.begin(), loaded.end(), closed) &&
        !closed->window()->isVisible())
        findings << closed->name() + " was closed by the window system but stays loaded";
}

void Invariants::checkWords(QStringList& findings, const QWidget* held) {
    const std::vector<Form*> loaded = forms().loaded();
    for (const auto& [key, place] : dropped_) {
        auto* s = key.first;
        if (std::count(loaded.begin(), loaded.end(), s) == 0) continue;
        const QPointF now = placeOf(s->words(key.second));
        if (now != place)
            findings << s->name() + QString(": word %1 released lies at %2, not at %3")
                                        .arg(key.second)
                                        .arg(at(now), at(place));
    }
    for (Form* f : loaded) {
        auto* s = dynamic_cast<LabellingScreen*>(f);
        if (!s) continue;
        const auto was = before_.find(s);
        const bool same = was != before_.end() && was->second.window == s->window();
        for (int i = 0; i < s->wordCount(); ++i) {
            const QWidget* w = s->words(i).widget();
            const QPointF now = placeOf(s->words(i));
            if (w != held && !onABox(*s, now) && inAnyZone(*s, now))
                findings << s->name() + QString(": word %1 rests at %2, near a box but not on it")
                                            .arg(i)
                                            .arg(at(now));
            if (s->words(i).isShownElsewhere() != (i == s->heldWord()))
                findings << s->name() + QString(": word %1 is drawn away from its place").arg(i);
            if (same && now != was->second.places[i] && !onABox(*s, now) && !dragged_.count(w))
                findings << s->name() +
                                QString(": word %1 moved to %2 without a drag").arg(i).arg(at(now));
        }
    }
}

void Invariants::checkButtonsInside(QStringList& findings) {
    for (const Form* f : forms().loaded()) {
        const QWidget* window = f->window();
        if (!window->isVisible() || f->staysBehind()) continue;
        for (const Control* c : f->controls()) {
            const QWidget* w = c->widget();
            if (!w || !c->listened() || c->mayOverhang() || !w->isVisibleTo(window)) continue;
            const QRect r(w->mapTo(window, QPoint(0, 0)), w->size());
            if (!window->rect().contains(r))
                findings << QString("%1: %2(%3) at %4,%5 %6x%7 leaves the window of %8x%9")
                                .arg(f->name(), c->name())
                                .arg(c->index())
                                .arg(r.x())
                                .arg(r.y())
                                .arg(r.width())
                                .arg(r.height())
                                .arg(window->width())
                                .arg(window->height());
        }
    }
}

void checkScreenRules(QStringList& findings) {
    for (const Form* f : forms().loaded()) {
        if (const auto* s = dynamic_cast<const LabellingScreen*>(f)) checkLabelling(findings, *s);
        if (const auto* c = dynamic_cast<const ConductorsScreen*>(f)) checkCircuits(findings, *c);
        if (const auto* r = dynamic_cast<const PlantReproductionScreen*>(f))
            checkRepro(findings, *r);
        if (const auto* m = dynamic_cast<const MagnetsScreen*>(f)) checkMagnets(findings, *m);
        if (const auto* s = dynamic_cast<const ScrambledWordsScreen*>(f))
            checkScramble(findings, *s);
    }
}

}  // namespace monkey
