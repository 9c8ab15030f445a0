// Insulators and conductors: the materials, the outcome pictures and the flashing of the
// right answer button.
#include "activities/questions/circuits.h"

#include <QElapsedTimer>

#include "menus/menuscreen.h"
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

class CircuitsTest : public ScreenTest {
  protected:
    circuits& openOn(int q) {
        fake->draws = {drawFor(q)};
        return forms().show<circuits>();
    }
    void ask(circuits& c, int q) {
        fake->draws = {drawFor(q)};
        c.Label3_Click(kNewQuestion);
        ASSERT_EQ(c.questno, q);
    }
};

TEST_F(CircuitsTest, ElevenMaterialsMatchTheirTable) {
    circuits& c = openOn(0);
    const char* names[] = {"aluminium", "iron",   "gold",    "copper", "brass", "graphite",
                           "wood",      "bamboo", "plastic", "glass",  "rubber"};
    for (int q = 10; q >= 0; --q) {
        ask(c, q);
        EXPECT_EQ(c.Label5(1).Caption(),
                  QString("Is %1 an insulator or a conductor?").arg(names[q]));
        EXPECT_TRUE(shows(c.Image1(1), qPrintable(QString("Images\\%1.bmp").arg(names[q]))));
        EXPECT_TRUE(shows(c.Image1(0), "Images\\circuitoff.bmp"));
        EXPECT_EQ(c.rightans, q <= 5 ? kConductor : kInsulator) << names[q];
        EXPECT_TRUE(c.Label5(1).captionFitsAt(c.Label5(1).fittedPoints()));
    }
}

TEST_F(CircuitsTest, WrongThenRightShowsTheOutcome) {
    circuits& c = openOn(kGraphite);
    c.Label4_Click(kInsulator);
    EXPECT_TRUE(shows(c.Image1(0), "Images\\circuitoff.bmp"));
    EXPECT_FALSE(c.Timer1.Enabled());
    c.Label4_Click(kConductor);
    EXPECT_TRUE(shows(c.Image1(0), "Images\\circuiton.bmp"));

    ask(c, kGlass);
    EXPECT_FALSE(c.Label5(2).Visible());
    EXPECT_TRUE(shows(c.Image1(0), "Images\\circuitoff.bmp"));
    c.Label4_Click(kInsulator);
    EXPECT_TRUE(shows(c.Image1(0), "Images\\circuitno.bmp"));
}

TEST_F(CircuitsTest, FlashingPhasesAndNewQuestionRestoresBlue) {
    circuits& c = openOn(kGraphite);
    c.Label4_Click(kConductor);
    // The first tick sets blue and the 250 ms that holds from then on.
    c.Timer1.fire();
    EXPECT_EQ(c.Timer1.Interval(), 250);
    EXPECT_EQ(c.flash, 1);
    EXPECT_EQ(c.Label4(kConductor).BackColor(), kBlue);
    c.Timer1.fire();
    EXPECT_EQ(c.flash, 0);
    EXPECT_EQ(c.Label4(kConductor).BackColor(), kBlack);
    EXPECT_EQ(c.Label4(kInsulator).BackColor(), kBlue) << "only the right button flashes";

    // New Question in the black phase: both blue, stopped, phase 0.
    ask(c, kGlass);
    EXPECT_FALSE(c.Timer1.Enabled());
    EXPECT_EQ(c.flash, 0);
    EXPECT_EQ(c.Label4(kConductor).BackColor(), kBlue);
    EXPECT_EQ(c.Label4(kInsulator).BackColor(), kBlue);
    EXPECT_EQ(c.Timer1.Interval(), 250) << "later starts wait 250 ms for the first tick";
    c.Label4_Click(kInsulator);
    c.Timer1.fire();
    EXPECT_EQ(c.Label4(kInsulator).BackColor(), kBlue);
    c.Timer1.fire();
    EXPECT_EQ(c.Label4(kInsulator).BackColor(), kBlack);
}

TEST_F(CircuitsTest, AnswerStartsTheOutcomeWithoutPraise) {
    circuits& c = openOn(kGlass);
    c.Label3_Click(kAnswer);
    EXPECT_TRUE(shows(c.Image1(0), "Images\\circuitno.bmp"));
    EXPECT_TRUE(c.Timer1.Enabled());
    EXPECT_FALSE(c.Label5(2).Visible());
    c.Timer1.fire();
    c.Timer1.fire();
    // A wrong click while flashing says so; the flashing goes on.
    c.Label4_Click(kConductor);
    EXPECT_EQ(c.Label5(2).Caption(), "Wrong, Try Again");
    EXPECT_TRUE(c.Label5(2).Visible());
    EXPECT_TRUE(c.Timer1.Enabled());
    EXPECT_TRUE(shows(c.Image1(0), "Images\\circuitno.bmp"));
    // A right click keeps the rate and the phase.
    c.Label4_Click(kInsulator);
    EXPECT_EQ(c.Label5(2).Caption(), "Correct!  Well Done");
    EXPECT_TRUE(c.Timer1.Enabled());
    EXPECT_EQ(c.Timer1.Interval(), 250);
    EXPECT_EQ(c.flash, 0);
    EXPECT_EQ(c.Label4(kInsulator).BackColor(), kBlack);
}

TEST_F(CircuitsTest, ExitDuringFlashingAndTheNextVisitStartsCalm) {
    circuits& c = openOn(kGraphite);
    c.Label4_Click(kConductor);
    c.Timer1.fire();
    c.Timer1.fire();
    c.Label3_Click(kExit);
    settle();
    EXPECT_FALSE(forms().isLoaded<circuits>());
    circuits& again = openOn(kGraphite);
    EXPECT_FALSE(again.Timer1.Enabled());
    EXPECT_EQ(again.Timer1.Interval(), 1);
    EXPECT_EQ(again.Label4(kConductor).BackColor(), kBlue);
}

TEST_F(CircuitsTest, MissingPicturesLeaveTheirSlotsEmpty) {
    const QString dir = useCopyOfRunFolder();
    QFile::remove(dir + "/Images/circuiton.bmp");
    QFile::remove(dir + "/Images/gold.bmp");
    circuits& c = openOn(2);
    EXPECT_TRUE(c.Image1(1).picture().isNull());
    EXPECT_FALSE(c.Image1(0).picture().isNull());
    c.Label4_Click(kConductor);
    EXPECT_TRUE(c.Image1(0).picture().isNull()) << "no waiting circuit left behind";
    EXPECT_TRUE(c.Timer1.Enabled());
    c.Timer1.fire();
}

TEST_F(CircuitsTest, ThePointerAnswersAndTheButtonFlashesInRealTime) {
    forms().show("intro0");
    auto* menu = static_cast<MenuScreen*>(forms().show("menu3"));
    settle();
    fake->draws = {drawFor(kGraphite)};
    real::click(menu->Label3(0));
    ASSERT_TRUE(forms().isLoaded<circuits>());
    circuits& c = forms().get<circuits>();
    settle();
    real::click(c.Label4(kInsulator));
    EXPECT_EQ(c.Label5(2).Caption(), "Wrong, Try Again");
    real::click(c.Label4(kConductor));
    EXPECT_EQ(c.Label5(2).Caption(), "Correct!  Well Done");

    // The first tick comes at once and is blue; then each phase lasts 250 ms.
    ASSERT_TRUE(QTest::qWaitFor([&] { return c.flash == 1; }, 1000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return c.flash == 0; }, 2000));
    QElapsedTimer phase;
    phase.start();
    EXPECT_EQ(c.Label4(kConductor).BackColor(), kBlack);
    ASSERT_TRUE(QTest::qWaitFor([&] { return c.flash == 1; }, 2000));
    EXPECT_GE(phase.elapsed(), 200);
    EXPECT_EQ(c.Label4(kConductor).BackColor(), kBlue);

    fake->draws = {drawFor(kGlass)};
    real::click(c.Label3(kNewQuestion));
    EXPECT_FALSE(c.Timer1.Enabled());
    QTest::qWait(300);
    EXPECT_EQ(c.Label4(kConductor).BackColor(), kBlue);
    EXPECT_EQ(c.flash, 0);
}
