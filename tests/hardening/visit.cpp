#include "tests/hardening/visit.h"

#include <QCoreApplication>

#include "activities/labelling/labellingscreen.h"
#include "activities/questions/circuits.h"
#include "activities/questions/magnets.h"
#include "activities/questions/repro.h"
#include "activities/wordgame/scramble.h"
#include "app/intro0.h"
#include "app/titlefrm.h"
#include "jotter/notepad.h"
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
        if (q > 0) s.Label3_Click(s.commandIndex(questions::Command::NewQuestion));
        s.Label4_Click((s.rightans + 1) % 3);
        s.Label4_Click(s.rightans);
        s.Label3_Click(s.commandIndex(questions::Command::Answer));
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

    Titlefrm& title = forms().show<Titlefrm>();
    runTimers(title, 41);  // the opening pictures, once round, when they play
    settle();
    snap(title, "");
    title.Command1_Click();
    settle();

    intro0& main = forms().get<intro0>();
    main.Check1.setValue(1);
    main.Check1.setValue(0);
    settle();
    snap(main, "");
    main.cmdjotter_Click();
    notepad& pad = forms().get<notepad>();
    pad.Command3_Click();
    pad.Command4_Click();
    settle();
    snap(pad, "");
    pad.Command1_Click();

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
        s.Label3_Click(2);
        settle();
        snap(s, "");
        s.Label3_Click(0);
        settle();
    }

    everyMagnetsQuestion<magnets>(fake, snap);
    everyMagnetsQuestion<magnets2>(fake, snap);

    for (int q = 0; q < 11; ++q) {
        fake.draws = {(q + 0.5) / 11};
        circuits& c = forms().show<circuits>();
        if (q > 0) c.Label3_Click(c.commandIndex(questions::Command::NewQuestion));
        c.Label4_Click(1 - c.rightans);
        c.Label4_Click(c.rightans);  // the outcome picture
        c.Timer1.fire();
        c.Timer1.fire();
        settle();
        snap(c, QString("material %1").arg(q));
    }
    forms().unload<circuits>();

    repro& r = forms().show<repro>();
    runTimers(r, 1);
    r.Label1_Click(1 - r.truefalse[r.questno]);
    r.Label1_Click(r.truefalse[r.questno]);
    r.Timer1.fire();
    settle();
    snap(r, "");
    forms().unload<repro>();

    scramble& s = forms().show<scramble>();
    runTimers(s, 3);
    for (int c = 0; c < 3; ++c) {
        s.Option1(c).setValue(true);
        runTimers(s, 3);
        s.Label3_Click(2);  // Show Answer: every letter flies
        runTimers(s, 41 * scramble::kTiles + 2);
        s.Label3_Click(1);
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
