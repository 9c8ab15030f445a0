// Taps instead of drags, and several hands at once: real mouse events and real touches
// (through the window system layer, on a touch screen) on the labelling screens and the
// Jotter.
#include "tests/support/touch.h"

#include <QGuiApplication>
#include <QStyleHints>

#include "activities/labelling/skeletonscreen.h"
#include "jotter/jotter.h"
#include "tests/activities/labelling/labelling_helpers.h"
#include "tests/support/mouse.h"
#include "tests/support/screentest.h"
#include "ui/twips.h"

using namespace ui;

namespace {

class TouchTest : public ScreenTest, public ::testing::WithParamInterface<float> {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        Twips::setScale(GetParam());
    }
    void TearDown() override {
        ScreenTest::TearDown();
        Twips::setScale(1.0f);
    }
    SkeletonScreen& open() {
        SkeletonScreen& s = forms().show<SkeletonScreen>();
        fingers = std::make_unique<real::Fingers>(s.window());
        return s;
    }
    // A finger drags a word by its centre to a point, in steps the other fingers share.
    static QPoint toward(QPoint from, QPoint to, int step) { return from + (to - from) * step / 3; }

    std::unique_ptr<real::Fingers> fingers;
};

QPointF placeOf(const Control& c) {
    return {c.Left(), c.Top()};
}

}  // namespace

TEST_P(TouchTest, TwoPupilsDragTwoWordsAtOnceAndBothDropsScore) {
    SkeletonScreen& s = open();
    for (int i = 0; i < 8; i += 2) {
        const QPoint a = real::centreOf(s.words(i)), b = real::centreOf(s.words(i + 1));
        const QPoint boxA = real::centreOf(s.targets(i)), boxB = real::centreOf(s.targets(i + 1));
        fingers->press(1, a);
        fingers->press(2, b);
        for (int step = 1; step <= 3; ++step) {
            fingers->move(2, toward(b, boxB, step));
            fingers->move(1, toward(a, boxA, step));
        }
        fingers->release(2);
        EXPECT_TRUE(s.isOn(i + 1, i + 1));
        EXPECT_FALSE(s.isOn(i, i)) << "still held by the first finger";
        fingers->release(1);
        EXPECT_TRUE(s.isOn(i, i));
    }
    fingers->tap(s.commands(2));
    EXPECT_EQ(s.scoreText.Caption(), "8 out of 8 correct");
    EXPECT_EQ(s.heldWord(), -1) << "no drag left anything lifted";
}

TEST_P(TouchTest, ASecondFingerOnAHeldWordDoesNothingAndATouchAndTheMouseDragTogether) {
    SkeletonScreen& s = open();
    const QPoint spine = real::centreOf(s.words(2));
    fingers->press(1, spine);
    fingers->move(1, spine + QPoint(40, -30));
    fingers->press(2, real::centreOf(s.words(2)));
    fingers->move(2, real::centreOf(s.targets(5)));
    fingers->release(2);
    EXPECT_FALSE(s.isOn(2, 5));
    EXPECT_EQ(s.heldWord(), -1) << "nor is the second finger's touch a tap";
    // The mouse drags another word while the finger goes on.
    QWidget* window = s.window();
    const QPoint blade = real::centreOf(s.words(0));
    real::press(window, blade);
    fingers->move(1, toward(spine, real::centreOf(s.targets(2)), 2));
    real::moveTo(window, toward(blade, real::centreOf(s.targets(0)), 2));
    fingers->move(1, real::centreOf(s.targets(2)));
    real::moveTo(window, real::centreOf(s.targets(0)));
    fingers->release(1);
    real::release(window, real::centreOf(s.targets(0)));
    EXPECT_TRUE(s.isOn(2, 2));
    EXPECT_TRUE(s.isOn(0, 0));
}

TEST_P(TouchTest, ButtonsTakeTapsWhileAWordIsHeldAndStartAgainEndsTheDrag) {
    SkeletonScreen& s = open();
    labelling_test::solve(s);
    const QPoint ribs = real::centreOf(s.words(3));
    fingers->press(1, ribs);
    fingers->move(1, ribs + QPoint(60, 60));
    fingers->tap(s.commands(2));
    EXPECT_EQ(s.scoreText.Caption(), "7 out of 8 correct") << "Ribs is off its box";
    fingers->tap(s.commands(1));
    EXPECT_EQ(placeOf(s.words(3)), placeOf(s.homes(3)));
    fingers->move(1, real::centreOf(s.targets(3)));
    fingers->release(1);
    EXPECT_EQ(placeOf(s.words(3)), placeOf(s.homes(3))) << "the finger let go of it";
    fingers->press(1, real::centreOf(s.words(3)));
    fingers->tap(s.commands(0));
    EXPECT_FALSE(forms().isLoaded<SkeletonScreen>());
    fingers->release(1);
}

// Taps by mouse and by finger, and keys, all reach the one lifted word.
TEST_P(TouchTest, TapsLiftAndDropWordsAsTheKeysDo) {
    fake->screenReader = true;
    SkeletonScreen& s = open();
    QWidget* window = s.window();
    const QPoint blade = real::centreOf(s.words(0));
    // A press that stays within the drag distance moves nothing; its release lifts the word.
    real::moveTo(window, blade);
    real::press(window, blade);
    real::moveTo(window, blade + QPoint(QGuiApplication::styleHints()->startDragDistance() / 2, 0));
    EXPECT_EQ(placeOf(s.words(0)), placeOf(s.homes(0)));
    real::release(window, blade);
    EXPECT_EQ(s.heldWord(), 0);
    EXPECT_TRUE(s.words(0).isLifted());
    EXPECT_TRUE(s.keyboard().ringShown()) << "drawn as the keys lift it";
    EXPECT_EQ(s.words(0).announcement(), "Shoulder Blade, picked up");
    fingers->tap(s.targets(3));
    EXPECT_TRUE(s.isOn(0, 3));
    EXPECT_EQ(s.words(0).announcement(), "Shoulder Blade, on box 4");
    EXPECT_FALSE(s.words(0).isLifted());

    // A tap on a word lying on a box, with another lifted, drops that one there too.
    real::click(s.words(1));
    fingers->tap(s.words(0));
    EXPECT_TRUE(s.isOn(1, 3));
    // A tap on a loose word lifts it instead; on the lifted word or anywhere else, puts it
    // back.
    s.moveWord(2, 6000, 6000);
    real::click(s.words(4));
    real::click(s.words(2));
    EXPECT_EQ(s.heldWord(), 2);
    EXPECT_EQ(placeOf(s.words(4)), placeOf(s.homes(4)));
    fingers->tap(s.words(2));
    EXPECT_EQ(s.heldWord(), -1);
    EXPECT_EQ(s.words(2).announcement(), "Spine, put back");
    real::click(s.words(2));
    real::click(s.instruction);
    EXPECT_EQ(s.heldWord(), -1);
    EXPECT_EQ(s.spotOf(2).kind, labelling::Spot::Loose);

    // Lifted by keys, dropped by a tap on a home slot; lifted by a tap, carried by keys.
    s.keyboard().focus(s.words(5));
    QTest::keyClick(window, Qt::Key_Return);
    real::press(window, real::centreOf(s.homes(4)));
    EXPECT_EQ(s.heldWord(), 5) << "a press never cancels what the keys hold";
    real::release(window, real::centreOf(s.homes(4)));
    EXPECT_EQ(placeOf(s.words(5)), placeOf(s.homes(4)));
    fingers->tap(s.words(6));
    QTest::keyClick(window, Qt::Key_Tab);
    QTest::keyClick(window, Qt::Key_Return);
    EXPECT_TRUE(s.isOn(6, 0));
}

TEST_P(TouchTest, TheJotterDrawsOneStrokePerFinger) {
    Jotter& pad = forms().show<Jotter>();
    real::Fingers hands(pad.window());
    const auto at = [&](float x, float y) {
        return QPoint(Twips::toPixels(x, pad.scale()), Twips::toPixels(y, pad.scale()));
    };
    hands.press(1, at(1500, 1500));
    hands.press(2, at(1500, 3000));
    for (float x : {2500.f, 3500.f, 4500.f}) {
        hands.move(1, at(x, 1500));
        hands.move(2, at(x, 3000));
    }
    hands.release(1);
    hands.release(2);
    for (float x : {2000.f, 3000.f, 4000.f}) {
        EXPECT_EQ(pad.surface.pixel(x, 1500), pad.penColour) << x;
        EXPECT_EQ(pad.surface.pixel(x, 3000), pad.penColour) << x;
        EXPECT_NE(pad.surface.pixel(x, 2250), pad.penColour) << "nothing between the fingers";
    }
}

INSTANTIATE_TEST_SUITE_P(Scales, TouchTest, ::testing::Values(1.0f, 1.75f));
