#include "tests/hardening/visit.h"

#include <QCoreApplication>

#include "activities/labelling/labellingscreen.h"
#include "activities/questions/conductorsscreen.h"
#include "activities/questions/magnetsscreen.h"
#include "activities/questions/plantreproductionscreen.h"
#include "activities/wordgame/scrambledwordsscreen.h"
#include "app/mainscreen.h"
#include "app/titlescreen.h"
#include "jotter/jotter.h"
#include "tests/monkey/invariants.h"
#include "tests/support/fakeplatform.h"
#include "ui/choice.h"
#include "ui/commandbutton.h"
#include "ui/formregistry.h"
#include "ui/label.h"
#include "ui/timer.h"

using namespace ui;

namespace hardening {

namespace {

void settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

QString captionOf(const Control& c) {
    if (const auto* l = dynamic_cast<const Label*>(&c)) return l->Caption();
    if (const auto* b = dynamic_cast<const CommandButton*>(&c)) return b->Caption();
    if (const auto* o = dynamic_cast<const ChoiceControl*>(&c)) return o->Caption();
    return {};
}

// Ticks a screen's running timers until they stop, or a tick limit for those that never do.
void runTimers(Form& f, int limit) {
    for (int i = 0; i < limit; ++i) {
        bool any = false;
        for (Timer* t : f.timers())
            if (t->Enabled()) {
                t->fire();
                any = true;
            }
        if (!any) return;
    }
}

// Both magnets sections, every question, each answered wrongly and then rightly.
template <class Section>
void everyMagnetsQuestion(FakePlatform& fake, const std::function<void(Form&, QString)>& snap) {
    for (int q = 0; q < 8; ++q) {
        fake.draws = {(q + 0.5) / 8};
        Section& s = forms().show<Section>();
        if (q > 0) s.commandClicked(s.commandIndex(questions::Command::NewQuestion));
        s.answerClicked((s.rightAnswer + 1) % 3);
        s.answerClicked(s.rightAnswer);
        s.commandClicked(s.commandIndex(questions::Command::Answer));
        settle();
        snap(s, QString("question %1").arg(q));
    }
    forms().unload<Section>();
    settle();
}

}  // namespace

Walk visitEverything(FakePlatform& fake) {
    Walk walk;
    const auto snap = [&walk](Form& f, const QString& step) {
        walk.layout << QString("%1 %2: %3 x %4 at %5, %6")
                           .arg(f.name(), step)
                           .arg(f.Width())
                           .arg(f.Height())
                           .arg(f.Left())
                           .arg(f.Top());
        for (const Control* c : f.controls())
            walk.layout << QString("  %1(%2) %3 %4 %5 %6 %7%8 \"%9\"")
                               .arg(c->name())
                               .arg(c->index())
                               .arg(c->Left())
                               .arg(c->Top())
                               .arg(c->Width())
                               .arg(c->Height())
                               .arg(c->Visible() ? "shown" : "hidden")
                               .arg(c->Enabled() ? "" : " disabled")
                               .arg(captionOf(*c));
        monkey::checkScreenRules(walk.findings);
    };

    TitleScreen& title = forms().show<TitleScreen>();
    runTimers(title, 41);  // the opening pictures, once round, when they play
    settle();
    snap(title, "");
    title.okClicked();
    settle();

    MainScreen& main = forms().get<MainScreen>();
    main.hideDesktop.setValue(1);
    main.hideDesktop.setValue(0);
    settle();
    snap(main, "");
    main.jotterClicked();
    Jotter& pad = forms().get<Jotter>();
    pad.flipClicked();
    pad.portraitFlipClicked();
    settle();
    snap(pad, "");
    pad.exitClicked();

    for (const char* menu : {"menu1", "menu2", "menu3", "menu4", "menu5"}) {
        Form* m = forms().show(menu);
        settle();
        snap(*m, "");
        forms().unload(*m);
        settle();
    }

    for (const char* name : {"boneslab", "puberty", "healthy"}) {
        auto& s = dynamic_cast<LabellingScreen&>(*forms().show(name));
        runTimers(s, 5);
        s.commandClicked(2);
        settle();
        snap(s, "");
        s.commandClicked(0);
        settle();
    }

    everyMagnetsQuestion<TwoMagnetsScreen>(fake, snap);
    everyMagnetsQuestion<MagnetAndMaterialScreen>(fake, snap);

    for (int q = 0; q < 11; ++q) {
        fake.draws = {(q + 0.5) / 11};
        ConductorsScreen& c = forms().show<ConductorsScreen>();
        if (q > 0) c.commandClicked(c.commandIndex(questions::Command::NewQuestion));
        c.answerClicked(1 - c.rightAnswer);
        c.answerClicked(c.rightAnswer);  // the outcome picture
        c.flashTimer.fire();
        c.flashTimer.fire();
        settle();
        snap(c, QString("material %1").arg(q));
    }
    forms().unload<ConductorsScreen>();

    PlantReproductionScreen& r = forms().show<PlantReproductionScreen>();
    runTimers(r, 1);
    r.answerClicked(1 - r.rightAnswers[r.questionNumber]);
    r.answerClicked(r.rightAnswers[r.questionNumber]);
    r.flashTimer.fire();
    settle();
    snap(r, "");
    forms().unload<PlantReproductionScreen>();

    ScrambledWordsScreen& s = forms().show<ScrambledWordsScreen>();
    runTimers(s, 3);
    for (int c = 0; c < 3; ++c) {
        s.categories(c).setValue(true);
        runTimers(s, 3);
        s.commandClicked(2);  // Show Answer: every letter flies
        runTimers(s, 41 * ScrambledWordsScreen::kTiles + 2);
        s.commandClicked(1);
        runTimers(s, 3);
        settle();
        snap(s, QString("category %1").arg(c));
    }
    forms().clear();
    settle();
    return walk;
}

QStringList withoutWords(const QStringList& layout) {
    QStringList out;
    bool inScramble = false;
    for (const QString& line : layout) {
        if (!line.startsWith("  ")) inScramble = line.startsWith("scramble ");
        const bool tile = line.startsWith("  Label5(") || line.startsWith("  Label6(") ||
                          line.startsWith("  Label7(") || line.startsWith("  Option1(");
        if (!(inScramble && tile)) out << line;
    }
    return out;
}

}  // namespace hardening
