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
#include "ui/twips.h"

using namespace ui;
using namespace labelling_test;

namespace {

class EngineTest : public ScreenTest {
  protected:
    boneslab& open() {
        forms().show("menu1");
        return forms().show<boneslab>();
    }
    static bool atHome(const LabellingScreen& s, int i) {
        return s.Label2(i).Left() == s.Label4(i).Left() && s.Label2(i).Top() == s.Label4(i).Top();
    }
    static bool laidOut(const LabellingScreen& s) {
        for (int i = 0; i < s.wordCount(); ++i)
            if (!atHome(s, i) || !s.Label2(i).Visible()) return false;
        return !s.Label3(2).Visible() && !s.Label6.Visible();
    }
};

}  // namespace

TEST_F(EngineTest, LoadingPutsEveryWordInItsHomeSlotAndEmptiesTheBoxes) {
    boneslab& s = open();
    EXPECT_EQ(Module1::labelcount, 8);
    EXPECT_EQ(s.BackColor(), RGB(9, 63, 137));
    EXPECT_EQ(s.Caption(), "The Skeleton");
    EXPECT_TRUE(laidOut(s));
    const char* words[] = {"Shoulder Blade", "Skull",    "Spine",    "Pelvis",
                           "Thigh Bone",     "Rib Cage", "Knee cap", "Collar Bone"};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(s.Label2(i).Caption(), words[i]);
        EXPECT_EQ(s.Label2(i).Left(), 840);
        EXPECT_TRUE(s.Label1(i).Visible());
        EXPECT_TRUE(s.Label1(i).Caption().isEmpty());
        EXPECT_FALSE(s.Label1(i).opaque());
        EXPECT_EQ(s.Label4(i).Width(), 2085);
        EXPECT_EQ(s.Label4(i).Height(), 435);
        EXPECT_TRUE(s.Label4(i).Visible());
    }
    EXPECT_EQ(s.Label2(6).Top(), 1560);  // the start column, top to bottom: Knee cap first
    EXPECT_EQ(s.Label2(7).Top(), 5760);
    EXPECT_EQ(s.Label3(0).Caption(), "Exit");
    EXPECT_EQ(s.Label3(1).Caption(), "Start Again");
    EXPECT_EQ(s.Label3(2).Caption(), "Check Score");
}

TEST_F(EngineTest, WordsLieInFrontHigherIndexFirst) {
    boneslab& s = open();
    const QObjectList& stack = s.window()->children();  // back to front
    const auto depth = [&](const Control& c) { return stack.indexOf(c.widget()); };
    for (int i = 0; i < 8; ++i) {
        EXPECT_GT(depth(s.Label2(i)), depth(s.Image1(0)));
        EXPECT_GT(depth(s.Label2(i)), depth(s.Line1(i)));
        EXPECT_GT(depth(s.Label2(i)), depth(s.Label7));
        EXPECT_GT(depth(s.Label2(i)), depth(s.Label1(7)));
        EXPECT_GT(depth(s.Label2(i)), depth(s.Label4(7)));
        if (i > 0) {
            EXPECT_GT(depth(s.Label2(i)), depth(s.Label2(i - 1)));
        }
    }
    for (int i = 0; i < 8; ++i) EXPECT_GT(depth(s.Line1(i)), depth(s.Image1(0)));
}

TEST_F(EngineTest, DraggingCentresTheWordOnThePointerOnlyWithTheLeftButtonAlone) {
    boneslab& s = open();
    Label& w = s.Label2(1);
    s.Label2_MouseMove(1, 1, 0, 300, 100);
    EXPECT_FLOAT_EQ(w.Left(), 840 + 300 - 2085 / 2.0f);
    EXPECT_FLOAT_EQ(w.Top(), 2160 + 100 - 435 / 2.0f);
    const float left = w.Left(), top = w.Top();
    for (int button : {0, 2, 3, 4, 5}) {
        s.Label2_MouseMove(1, button, 0, 900, 900);
        EXPECT_EQ(w.Left(), left) << button;
        EXPECT_EQ(w.Top(), top) << button;
    }
}

TEST_F(EngineTest, AnyMoveOverAWordHidesTheScore) {
    boneslab& s = open();
    solve(s);
    s.Label3_Click(2);
    ASSERT_TRUE(s.Label6.Visible());
    s.Label2_MouseMove(4, 0, 0, 10, 10);
    EXPECT_FALSE(s.Label6.Visible());
    EXPECT_TRUE(s.Label3(2).Visible());
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
        if (!r.snaps) {
            EXPECT_EQ(s.Label2(0).Left(), r.x);  // a loose word stays where it was released
            EXPECT_EQ(s.Label2(0).Top(), r.y);
        }
    }
}

TEST_F(EngineTest, ALooseWordKeepsCheckScoreHidden) {
    boneslab& s = open();
    for (int i = 1; i < 8; ++i) dropOn(s, i, i);
    dropAt(s, 0, 6500, 7000);
    EXPECT_EQ(s.Label2(0).Left(), 6500);
    EXPECT_FALSE(s.Label3(2).Visible());
    dropOn(s, 0, 0);
    EXPECT_TRUE(s.Label3(2).Visible());
}

TEST_F(EngineTest, SnapsToHomeSlotsEvenAnotherWordsAndStartAgainSortsThemOut) {
    boneslab& s = open();
    dropAt(s, 7, 900, 1600);  // into the home slot of word 6, which still lies there
    EXPECT_EQ(s.Label2(7).Left(), 840);
    EXPECT_EQ(s.Label2(7).Top(), 1560);
    dropOn(s, 0, 1);
    s.Label3_Click(1);
    EXPECT_TRUE(laidOut(s));
    EXPECT_EQ(s.Label2(0).Caption(), "Shoulder Blade");
}

TEST_F(EngineTest, TwoWordsOnOneBoxBothCountAsPlacedButOnlyTheRightOneScores) {
    boneslab& s = open();
    solve(s);
    s.Label3_Click(1);
    for (int i = 2; i < 8; ++i) dropOn(s, i, i);
    dropOn(s, 0, 0);
    dropOn(s, 1, 0);  // Skull into Shoulder Blade's box; Skull's own box stays empty
    EXPECT_EQ(s.Label2(1).Left(), s.Label2(0).Left());
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
    EXPECT_TRUE(s.Label6.Visible());
    s.Label3_Click(1);
    EXPECT_TRUE(laidOut(s));
}

TEST_F(EngineTest, ARightButtonDragMovesNothingButItsReleaseStillSnaps) {
    boneslab& s = open();
    s.Label2(2).move(4200, 2600);  // near Spine's box, not yet dropped
    s.Label2_MouseMove(2, 2, 0, 2000, 2000);
    EXPECT_EQ(s.Label2(2).Left(), 4200);
    s.Label2_MouseUp(2, 2, 0, 2000, 2000);
    EXPECT_TRUE(s.isOn(2, 2));
}

TEST_F(EngineTest, HoverLightsAButtonAndTheBackgroundClearsAllThree) {
    boneslab& s = open();
    solve(s);
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(s.Label3(i).opaque());  // as designed
    real::moveTo(s.window(), {700, 480});                           // the background
    for (int i = 0; i < 3; ++i) EXPECT_FALSE(s.Label3(i).opaque());
    real::moveOver(s.Label3(1));
    EXPECT_TRUE(s.Label3(1).opaque());
    EXPECT_FALSE(s.Label3(2).opaque());
    real::moveTo(s.window(), {700, 480});
    EXPECT_FALSE(s.Label3(1).opaque());
}

TEST_F(EngineTest, ExitReturnsToTheMenuAndReopeningShowsTheDesignLayout) {
    boneslab& s = open();
    solve(s);
    s.Label3_Click(2);
    real::click(s.Label3(0));
    settle();
    EXPECT_FALSE(forms().isLoaded<boneslab>());
    ASSERT_TRUE(forms().isLoaded<menu1>());
    real::click(forms().get<menu1>().Label3(1));  // "The Skeleton"
    ASSERT_TRUE(forms().isLoaded<boneslab>());
    EXPECT_TRUE(laidOut(forms().get<boneslab>()));
}

TEST_F(EngineTest, WindowCloseDoesWhatExitDoes) {
    open().window()->close();
    settle();
    EXPECT_FALSE(forms().isLoaded<boneslab>());
    EXPECT_TRUE(forms().isLoaded<menu1>());
}

// labelcount holds the count of the labelling screen loaded last; each screen must still
// use its own, or the skeleton would score "out of 6" and Healthy Living reach words 6 and 7.
TEST_F(EngineTest, TwoLabellingScreensOpenAtOnceEachUseTheirOwnWords) {
    forms().show("menu1");
    boneslab& bones = forms().show<boneslab>();
    forms().show("menu5");
    healthy& health = forms().show<healthy>();
    EXPECT_EQ(Module1::labelcount, 6);

    solve(bones);
    EXPECT_TRUE(bones.Label3(2).Visible());
    bones.Label3_Click(2);
    EXPECT_EQ(bones.Label6.Caption(), "8 out of 8 correct");
    bones.Label3_Click(1);
    EXPECT_TRUE(laidOut(bones));

    forms().show<puberty>();
    EXPECT_EQ(Module1::labelcount, 8);
    for (int i = 0; i < 5; ++i) dropOn(health, i, i);
    EXPECT_FALSE(health.Label3(2).Visible());
    dropOn(health, 5, 5);
    health.Label3_Click(2);
    EXPECT_EQ(health.Label6.Caption(), "6 out of 6 correct");
    health.Label3_Click(1);
    EXPECT_TRUE(laidOut(health));
}

TEST_F(EngineTest, ARealDragFollowsThePointerAheadOfTheWordAndSnaps) {
    boneslab& s = open();
    Label& skull = s.Label2(1);
    QWidget* window = s.window();
    const QPoint from = real::centreOf(skull);
    real::moveTo(window, from);
    real::press(window, from);
    const QPoint ahead(from.x() + 180, from.y() - 90);  // far outside the word
    real::moveTo(window, ahead);
    // Centred on the pointer, exactly, whatever pixel the word was drawn at.
    EXPECT_FLOAT_EQ(skull.Left(), ahead.x() * 15.0f - 2085 / 2.0f);
    EXPECT_FLOAT_EQ(skull.Top(), ahead.y() * 15.0f - 435 / 2.0f);
    const QPoint box = centreOfBox(s.Label1(1)) + QPoint(12, 6);
    real::moveTo(window, box + QPoint(90, 40));
    real::moveTo(window, box);
    real::release(window, box);
    EXPECT_TRUE(s.isOn(1, 1));
    EXPECT_EQ(skull.widget()->geometry(), s.Label1(1).widget()->geometry());
}

TEST_F(EngineTest, SolvingTheSkeletonWithTheRealMouse) {
    boneslab& s = open();
    for (int i = 0; i < 8; ++i) realDrag(s.Label2(i), centreOfBox(s.Label1(i)));
    for (int i = 0; i < 8; ++i) EXPECT_TRUE(s.isOn(i, i)) << i;
    ASSERT_TRUE(s.Label3(2).Visible());
    real::click(s.Label3(2));
    EXPECT_EQ(s.Label6.Caption(), "8 out of 8 correct");
    EXPECT_TRUE(s.Label6.Visible());
    // Pressing a placed word without moving it snaps it into the same box again.
    real::click(s.Label2(5));
    EXPECT_TRUE(s.isOn(5, 5));
    EXPECT_FALSE(s.Label6.Visible());  // the pointer passed over a word
}

TEST_F(EngineTest, ARealRightButtonDragLeavesTheWordWhereItWas) {
    boneslab& s = open();
    QWidget* window = s.window();
    const QPoint from = real::centreOf(s.Label2(3));
    real::moveTo(window, from);
    real::press(window, from, Qt::RightButton);
    real::moveTo(window, from + QPoint(200, -100));
    real::release(window, from + QPoint(200, -100), Qt::RightButton);
    EXPECT_EQ(s.Label2(3).Left(), 840);
    EXPECT_EQ(s.Label2(3).Top(), 4560);
}

TEST_F(EngineTest, AWordDraggedOffTheWindowStaysThereWithoutGrowingIt) {
    boneslab& s = open();
    const QSize size = s.window()->size();
    s.Label2_MouseMove(0, 1, 0, 14000, 12000);
    s.Label2_MouseUp(0, 1, 0, 0, 0);
    EXPECT_GT(s.Label2(0).Left(), 12000);
    EXPECT_EQ(s.window()->size(), size);
    s.Label3_Click(1);
    EXPECT_EQ(s.Label2(0).Left(), 840);
}
