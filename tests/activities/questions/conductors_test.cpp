// Insulators and conductors: the materials, the outcome pictures and the flashing of the
// right answer button.
#include <QElapsedTimer>

#include "activities/questions/conductorsscreen.h"
#include "menus/topicmenu.h"
#include "tests/support/mouse.h"
#include "tests/support/screentest.h"

using namespace ui;

namespace {

constexpr Colour kBlue = RGB(0, 0, 255);
constexpr Colour kBlack = RGB(0, 0, 0);
constexpr int kInsulator = 0, kConductor = 1;
constexpr int kExit = 0, kAnswer = 1, kNewQuestion = 2;
constexpr int kGraphite = 5, kGlass = 9;

double drawFor(int q) {
    return (q + 0.5) / 11;
}

bool shows(const PictureBox& slot, const char* file) {
    const auto expected = LoadPicture(file);
    return expected && !slot.picture().isNull() && slot.picture().toImage() == expected->toImage();
}

}  // namespace

class ConductorsTest : public ScreenTest {
  protected:
    ConductorsScreen& openOn(int q) {
        fake->draws = {drawFor(q)};
        return forms().show<ConductorsScreen>();
    }
    void ask(ConductorsScreen& c, int q) {
        fake->draws = {drawFor(q)};
        c.commandClicked(kNewQuestion);
        ASSERT_EQ(c.questionNumber, q);
    }
};

TEST_F(ConductorsTest, ElevenMaterialsMatchTheirTable) {
    ConductorsScreen& c = openOn(0);
    const char* names[] = {"aluminium", "iron",   "gold",    "copper", "brass", "graphite",
                           "wood",      "bamboo", "plastic", "glass",  "rubber"};
    for (int q = 10; q >= 0; --q) {
        ask(c, q);
        EXPECT_EQ(c.messages(1).Caption(),
                  QString("Is %1 an insulator or a conductor?").arg(names[q]));
        EXPECT_TRUE(shows(c.pictures(1), qPrintable(QString("Images\\%1.bmp").arg(names[q]))));
        EXPECT_TRUE(shows(c.pictures(0), "Images\\circuitoff.bmp"));
        EXPECT_EQ(c.rightAnswer, q <= 5 ? kConductor : kInsulator) << names[q];
        EXPECT_TRUE(c.messages(1).captionFitsAt(c.messages(1).fittedPoints()));
    }
}

TEST_F(ConductorsTest, WrongThenRightShowsTheOutcome) {
    ConductorsScreen& c = openOn(kGraphite);
    c.answerClicked(kInsulator);
    EXPECT_TRUE(shows(c.pictures(0), "Images\\circuitoff.bmp"));
    EXPECT_FALSE(c.flashTimer.Enabled());
    c.answerClicked(kConductor);
    EXPECT_TRUE(shows(c.pictures(0), "Images\\circuiton.bmp"));

    ask(c, kGlass);
    EXPECT_FALSE(c.messages(2).Visible());
    EXPECT_TRUE(shows(c.pictures(0), "Images\\circuitoff.bmp"));
    c.answerClicked(kInsulator);
    EXPECT_TRUE(shows(c.pictures(0), "Images\\circuitno.bmp"));
}

TEST_F(ConductorsTest, FlashingPhasesAndNewQuestionRestoresBlue) {
    ConductorsScreen& c = openOn(kGraphite);
    c.answerClicked(kConductor);
    // The first tick sets blue and the 250 ms that holds from then on.
    c.flashTimer.fire();
    EXPECT_EQ(c.flashTimer.Interval(), 250);
    EXPECT_EQ(c.flash, 1);
    EXPECT_EQ(c.answerButtons(kConductor).BackColor(), kBlue);
    c.flashTimer.fire();
    EXPECT_EQ(c.flash, 0);
    EXPECT_EQ(c.answerButtons(kConductor).BackColor(), kBlack);
    EXPECT_EQ(c.answerButtons(kInsulator).BackColor(), kBlue) << "only the right button flashes";

    // New Question in the black phase: both blue, stopped, phase 0.
    ask(c, kGlass);
    EXPECT_FALSE(c.flashTimer.Enabled());
    EXPECT_EQ(c.flash, 0);
    EXPECT_EQ(c.answerButtons(kConductor).BackColor(), kBlue);
    EXPECT_EQ(c.answerButtons(kInsulator).BackColor(), kBlue);
    EXPECT_EQ(c.flashTimer.Interval(), 250) << "later starts wait 250 ms for the first tick";
    c.answerClicked(kInsulator);
    c.flashTimer.fire();
    EXPECT_EQ(c.answerButtons(kInsulator).BackColor(), kBlue);
    c.flashTimer.fire();
    EXPECT_EQ(c.answerButtons(kInsulator).BackColor(), kBlack);
}

TEST_F(ConductorsTest, AnswerStartsTheOutcomeWithoutPraise) {
    ConductorsScreen& c = openOn(kGlass);
    c.commandClicked(kAnswer);
    EXPECT_TRUE(shows(c.pictures(0), "Images\\circuitno.bmp"));
    EXPECT_TRUE(c.flashTimer.Enabled());
    EXPECT_FALSE(c.messages(2).Visible());
    c.flashTimer.fire();
    c.flashTimer.fire();
    // A wrong click while flashing says so; the flashing goes on.
    c.answerClicked(kConductor);
    EXPECT_EQ(c.messages(2).Caption(), "Wrong, Try Again");
    EXPECT_TRUE(c.messages(2).Visible());
    EXPECT_TRUE(c.flashTimer.Enabled());
    EXPECT_TRUE(shows(c.pictures(0), "Images\\circuitno.bmp"));
    // A right click keeps the rate and the phase.
    c.answerClicked(kInsulator);
    EXPECT_EQ(c.messages(2).Caption(), "Correct!  Well Done");
    EXPECT_TRUE(c.flashTimer.Enabled());
    EXPECT_EQ(c.flashTimer.Interval(), 250);
    EXPECT_EQ(c.flash, 0);
    EXPECT_EQ(c.answerButtons(kInsulator).BackColor(), kBlack);
}

TEST_F(ConductorsTest, ExitDuringFlashingAndTheNextVisitStartsCalm) {
    ConductorsScreen& c = openOn(kGraphite);
    c.answerClicked(kConductor);
    c.flashTimer.fire();
    c.flashTimer.fire();
    c.commandClicked(kExit);
    settle();
    EXPECT_FALSE(forms().isLoaded<ConductorsScreen>());
    ConductorsScreen& again = openOn(kGraphite);
    EXPECT_FALSE(again.flashTimer.Enabled());
    EXPECT_EQ(again.flashTimer.Interval(), 1);
    EXPECT_EQ(again.answerButtons(kConductor).BackColor(), kBlue);
}

TEST_F(ConductorsTest, MissingPicturesLeaveTheirSlotsEmpty) {
    const QString dir = useCopyOfRunFolder();
    QFile::remove(dir + "/Images/circuiton.bmp");
    QFile::remove(dir + "/Images/gold.bmp");
    ConductorsScreen& c = openOn(2);
    EXPECT_TRUE(c.pictures(1).picture().isNull());
    EXPECT_FALSE(c.pictures(0).picture().isNull());
    c.answerClicked(kConductor);
    EXPECT_TRUE(c.pictures(0).picture().isNull()) << "no waiting circuit left behind";
    EXPECT_TRUE(c.flashTimer.Enabled());
    c.flashTimer.fire();
}

TEST_F(ConductorsTest, ThePointerAnswersAndTheButtonFlashesInRealTime) {
    forms().show("intro0");
    auto* menu = static_cast<TopicMenu*>(forms().show("menu3"));
    settle();
    fake->draws = {drawFor(kGraphite)};
    real::click(menu->topics(0));
    ASSERT_TRUE(forms().isLoaded<ConductorsScreen>());
    ConductorsScreen& c = forms().get<ConductorsScreen>();
    settle();
    real::click(c.answerButtons(kInsulator));
    EXPECT_EQ(c.messages(2).Caption(), "Wrong, Try Again");
    real::click(c.answerButtons(kConductor));
    EXPECT_EQ(c.messages(2).Caption(), "Correct!  Well Done");

    // The first tick comes at once and is blue; then each phase lasts 250 ms.
    ASSERT_TRUE(QTest::qWaitFor([&] { return c.flash == 1; }, 1000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return c.flash == 0; }, 2000));
    QElapsedTimer phase;
    phase.start();
    EXPECT_EQ(c.answerButtons(kConductor).BackColor(), kBlack);
    ASSERT_TRUE(QTest::qWaitFor([&] { return c.flash == 1; }, 2000));
    EXPECT_GE(phase.elapsed(), 200);
    EXPECT_EQ(c.answerButtons(kConductor).BackColor(), kBlue);

    fake->draws = {drawFor(kGlass)};
    real::click(c.commands(kNewQuestion));
    EXPECT_FALSE(c.flashTimer.Enabled());
    QTest::qWait(300);
    EXPECT_EQ(c.answerButtons(kConductor).BackColor(), kBlue);
    EXPECT_EQ(c.flash, 0);
}
