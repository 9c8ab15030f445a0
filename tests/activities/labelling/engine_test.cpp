// The drag-and-drop engine, driven on the skeleton screen through its handlers and through
// real mouse events.
#include <cmath>

#include "activities/labelling/boneslab.h"
#include "activities/labelling/healthy.h"
#include "activities/labelling/puberty.h"
#include "menus/menuscreen.h"
#include "tests/activities/labelling/labelling_helpers.h"
#include "tests/support/screentest.h"
#include "ui/module1.h"

using namespace ui;
using namespace labelling_test;

namespace {

class EngineTest : public ScreenTest {
  protected:
    boneslab& open() {
        forms().show("menu1");
        return forms().show<boneslab>();
    }
    // Every word in its own home slot, Check Score and the score hidden.
    static bool laidOut(const LabellingScreen& s) {
        for (int i = 0; i < s.wordCount(); ++i)
            if (s.Label2(i).Left() != s.Label4(i).Left() ||
                s.Label2(i).Top() != s.Label4(i).Top() || !s.Label2(i).Visible())
                return false;
        return !s.Label3(2).Visible() && !s.Label6.Visible();
    }
};

}  // namespace

TEST_F(EngineTest, LoadsLaidOutWithTheWordsInFrontHigherIndexFirst) {
    boneslab& s = open();
    EXPECT_TRUE(laidOut(s));
    const QObjectList& stack = s.window()->children();  // back to front
    const auto depth = [&](const Control& c) { return stack.indexOf(c.widget()); };
    for (int i = 0; i < 8; ++i) {
        for (const Control* behind :
             {(Control*)&s.Image1(0), (Control*)&s.Line1(i), (Control*)&s.Label7,
              (Control*)&s.Label1(7), (Control*)&s.Label4(7), (Control*)&s.Label3(2)})
            EXPECT_GT(depth(s.Label2(i)), depth(*behind));
        if (i > 0) {
            EXPECT_GT(depth(s.Label2(i)), depth(s.Label2(i - 1)));
        }
        EXPECT_GT(depth(s.Line1(i)), depth(s.Image1(0)));
    }
}

TEST_F(EngineTest, BoundsOfTheZoneAreExclusive) {
    boneslab& s = open();
    // Box 0 at 3840,1230, 2085 by 435: zone from 2797.5 to 5925 across, 1012.5 to 1665 down.
    struct Release {
        float x, y;
        bool snaps;
    };
    const Release cases[] = {
        {2797.5f, 1230, false}, {std::nextafter(2797.5f, 1e9f), 1230, true},
        {5925, 1230, false},    {std::nextafter(5925.f, 0.f), 1230, true},
        {3840, 1012.5f, false}, {3840, std::nextafter(1012.5f, 1e9f), true},
        {3840, 1665, false},    {3840, std::nextafter(1665.f, 0.f), true},
    };
    for (const Release& r : cases) {
        s.Label3_Click(1);
        dropAt(s, 0, r.x, r.y);
        EXPECT_EQ(s.isOn(0, 0), r.snaps) << r.x << "," << r.y;
        // A loose word stays exactly where it was released.
        if (!r.snaps) {
            EXPECT_EQ(QPointF(s.Label2(0).Left(), s.Label2(0).Top()), QPointF(r.x, r.y));
        }
    }
}

TEST_F(EngineTest, AnotherWordsHomeSlotTakesAWordAndStartAgainSortsThemOut) {
    boneslab& s = open();
    dropAt(s, 7, 900, 1600);  // into the slot of word 6, which still lies there
    EXPECT_EQ(QPointF(s.Label2(7).Left(), s.Label2(7).Top()), QPointF(840, 1560));
    dropOn(s, 0, 1);
    s.Label3_Click(1);
    EXPECT_TRUE(laidOut(s));
}

TEST_F(EngineTest, TwoWordsOnOneBoxBothCountAsPlacedButOnlyTheRightOneScores) {
    boneslab& s = open();
    for (int i = 2; i < 8; ++i) dropOn(s, i, i);
    dropOn(s, 0, 0);
    EXPECT_FALSE(s.Label3(2).Visible());  // Skull still lies in its home slot
    dropOn(s, 1, 0);  // Skull into Shoulder Blade's box; Skull's own box stays empty
    EXPECT_TRUE(s.Label3(2).Visible());
    s.Label3_Click(2);
    EXPECT_EQ(s.Label6.Caption(), "7 out of 8 correct");
}

TEST_F(EngineTest, CheckScoreStaysAfterAWordIsDraggedOffAndScoresWhatIsThere) {
    boneslab& s = open();
    solve(s);
    s.Label3_Click(2);
    EXPECT_EQ(s.Label6.Caption(), "8 out of 8 correct");
    dropAt(s, 3, 6500, 7000);
    EXPECT_TRUE(s.Label3(2).Visible());
    s.Label3_Click(2);
    EXPECT_EQ(s.Label6.Caption(), "7 out of 8 correct");
    s.Label3_Click(1);
    EXPECT_TRUE(laidOut(s));
}

TEST_F(EngineTest, OnlyTheLeftButtonAloneDragsButAnyReleaseDrops) {
    boneslab& s = open();
    for (int button : {0, 3, 4}) {
        s.Label2_MouseMove(2, button, 0, 900, 900);
        EXPECT_EQ(s.Label2(2).Left(), 840) << button;
    }
    s.Label2(2).move(4200, 2600);  // near Spine's box, not yet dropped
    QWidget* window = s.window();
    const QPoint from = real::centreOf(s.Label2(2));
    real::press(window, from, Qt::RightButton);
    real::moveTo(window, from + QPoint(200, -100));
    EXPECT_EQ(s.Label2(2).Left(), 4200);
    real::release(window, from + QPoint(200, -100), Qt::RightButton);
    EXPECT_TRUE(s.isOn(2, 2));
}

TEST_F(EngineTest, HoverLightsAButtonAndTheBackgroundClearsAllThree) {
    boneslab& s = open();
    solve(s);
    real::moveTo(s.window(), {700, 480});  // the background
    for (int i = 0; i < 3; ++i) EXPECT_FALSE(s.Label3(i).opaque());
    real::moveOver(s.Label3(1));
    EXPECT_TRUE(s.Label3(1).opaque());
    EXPECT_FALSE(s.Label3(2).opaque());
}

TEST_F(EngineTest, TopicsOpenTheScreensAndExitOrCloseReturnsToTheMenu) {
    forms().show("intro0");
    real::click(forms().show<menu5>().Label3(4));  // "Healthy Living"
    real::click(forms().show<menu1>().Label3(4));  // "Puberty"
    EXPECT_TRUE(forms().isLoaded<healthy>() && forms().isLoaded<puberty>());
    real::click(forms().get<menu1>().Label3(1));  // "The Skeleton"
    boneslab& s = forms().get<boneslab>();
    solve(s);
    real::click(s.Label3(0));
    settle();
    EXPECT_FALSE(forms().isLoaded<boneslab>());
    real::click(forms().get<menu1>().Label3(1));
    EXPECT_TRUE(laidOut(forms().get<boneslab>()));  // the design layout again
    forms().get<boneslab>().window()->close();
    settle();
    EXPECT_FALSE(forms().isLoaded<boneslab>());
    EXPECT_TRUE(forms().isLoaded<menu1>());
}

// labelcount holds the count of the labelling screen loaded last; each screen must still
// use its own, or the skeleton would score "out of 6" and Healthy Living reach words 6 and 7.
TEST_F(EngineTest, TwoLabellingScreensOpenAtOnceEachUseTheirOwnWords) {
    boneslab& bones = forms().show<boneslab>();
    healthy& health = forms().show<healthy>();
    EXPECT_EQ(Module1::labelcount, 6);
    solve(bones);
    bones.Label3_Click(2);
    EXPECT_EQ(bones.Label6.Caption(), "8 out of 8 correct");

    forms().show<puberty>();
    solve(health);
    health.Label3_Click(2);
    EXPECT_EQ(health.Label6.Caption(), "6 out of 6 correct");
    health.Label3_Click(1);
    EXPECT_TRUE(laidOut(health));
}

// What a new user does: every word dragged onto its own box with the real mouse.
TEST_F(EngineTest, SolvingEveryScreenWithTheRealMouse) {
    for (const char* name : {"boneslab", "puberty", "healthy"}) {
        auto& s = dynamic_cast<LabellingScreen&>(*forms().show(name));
        for (int i = 0; i < s.wordCount(); ++i) realDrag(s.Label2(i), centreOfBox(s.Label1(i)));
        for (int i = 0; i < s.wordCount(); ++i) {
            EXPECT_TRUE(s.isOn(i, i)) << name << " " << i;
            EXPECT_EQ(s.Label2(i).widget()->geometry(), s.Label1(i).widget()->geometry());
        }
        ASSERT_TRUE(s.Label3(2).Visible()) << name;
        real::click(s.Label3(2));
        EXPECT_EQ(s.Label6.Caption(), QString("%1 out of %1 correct").arg(s.wordCount()));
        // A click on a placed word snaps it into the same box, and passing over it
        // hides the score.
        real::click(s.Label2(1));
        EXPECT_TRUE(s.isOn(1, 1));
        EXPECT_FALSE(s.Label6.Visible());
    }
}

TEST_F(EngineTest, AWordDraggedOffTheWindowStaysThereWithoutGrowingIt) {
    boneslab& s = open();
    const QSize size = s.window()->size();
    s.Label2_MouseMove(0, 1, 0, 14000, 12000);
    s.Label2_MouseUp(0, 1, 0, 0, 0);
    EXPECT_GT(s.Label2(0).Left(), 12000);
    EXPECT_EQ(s.window()->size(), size);
}
