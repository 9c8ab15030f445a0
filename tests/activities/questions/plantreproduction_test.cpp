// Plant reproduction, true or false: the thirty statements, the lock while the right
// button flashes, and the pointer's path from the menu.
#include "activities/files/filescreens.h"
#include "menus/topicmenu.h"
#include "tests/support/mouse.h"
#include "tests/support/questiontest.h"

using namespace ui;
using PlantReproduction = activityfiles::FileTrueFalseScreen;

namespace {

constexpr Colour kYellow = RGB(255, 255, 0);
constexpr Colour kWhite = RGB(255, 255, 255);
constexpr int kTrue = 0, kFalse = 1;
// The command buttons on this screen: Answer comes after New Question here.
constexpr int kExit = 0, kAnswer = 2;

}  // namespace

class PlantReproductionTest : public QuestionTest {
  protected:
    PlantReproductionTest() : QuestionTest(30) {}
};

TEST_F(PlantReproductionTest, ThirtyStatementsFromTheTableAndTheEmptyLast) {
    PlantReproduction& r = openOn<PlantReproduction>("repro", 29);
    EXPECT_FALSE(r.messages(0).Visible()) << "the statement waits for the first tick";
    passTime(1);
    EXPECT_TRUE(r.messages(0).Visible());
    EXPECT_FALSE(r.picture.picture().isNull());
    EXPECT_TRUE(r.statement[30].isEmpty());
    const int trues[] = {0, 4, 6, 7, 8, 9, 11, 13, 15, 16, 18, 21, 22, 23, 25, 27, 28};
    for (int i = 0; i < 30; ++i) {
        const bool isTrue = std::find(std::begin(trues), std::end(trues), i) != std::end(trues);
        EXPECT_EQ(r.rightAnswers[i], isTrue ? kTrue : kFalse) << i;
        ask(r, i);
        EXPECT_TRUE(r.messages(0).Visible()) << "a new question shows at once";
        EXPECT_TRUE(r.messages(0).captionFitsAt(r.messages(0).fittedPoints())) << i;
    }
    ask(r, 28);
    EXPECT_EQ(r.messages(0).Caption(), "Pea seeds are spread by explosion. ") << "trailing blank";
}

TEST_F(PlantReproductionTest, RightLocksBothButtonsUntilTheNextStatement) {
    PlantReproduction& r = openOn<PlantReproduction>("repro", 5);  // false
    r.answerClicked(kTrue);
    r.answerClicked(kTrue);
    EXPECT_EQ(r.messages(1).Caption(), "Wrong, Try Again.");
    EXPECT_FALSE(r.flashTimer.Enabled());
    r.answerClicked(kFalse);
    EXPECT_EQ(r.messages(1).Caption(), "Correct, Well Done!");
    // Settled: no click on TRUE or FALSE counts, the wrong one included. Only the right
    // button's text flashes; its fill never changes.
    r.flashTimer.fire();
    r.answerClicked(kTrue);
    EXPECT_EQ(r.messages(1).Caption(), "Correct, Well Done!");
    EXPECT_EQ(r.answerButtons(kFalse).ForeColor(), kWhite);
    EXPECT_EQ(r.answerButtons(kTrue).ForeColor(), kYellow);
    EXPECT_EQ(r.answerButtons(kFalse).BackColor(), RGB(0, 0, 0));
    // The next statement, another false one, while FALSE is white: yellow, still, unlocked.
    ask(r, 10);
    EXPECT_EQ(r.answerButtons(kFalse).ForeColor(), kYellow);
    EXPECT_FALSE(r.flashTimer.Enabled() || r.messages(1).Visible());
    r.answerClicked(kTrue);
    EXPECT_EQ(r.messages(1).Caption(), "Wrong, Try Again.");
    // Answer after a wrong click hides the text and locks too.
    r.commandClicked(kAnswer);
    r.answerClicked(kFalse);
    EXPECT_FALSE(r.messages(1).Visible());
    EXPECT_TRUE(r.flashTimer.Enabled());
}

TEST_F(PlantReproductionTest, ThePointerFromTheMenuToExit) {
    forms().show("intro0");
    auto* menu = static_cast<TopicMenu*>(forms().show("menu2"));
    fake->draws = {drawFor(24)};  // dandelions: false
    real::click(menu->topics(1));
    ASSERT_TRUE(forms().isLoaded("repro"));
    PlantReproduction& r = dynamic_cast<PlantReproduction&>(*forms().find("repro"));
    passTime(1);
    EXPECT_EQ(r.messages(0).Caption(), "Dandelion seeds are spread by insects.");
    real::click(r.answerButtons(kTrue));
    EXPECT_EQ(r.messages(1).Caption(), "Wrong, Try Again.");
    real::click(r.answerButtons(kFalse));
    EXPECT_EQ(r.messages(1).Caption(), "Correct, Well Done!");
    passTime(199);
    EXPECT_EQ(r.answerButtons(kFalse).ForeColor(), kYellow);
    passTime(1);
    EXPECT_EQ(r.answerButtons(kFalse).ForeColor(), kWhite) << "the first tick after 200 ms";
    real::click(r.commands(kExit));
    EXPECT_FALSE(forms().isLoaded("repro"));
}
