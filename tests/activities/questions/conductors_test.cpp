// Insulators and conductors: the materials, the outcome pictures and the flashing of the
// right answer button.
#include "activities/files/filescreens.h"
#include "menus/topicmenu.h"
#include "tests/support/mouse.h"
#include "tests/support/questiontest.h"

using namespace ui;
using Circuits = activityfiles::FileQuestionsScreen;

namespace {

constexpr Colour kBlue = RGB(0, 0, 255);
constexpr Colour kBlack = RGB(0, 0, 0);
constexpr int kInsulator = 0, kConductor = 1;
constexpr int kAnswer = 1, kNewQuestion = 2;
constexpr int kGraphite = 5, kGlass = 9;

}  // namespace

class ConductorsTest : public QuestionTest {
  protected:
    ConductorsTest() : QuestionTest(11) {}
};

TEST_F(ConductorsTest, ElevenMaterialsAndTheirOutcomes) {
    Circuits& c = openOn<Circuits>("circuits", 0);
    const char* names[] = {"aluminium", "iron",   "gold",    "copper", "brass", "graphite",
                           "wood",      "bamboo", "plastic", "glass",  "rubber"};
    for (int q = 10; q >= 0; --q) {
        ask(c, q);
        EXPECT_EQ(c.messages(1).Caption(),
                  QString("Is %1 an insulator or a conductor?").arg(names[q]));
        EXPECT_TRUE(shows(c.pictures(1), QString("Images\\%1.bmp").arg(names[q])));
        EXPECT_TRUE(shows(c.pictures(0), "Images\\circuitoff.bmp"));
        // What a screen reader says of each.
        EXPECT_EQ(c.pictures(1).Description(),
                  QString("A strip of %1 across the gap").arg(names[q]));
        EXPECT_EQ(c.pictures(0).Description(),
                  "A circuit of a battery, a bulb and a gap between two clips");
        EXPECT_EQ(c.rightAnswer, q <= 5 ? kConductor : kInsulator) << names[q];
        EXPECT_TRUE(c.messages(1).captionFitsAt(c.messages(1).fittedPoints()));
        // A wrong answer leaves the circuit waiting; the right one lights the bulb or not.
        c.answerClicked(1 - c.rightAnswer);
        EXPECT_TRUE(shows(c.pictures(0), "Images\\circuitoff.bmp"));
        c.answerClicked(c.rightAnswer);
        EXPECT_TRUE(
            shows(c.pictures(0), q <= 5 ? "Images\\circuiton.bmp" : "Images\\circuitno.bmp"));
        EXPECT_EQ(c.pictures(0).Description(),
                  q <= 5 ? "The circuit is complete: current flows and the bulb lights"
                         : "No current flows: the bulb stays dark");
    }
}

TEST_F(ConductorsTest, ThePointerAnswersAndTheRightButtonFlashesInItsPhases) {
    forms().show("intro0");
    auto* menu = static_cast<TopicMenu*>(forms().show("menu3"));
    fake->draws = {drawFor(kGraphite)};
    real::click(menu->topics(0));
    ASSERT_TRUE(forms().isLoaded("circuits"));
    Circuits& c = dynamic_cast<Circuits&>(*forms().find("circuits"));
    real::click(c.answerButtons(kInsulator));
    EXPECT_EQ(c.messages(2).Caption(), "Wrong, Try Again");
    real::click(c.answerButtons(kConductor));
    EXPECT_EQ(c.messages(2).Caption(), "Correct!  Well Done");

    // The first tick comes 1 ms after the answer and is blue; then each phase lasts 250 ms,
    // and only the right button flashes.
    passTime(1);
    EXPECT_EQ(c.flash, 1);
    EXPECT_EQ(c.answerButtons(kConductor).BackColor(), kBlue);
    passTime(249);
    EXPECT_EQ(c.flash, 1);
    passTime(1);
    EXPECT_EQ(c.answerButtons(kConductor).BackColor(), kBlack);
    EXPECT_EQ(c.answerButtons(kInsulator).BackColor(), kBlue);

    // New Question in the black phase: both blue, stopped, phase 0.
    fake->draws = {drawFor(kGlass)};
    real::click(c.commands(kNewQuestion));
    passTime(300);
    EXPECT_EQ(c.answerButtons(kConductor).BackColor(), kBlue);
    EXPECT_EQ(c.flash, 0);
    // Answer shows the outcome without praise, and later starts wait 250 ms for their first
    // tick; a wrong click while flashing says so, and the flashing goes on.
    real::click(c.commands(kAnswer));
    EXPECT_TRUE(shows(c.pictures(0), "Images\\circuitno.bmp"));
    EXPECT_FALSE(c.messages(2).Visible());
    real::click(c.answerButtons(kConductor));
    EXPECT_EQ(c.messages(2).Caption(), "Wrong, Try Again");
    passTime(249);
    EXPECT_EQ(c.flash, 0);
    passTime(1);
    EXPECT_EQ(c.answerButtons(kInsulator).BackColor(), kBlue);
}
