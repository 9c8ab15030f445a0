#pragma once
// What must hold after every event, whatever a pupil did: each broken rule is a finding,
// told in words.
#include <QObject>
#include <QPointF>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <map>
#include <set>
#include <vector>

class LabellingScreen;

namespace ui {
class Form;
}

namespace monkey {

// The rules of the activities' own state (scores, questions, the scramble animation) on
// every loaded screen.
void checkScreenRules(QStringList& findings);

// Watches the mouse events that reach the draggable words during one event, and checks the
// rules once the event has been handled.
class Invariants : public QObject {
  public:
    Invariants();
    ~Invariants() override;

    // Before an event: where every word lies, and which forms are loaded.
    void before();
    // After it. `held` is the widget the held buttons were pressed on (null when no button
    // is held); `closed` the form whose window the window system asked to close, if any.
    void after(QStringList& findings, const QWidget* held, const ui::Form* closed);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct WordRef {
        LabellingScreen* screen;
        int index;
    };
    struct WordState {
        QPointer<QWidget> window;  // gone once the screen is deleted
        std::vector<QPointF> places;
    };

    void checkForms(QStringList& findings, const ui::Form* closed);
    void checkWords(QStringList& findings, const QWidget* held);
    void checkButtonsInside(QStringList& findings);

    std::map<const QWidget*, WordRef> words_;  // each word's widget, for the event filter
    std::map<LabellingScreen*, WordState> before_;
    std::set<const QWidget*> dragged_;  // words moved by the left button alone
    // Where a released word must lie: the drop rule worked out afresh.
    std::map<std::pair<LabellingScreen*, int>, QPointF> dropped_;
    std::set<const ui::Form*> loadedBefore_;
};

}  // namespace monkey
