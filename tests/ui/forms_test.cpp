// The forms layer's own semantics, where Qt differs from the classic forms the screens were
// designed for: loading, unloading from a handler, timers, values set from code, captions.
#include "tests/support/mouse.h"
#include "tests/support/screentest.h"
#include "tests/support/warnings.h"
#include "ui/choice.h"
#include "ui/controlarray.h"
#include "ui/label.h"
#include "ui/timer.h"

using namespace ui;

namespace {

class Probe : public Form {
  public:
    static constexpr const char* Name = "Probe";
    static inline int loads = 0;
    static inline bool timerOnAfterUnload = true;
    static inline QString captionAfterUnload;
    Probe() : Form(Name) {
        setClientSize(6000, 4000);
        quitLabel.setGeometry(100, 100, 2000, 400);
        quitLabel.setCaption("Quit");
        quitLabel.Click = [this] {
            forms().unload(*this);
            // Still running inside the unloaded form's own handler: it must be intact.
            timerOnAfterUnload = timer.Enabled();
            captionAfterUnload = quitLabel.Caption();
        };
        options.add(0).setGeometry(100, 1000, 1500, 300);
        options.add(1).setGeometry(100, 1400, 1500, 300);
        options.Click = [this](int i) { clicks.push_back(i); };
        timer.Tick = [this] {
            ++ticks;
            timer.setEnabled(false);
        };
    }
    void onLoad() override {
        ++loads;
        // Referring to itself while loading finds the form already loaded.
        forms().get<Probe>().quitLabel.setCaption("Quit now");
    }

    Label quitLabel{*this, "Label1"};
    ControlArray<OptionButton> options{*this, "Option1"};
    Timer timer{*this, 1};
    std::vector<int> clicks;
    int ticks = 0;
};

}  // namespace

using FormsTest = ScreenTest;

TEST_F(FormsTest, LoadsOnceAndUnloadingFromItsOwnHandlerIsSafe) {
    Probe::loads = 0;
    Probe& probe = forms().show<Probe>();
    forms().show<Probe>();
    EXPECT_EQ(Probe::loads, 1);
    EXPECT_EQ(probe.quitLabel.Caption(), "Quit now") << "its load found itself loaded";
    probe.timer.setEnabled(true);
    real::click(probe.quitLabel);
    EXPECT_FALSE(forms().isLoaded<Probe>());
    EXPECT_FALSE(Probe::timerOnAfterUnload) << "unloading stops the form's timers";
    EXPECT_EQ(Probe::captionAfterUnload, "Quit now");
    settle();
    forms().get<Probe>();
    EXPECT_EQ(Probe::loads, 2) << "a new reference loads it again";
}

TEST_F(FormsTest, TimersKeepTheirCountdownAndOneTickTimersStayOnUntilTheirTick) {
    Probe& probe = forms().get<Probe>();
    probe.timer.setInterval(40);
    probe.timer.setEnabled(true);
    passTime(25);
    probe.timer.setEnabled(true);  // on already: the countdown goes on, not restarts
    passTime(14);
    EXPECT_EQ(probe.ticks, 0);
    passTime(1);
    EXPECT_EQ(probe.ticks, 1);
    EXPECT_FALSE(probe.timer.Enabled());

    probe.timer.setInterval(1);
    probe.timer.setEnabled(true);
    EXPECT_TRUE(probe.timer.Enabled()) << "busy until its own tick";
    passTime(1);
    EXPECT_EQ(probe.ticks, 2);
    EXPECT_FALSE(probe.timer.Enabled());

    // Let go, the event loop ticks it; the limit only keeps a broken timer from hanging.
    Timer::setHeld(false);
    probe.timer.setEnabled(true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return probe.ticks == 3; }, 10000));
}

TEST_F(FormsTest, OptionsRaiseClickOnceForTheOneSet) {
    Probe& probe = forms().show<Probe>();
    probe.options(0).setValue(true);  // from code: raises Click
    EXPECT_EQ(probe.clicks, std::vector<int>{0});
    real::click(probe.options(1));
    EXPECT_EQ(probe.clicks, (std::vector<int>{0, 1}));
    EXPECT_FALSE(probe.options(0).Value());
    EXPECT_TRUE(probe.options(1).Value());
}

TEST_F(FormsTest, AHandlerReachingForAMissingMemberDropsItsEventAndTheProgramGoesOn) {
    Probe& probe = forms().show<Probe>();
    probe.options.Click = [&](int i) {
        probe.options(i + 1);  // a wiring fault: there is no member 2
        probe.clicks.push_back(i);
    };
    const ExpectedWarning dropped("a click dropped: no member 2 in control array Option1");
    real::click(probe.options(1));
    real::click(probe.options(0));
    EXPECT_EQ(probe.clicks, std::vector<int>{0}) << "the next event is handled as ever";
    EXPECT_EQ(dropped.seen, 1);
}

TEST_F(FormsTest, RunTimeCopiesTakeTheFirstMembersDesignAndStartHidden) {
    Probe& probe = forms().show<Probe>();
    ControlArray<Label> labels(probe, "Label9");
    Label& first = labels.add(0);
    first.applyDesign({.left = 10,
                       .top = 20,
                       .width = 1500,
                       .height = 400,
                       .caption = "A",
                       .font = {"Tahoma", 12, true},
                       .fore = RGB(1, 2, 3),
                       .back = RGB(4, 5, 6),
                       .opaque = false,
                       .border = true,
                       .enabled = false});
    Label& copy = labels.load(3);
    EXPECT_FALSE(copy.Visible());
    EXPECT_EQ(QSizeF(copy.Width(), copy.Height()), QSizeF(1500, 400));
    EXPECT_EQ(std::pair(copy.ForeColor(), copy.BackColor()), std::pair(RGB(1, 2, 3), RGB(4, 5, 6)));
    EXPECT_TRUE(!copy.opaque() && copy.border() && !copy.Enabled());
    EXPECT_EQ(copy.font().points, 12);
    EXPECT_EQ(&labels.load(3), &copy) << "loading an existing member gives it back";
}
