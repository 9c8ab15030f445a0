#pragma once
// What must hold after every event, whatever a pupil did: each broken rule is a finding,
// told in words. The rules of dropping and scoring themselves are the engines' tests' own.
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

// The activities' own state on every loaded screen: the score's wording, one letter in
// flight.
void checkScreenRules(QStringList& findings);

class Invariants {
  public:
    // Before an event: where every word lies, and which forms are loaded.
    void before();
    // After it. `holding` are the widgets the held buttons and the fingers down were pressed
    // on; `closed` the form whose window the window system asked to close, if any.
    void after(QStringList& findings, const std::vector<const QWidget*>& holding,
               const ui::Form* closed);

  private:
    struct WordState {
        QPointer<QWidget> window;  // gone once the screen is deleted
        std::vector<QPointF> places;
    };
    std::map<LabellingScreen*, WordState> before_;
    std::set<const ui::Form*> loadedBefore_;
};

}  // namespace monkey
