// Plant reproduction, true or false: the thirty statements, the lock while the right
// button flashes, and the pointer's path from the menu.
#include "activities/questions/repro.h"

#include "activities/questions/reprotable.h"
#include "menus/menuscreen.h"
#include "tests/support/mouse.h"
#include "tests/support/screentest.h"

using namespace ui;

namespace {

constexpr Colour kYellow = RGB(255, 255, 0);
constexpr Colour kWhite = RGB(255, 255, 255);
constexpr int kTrue = 0, kFalse = 1;
// Label3 on this screen: New Question and Answer the other way round from the others.
constexpr int kExit = 0, kNewQuestion = 1, kAnswer = 2;

double drawFor(int q) {
    return (q + 0.5) / 30;
}

}  // namespace

class ReproTest : public ScreenTest {
  protected:
    repro& openOn(int q) {
        fake->draws = {drawFor(q)};
        return forms().show<repro>();
    }
    void ask(repro& r, int q) {
        fake->draws = {drawFor(q)};
        r.Label3_Click(kNewQuestion);
        ASSERT_EQ(r.questno, q);
    }
};

TEST_F(ReproTest, ThirtyStatementsFromTheTableAndTheEmptyLast) {
    repro& r = openOn(0);
    EXPECT_FALSE(r.Label7(0).Visible()) << "the statement waits for the first tick";
    r.Timer2.fire();
    EXPECT_TRUE(r.Label7(0).Visible());
    EXPECT_FALSE(r.Timer2.Enabled());
    EXPECT_FALSE(r.Image1.picture().isNull());
    EXPECT_TRUE(r.statement[30].isEmpty());
    const int trues[] = {0, 4, 6, 7, 8, 9, 11, 13, 15, 16, 18, 21, 22, 23, 25, 27, 28};
    for (int i = 0; i < 30; ++i) {
        const bool isTrue = std::find(std::begin(trues), std::end(trues), i) != std::end(trues);
        EXPECT_EQ(r.truefalse[i], isTrue ? kTrue : kFalse) << i;
        ask(r, i);
        EXPECT_EQ(r.Label7(0).Caption(), r.statement[i]);
        EXPECT_TRUE(r.Label7(0).Visible()) << "a new question shows at once";
        EXPECT_TRUE(r.Label7(0).captionFitsAt(r.Label7(0).fittedPoints())) << i;
    }
    ask(r, 28);
    EXPECT_EQ(r.Label7(0).Caption(), "Pea seeds are spread by explosion. ") << "trailing blank";
}

TEST_F(ReproTest, WrongAgainThenRightThenLocked) {
    repro& r = openOn(0);  // true
    r.Label1_Click(kFalse);
    r.Label1_Click(kFalse);
    EXPECT_EQ(r.Label7(1).Caption(), "Wrong, Try Again.");
    EXPECT_FALSE(r.Timer1.Enabled());
    r.Label1_Click(kTrue);
    EXPECT_EQ(r.Label7(1).Caption(), "Correct, Well Done!");
    EXPECT_TRUE(r.Timer1.Enabled());
    EXPECT_EQ(r.Timer1.Interval(), 200);

    // Settled: no click on TRUE or FALSE counts, the wrong one included.
    r.Timer1.fire();
    r.Label1_Click(kFalse);
    r.Label1_Click(kTrue);
    EXPECT_EQ(r.Label7(1).Caption(), "Correct, Well Done!");
    EXPECT_TRUE(r.Label7(1).Visible());
    EXPECT_EQ(r.flash, 1);
    EXPECT_EQ(r.Label1(kTrue).ForeColor(), kWhite);
}

TEST_F(ReproTest, AnswerAfterAWrongClickHidesTheTextAndLocks) {
    repro& r = openOn(5);  // false
    r.Label1_Click(kTrue);
    ASSERT_TRUE(r.Label7(1).Visible());
    r.Label3_Click(kAnswer);
    EXPECT_FALSE(r.Label7(1).Visible());
    EXPECT_TRUE(r.Timer1.Enabled());
    r.Label1_Click(kFalse);
    EXPECT_FALSE(r.Label7(1).Visible()) << "locked";
    // Answer again while settled: the text stays hidden, the flashing goes on.
    r.Label3_Click(kAnswer);
    EXPECT_TRUE(r.Timer1.Enabled());
}

TEST_F(ReproTest, FlashingTextAndNewQuestionReleasesTheLock) {
    repro& r = openOn(5);  // false
    r.Label1_Click(kFalse);
    r.Timer1.fire();
    EXPECT_EQ(r.Label1(kFalse).ForeColor(), kWhite);
    EXPECT_EQ(r.Label1(kTrue).ForeColor(), kYellow);
    EXPECT_EQ(r.Label1(kFalse).BackColor(), RGB(0, 0, 0)) << "the fill never changes";
    r.Timer1.fire();
    EXPECT_EQ(r.Label1(kFalse).ForeColor(), kYellow);
    r.Timer1.fire();

    ask(r, 5);  // the same statement again, white at the moment
    EXPECT_EQ(r.Label1(kFalse).ForeColor(), kYellow);
    EXPECT_EQ(r.flash, 0);
    EXPECT_FALSE(r.Timer1.Enabled());
    EXPECT_FALSE(r.Label7(1).Visible());
    r.Label1_Click(kTrue);
    EXPECT_EQ(r.Label7(1).Caption(), "Wrong, Try Again.");
}

TEST_F(ReproTest, ThePointerFromTheMenuToExit) {
    forms().show("intro0");
    auto* menu = static_cast<MenuScreen*>(forms().show("menu2"));
    settle();
    fake->draws = {drawFor(24)};  // dandelions: false
    real::click(menu->Label3(1));
    ASSERT_TRUE(forms().isLoaded<repro>());
    repro& r = forms().get<repro>();
    ASSERT_TRUE(QTest::qWaitFor([&] { return r.Label7(0).Visible(); }, 1000));
    EXPECT_EQ(r.Label7(0).Caption(), "Dandelion seeds are spread by insects.");

    real::click(r.Label1(kTrue));
    EXPECT_EQ(r.Label7(1).Caption(), "Wrong, Try Again.");
    real::click(r.Label1(kFalse));
    EXPECT_EQ(r.Label7(1).Caption(), "Correct, Well Done!");
    ASSERT_TRUE(QTest::qWaitFor([&] { return r.Label1(kFalse).ForeColor() == kWhite; }, 1000));
    real::click(r.Label1(kTrue));
    EXPECT_EQ(r.Label7(1).Caption(), "Correct, Well Done!");

    fake->draws = {drawFor(0)};
    real::click(r.Label3(kNewQuestion));
    EXPECT_EQ(r.Label1(kFalse).ForeColor(), kYellow);
    EXPECT_FALSE(r.Label7(1).Visible());
    real::click(r.Label3(kExit));
    settle();
    EXPECT_FALSE(forms().isLoaded<repro>());
    EXPECT_TRUE(menu->window()->isVisible());
}
