// Taps instead of drags, and several hands at once, by real mouse events and real touches at
// scales 1 and 1.75.
#include "tests/support/touch.h"

#include <QGuiApplication>
#include <QStyleHints>

#include "jotter/jotter.h"
#include "tests/activities/labelling/labelling_helpers.h"
#include "tests/support/screentest.h"
#include "ui/twips.h"

using namespace ui;
using real::centreOf;

namespace {

class TouchTest : public ScreenTest, public ::testing::WithParamInterface<float> {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        Twips::setScale(GetParam());
        s = &labelling_test::board("boneslab");
        window = s->window();
        fingers = real::Fingers(window);
    }
    activityfiles::FileDragScreen* s = nullptr;
    QWidget* window = nullptr;
    real::Fingers fingers{nullptr};
};

bool atHome(const LabellingScreen& s, int i) {
    return s.spotOf(i).kind == labelling::Spot::Home && s.spotOf(i).index == i;
}

}  // namespace

TEST_P(TouchTest, TwoFingersDragTwoWordsAtOnceButNotOneWordTwiceBesideTheMouse) {
    for (int i = 0; i < 8; i += 2) {
        const QPoint a = centreOf(s->words(i)), b = centreOf(s->words(i + 1));
        fingers.press(1, a);
        fingers.press(2, b);
        fingers.move(1, (a + centreOf(s->targets(i))) / 2);
        fingers.move(2, centreOf(s->targets(i + 1)));
        fingers.move(1, centreOf(s->targets(i)));
        fingers.release(2);
        EXPECT_TRUE(s->isOn(i + 1, i + 1));
        EXPECT_FALSE(s->isOn(i, i)) << "still under the first finger";
        fingers.release(1);
        EXPECT_TRUE(s->isOn(i, i));
    }
    // A second finger on a held word does nothing; the mouse drags another meanwhile.
    const QPoint spine = centreOf(s->words(2)), blade = centreOf(s->words(0));
    fingers.press(1, spine);
    fingers.move(1, spine + QPoint(40, 30));
    fingers.press(2, centreOf(s->words(2)));
    fingers.move(2, centreOf(s->targets(5)));
    fingers.release(2);
    real::press(window, blade);
    real::moveTo(window, centreOf(s->targets(6)));
    fingers.move(1, centreOf(s->targets(7)));
    fingers.release(1);
    real::release(window, centreOf(s->targets(6)));
    EXPECT_TRUE(s->isOn(2, 7));
    EXPECT_TRUE(s->isOn(0, 6));
    EXPECT_EQ(s->heldWord(), -1) << "nor was the second finger's touch a tap";
    fingers.tap(s->commands(2));
    EXPECT_EQ(s->scoreText.Caption(), "6 out of 8 correct");
}

TEST_P(TouchTest, ButtonsTakeTapsWhileAWordIsHeldAndStartAgainAndExitLetGo) {
    labelling_test::solve(*s);
    const QPoint ribs = centreOf(s->words(3));
    fingers.press(1, ribs);
    fingers.move(1, ribs + QPoint(60, 60));
    fingers.tap(s->commands(2));
    EXPECT_EQ(s->scoreText.Caption(), "7 out of 8 correct");
    fingers.tap(s->commands(1));
    fingers.move(1, centreOf(s->targets(3)));
    fingers.release(1);
    EXPECT_TRUE(atHome(*s, 3)) << "the finger let go of it";
    fingers.press(1, centreOf(s->words(3)));
    fingers.tap(s->commands(0));
    EXPECT_FALSE(forms().isLoaded("boneslab"));
    fingers.release(1);
}

// Taps by mouse and finger, and keys, all reach the one lifted word.
TEST_P(TouchTest, TapsLiftAndDropWordsAsTheKeysDo) {
    fake->screenReader = true;
    const QPoint blade = centreOf(s->words(0));
    real::press(window, blade);
    real::moveTo(window, blade + QPoint(QGuiApplication::styleHints()->startDragDistance() / 2, 0));
    EXPECT_TRUE(atHome(*s, 0)) << "still within the drag distance";
    real::release(window, blade);
    EXPECT_EQ(s->heldWord(), 0);
    EXPECT_TRUE(s->words(0).isLifted() && s->keyboard().ringShown()) << "drawn as the keys lift it";
    EXPECT_EQ(s->words(0).announcement(), "Shoulder Blade, picked up");
    fingers.tap(s->targets(3));
    EXPECT_TRUE(s->isOn(0, 3));
    EXPECT_EQ(s->words(0).announcement(), "Shoulder Blade, on box 4");
    // A word lying on a box stands for the box; a loose word is lifted instead.
    real::click(s->words(1));
    fingers.tap(s->words(0));
    EXPECT_TRUE(s->isOn(1, 3));
    s->moveWord(2, 6000, 6000);
    real::click(s->words(4));
    fingers.tap(s->words(2));
    EXPECT_EQ(s->heldWord(), 2);
    EXPECT_TRUE(atHome(*s, 4));
    // A tap on the lifted word, or anywhere else, puts it back.
    real::click(s->words(2));
    EXPECT_EQ(s->words(2).announcement(), "Spine, put back");
    fingers.tap(s->words(2));
    real::click(s->instruction);
    EXPECT_EQ(s->heldWord(), -1);
    EXPECT_EQ(s->spotOf(2).kind, labelling::Spot::Loose);
    // Lifted by keys, dropped by a tap on a home slot; lifted by a tap, carried by keys.
    s->keyboard().focus(s->words(5));
    QTest::keyClick(window, Qt::Key_Return);
    real::press(window, centreOf(s->homes(4)));
    EXPECT_EQ(s->heldWord(), 5) << "a press never cancels what the keys hold";
    real::release(window, centreOf(s->homes(4)));
    EXPECT_EQ(s->spotOf(5).index, 4);
    fingers.tap(s->words(6));
    QTest::keyClick(window, Qt::Key_Tab);
    QTest::keyClick(window, Qt::Key_Return);
    EXPECT_TRUE(s->isOn(6, 0));
}

TEST_P(TouchTest, TheJotterDrawsOneStrokePerFinger) {
    Jotter& pad = forms().show<Jotter>();
    real::Fingers hands(pad.window());
    const auto at = [&](float x, float y) {
        return QPoint(Twips::toPixels(x, pad.scale()), Twips::toPixels(y, pad.scale()));
    };
    hands.press(1, at(1500, 1500));
    hands.press(2, at(1500, 3000));
    for (float x : {3000.f, 4500.f}) {
        hands.move(1, at(x, 1500));
        hands.move(2, at(x, 3000));
    }
    for (float x : {2000.f, 4000.f}) {
        EXPECT_EQ(pad.surface.pixel(x, 1500), pad.penColour) << x;
        EXPECT_EQ(pad.surface.pixel(x, 3000), pad.penColour) << x;
        EXPECT_NE(pad.surface.pixel(x, 2250), pad.penColour) << "nothing between the fingers";
    }
    hands.release(1);
    hands.release(2);
}

INSTANTIATE_TEST_SUITE_P(Scales, TouchTest, ::testing::Values(1.0f, 1.75f));
