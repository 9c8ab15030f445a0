#include "tests/hardening/visit.h"

#include "activities/labelling/labellingscreen.h"
#include "activities/questions/conductorsscreen.h"
#include "activities/questions/magnetsscreen.h"
#include "activities/questions/plantreproductionscreen.h"
#include "activities/wordgame/scrambledwordsscreen.h"
#include "app/mainscreen.h"
#include "app/titlescreen.h"
#include "jotter/jotter.h"
#include "tests/monkey/invariants.h"
#include "tests/support/screentest.h"
#include "ui/timer.h"

using namespace ui;

namespace hardening {

namespace {

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

// Every question of a question screen, each answered wrongly, then rightly, then revealed.
template <class S>
void everyQuestion(FakePlatform& fake, int count, const std::function<int(S&)>& rightAnswer,
                   const std::function<void(Form&, QString)>& snap) {
    for (int q = 0; q < count; ++q) {
        fake.draws = {(q + 0.5) / count};
        S& s = forms().show<S>();
        runTimers(s, 1);
        if (q > 0) s.commandClicked(s.commandIndex(questions::Command::NewQuestion));
        s.answerClicked(rightAnswer(s) == 0 ? 1 : 0);
        s.answerClicked(rightAnswer(s));
        s.commandClicked(s.commandIndex(questions::Command::Answer));
        runTimers(s, 2);
        ScreenTest::settle();
        snap(s, QString("question %1").arg(q));
    }
    forms().unload<S>();
    ScreenTest::settle();
}

}  // namespace

Walk visitEverything(FakePlatform& fake) {
    Walk walk;
    const auto snap = [&walk](Form& f, const QString& step) {
        walk.layout << QString::asprintf("%s %s: %g x %g at %g, %g", qPrintable(f.name()),
                                         qPrintable(step), f.Width(), f.Height(), f.Left(),
                                         f.Top());
        for (const Control* c : f.controls())
            walk.layout << QString::asprintf(
                "  %s(%d) %g %g %g %g %s%s \"%s\"", qPrintable(c->name()), c->index(), c->Left(),
                c->Top(), c->Width(), c->Height(), c->Visible() ? "shown" : "hidden",
                c->Enabled() ? "" : " disabled", qPrintable(c->shownCaption()));
        monkey::checkScreenRules(walk.findings);
    };

    TitleScreen& title = forms().show<TitleScreen>();
    runTimers(title, 41);  // the opening pictures, once round, when they play
    ScreenTest::settle();
    snap(title, "");
    title.okClicked();
    ScreenTest::settle();

    MainScreen& main = forms().get<MainScreen>();
    main.hideDesktop.setValue(1);
    main.hideDesktop.setValue(0);
    ScreenTest::settle();
    snap(main, "");
    main.jotterClicked();
    Jotter& pad = forms().get<Jotter>();
    pad.flipClicked();
    pad.portraitFlipClicked();
    ScreenTest::settle();
    snap(pad, "");
    pad.exitClicked();

    for (const char* name :
         {"menu1", "menu2", "menu3", "menu4", "menu5", "boneslab", "puberty", "healthy"}) {
        Form* f = forms().show(name);
        runTimers(*f, 5);
        if (auto* s = dynamic_cast<LabellingScreen*>(f)) s->commandClicked(2);
        ScreenTest::settle();
        snap(*f, "");
        forms().unload(*f);
        ScreenTest::settle();
    }

    const auto right = [](MagnetsScreen& s) { return int(s.rightAnswer); };
    everyQuestion<TwoMagnetsScreen>(fake, 8, right, snap);
    everyQuestion<MagnetAndMaterialScreen>(fake, 8, right, snap);
    everyQuestion<ConductorsScreen>(
        fake, 11, [](ConductorsScreen& s) { return int(s.rightAnswer); }, snap);
    everyQuestion<PlantReproductionScreen>(
        fake, 30, [](PlantReproductionScreen& s) { return int(s.rightAnswers[s.questionNumber]); },
        snap);

    ScrambledWordsScreen& s = forms().show<ScrambledWordsScreen>();
    runTimers(s, 3);
    for (int c = 0; c < 3; ++c) {
        s.categories(c).setValue(true);
        runTimers(s, 3);
        s.commandClicked(2);  // Show Answer: every letter flies
        runTimers(s, 41 * ScrambledWordsScreen::kTiles + 2);
        s.commandClicked(1);
        runTimers(s, 3);
        ScreenTest::settle();
        snap(s, QString("category %1").arg(c));
    }
    forms().clear();
    ScreenTest::settle();
    return walk;
}

}  // namespace hardening
