// The drag-and-drop engine, driven on the skeleton screen through its handlers and through
// real mouse events.
#include <algorithm>
#include <cmath>
#include <deque>

#include "activities/labelling/startorder.h"
#include "tests/activities/labelling/labelling_helpers.h"
#include "tests/support/screentest.h"

using namespace ui;
using namespace labelling_test;

namespace {

class EngineTest : public ScreenTest {
  protected:
    activityfiles::FileDragScreen& open() {
        forms().show("menu1");
        return labelling_test::board("boneslab");
    }
    // Every word in its own home slot, Check Score and the score hidden.
    static bool laidOut(const LabellingScreen& s) {
        for (int i = 0; i < s.wordCount(); ++i)
            if (s.words(i).Left() != s.homes(i).Left() || s.words(i).Top() != s.homes(i).Top() ||
                !s.words(i).Visible())
                return false;
        return !s.commands(2).Visible() && !s.scoreText.Visible();
    }
};

}  // namespace

TEST_F(EngineTest, TheWordsLieInFrontHigherIndexFirst) {
    activityfiles::FileDragScreen& s = open();
    const QObjectList& stack = s.window()->children();  // back to front
    const auto depth = [&](const Control& c) { return stack.indexOf(c.widget()); };
    for (int i = 0; i < 8; ++i) {
        for (const Control* behind :
             {(Control*)&s.picture, (Control*)&s.lines(i), (Control*)&s.instruction,
              (Control*)&s.targets(7), (Control*)&s.homes(7), (Control*)&s.commands(2)})
            EXPECT_GT(depth(s.words(i)), depth(*behind));
        if (i > 0) {
            EXPECT_GT(depth(s.words(i)), depth(s.words(i - 1)));
        }
        EXPECT_GT(depth(s.lines(i)), depth(s.picture));
    }
}

TEST_F(EngineTest, BoundsOfTheZoneAreExclusive) {
    activityfiles::FileDragScreen& s = open();
    // Box 0 at 3720,1230, 2370 by 435: zone from 2535 to 6090 across, 1012.5 to 1665 down.
    struct Release {
        float x, y;
        bool snaps;
    };
    const Release cases[] = {
        {2535, 1230, false},    {std::nextafter(2535.f, 1e9f), 1230, true},
        {6090, 1230, false},    {std::nextafter(6090.f, 0.f), 1230, true},
        {3720, 1012.5f, false}, {3720, std::nextafter(1012.5f, 1e9f), true},
        {3720, 1665, false},    {3720, std::nextafter(1665.f, 0.f), true},
    };
    for (const Release& r : cases) {
        s.commandClicked(1);
        dropAt(s, 0, r.x, r.y);
        EXPECT_EQ(s.isOn(0, 0), r.snaps) << r.x << "," << r.y;
        // A loose word stays exactly where it was released.
        if (!r.snaps) {
            EXPECT_EQ(QPointF(s.words(0).Left(), s.words(0).Top()), QPointF(r.x, r.y));
        }
    }
}

TEST_F(EngineTest, PlacedWordsShowCheckScoreWhichScoresWhatIsThereUntilStartAgain) {
    activityfiles::FileDragScreen& s = open();
    dropAt(s, 7, 900, 1600);  // into the home slot of word 6, which still lies there
    EXPECT_EQ(QPointF(s.words(7).Left(), s.words(7).Top()), QPointF(840, 1560));
    for (int i = 2; i < 8; ++i) dropOn(s, i, i);
    dropOn(s, 0, 0);
    EXPECT_FALSE(s.commands(2).Visible());  // Skull still lies in its home slot
    dropOn(s, 1, 0);                        // Skull into Shoulder Blade's box: both count as placed
    ASSERT_TRUE(s.commands(2).Visible());
    s.commandClicked(2);
    EXPECT_EQ(s.scoreText.Caption(), "7 out of 8 correct");
    // Dragged off again, Check Score stays and scores what is there.
    dropOn(s, 1, 1);
    dropAt(s, 3, 6500, 7000);
    EXPECT_TRUE(s.commands(2).Visible());
    s.commandClicked(2);
    EXPECT_EQ(s.scoreText.Caption(), "7 out of 8 correct");
    // Passing over a word without a button hides the score.
    s.wordDragged(5, 0, 0, 100, 100);
    EXPECT_FALSE(s.scoreText.Visible());
    s.commandClicked(1);
    EXPECT_TRUE(laidOut(s));
}

TEST_F(EngineTest, OnlyTheLeftButtonAloneDragsButAnyReleaseDrops) {
    activityfiles::FileDragScreen& s = open();
    for (int button : {0, 3, 4}) {
        s.wordDragged(2, button, 0, 900, 900);
        EXPECT_EQ(s.words(2).Left(), 840) << button;
    }
    s.moveWord(2, 4200, 2600);  // near Spine's box, not yet dropped
    QWidget* window = s.window();
    const QPoint from = real::centreOf(s.words(2));
    real::press(window, from, Qt::RightButton);
    real::moveTo(window, from + QPoint(200, -100));
    EXPECT_EQ(s.words(2).Left(), 4200);
    real::release(window, from + QPoint(200, -100), Qt::RightButton);
    EXPECT_TRUE(s.isOn(2, 2));
    // Dragged off the window, a word stays there and the window does not grow.
    const QSize size = window->size();
    s.wordDragged(0, 1, 0, 14000, 12000);
    s.wordReleased(0, 1, 0, 0, 0);
    EXPECT_GT(s.words(0).Left(), 12000);
    EXPECT_EQ(window->size(), size);
}

// Each screen uses its own word count, or the skeleton would score "out of 6" once Healthy
// Living is open, and Healthy Living reach words 6 and 7 once the skeleton is.
TEST_F(EngineTest, TwoLabellingScreensOpenAtOnceEachUseTheirOwnWords) {
    activityfiles::FileDragScreen& bones = labelling_test::board("boneslab");
    activityfiles::FileDragScreen& health = labelling_test::board("healthy");
    solve(bones);
    bones.commandClicked(2);
    EXPECT_EQ(bones.scoreText.Caption(), "8 out of 8 correct");
    labelling_test::board("puberty");
    health.commandClicked(1);
    EXPECT_TRUE(laidOut(health));
}

// Start places dealt by scripted draws: a deal that gives nothing away stands as drawn; one
// that does is dealt again, and after the bound two words swap, until neither the boxes'
// order (labelling) nor more than half of the neighbours of one column (sorting) is shown.
TEST(StartDeal, NeverGivesTheAnswerAway) {
    std::deque<double> draws;
    const auto draw = [&] {
        if (draws.empty()) return 0.99;  // every word left where it is: the file's order
        const double r = draws.front();
        draws.pop_front();
        return r;
    };
    // Four places in a column, each word's box read in the order of its place; a row of six.
    const labelling::Place column[] = {{0, 0}, {0, 10}, {0, 20}, {0, 30}};
    const labelling::Place row[] = {{0, 0}, {10, 0}, {20, 0}, {30, 0}, {40, 0}, {50, 0}};
    const int own[] = {0, 1, 2, 3}, twoColumns[] = {0, 0, 0, 1, 1, 1},
              lopsided[] = {0, 0, 0, 0, 0, 1};
    const auto deal = [&](std::span<const labelling::Place> starts, std::span<const int> groups,
                          labelling::Giveaway rule) {
        std::vector<int> d = labelling::dealStarts(starts, starts, groups, rule, draw);
        EXPECT_TRUE(
            std::is_permutation(d.begin(), d.end(), std::vector<int>{0, 1, 2, 3, 4, 5}.begin()));
        return d;
    };
    draws = {0, 0, 0};  // the last word to the top place, every other one place down
    EXPECT_EQ(deal(column, own, labelling::Giveaway::BoxOrder), (std::vector<int>{1, 2, 3, 0}));
    EXPECT_TRUE(draws.empty());
    EXPECT_NE(deal(column, own, labelling::Giveaway::BoxOrder), (std::vector<int>{0, 1, 2, 3}));
    // Sorting: neighbours that share a column, at most half of the five.
    const std::vector<int> d = deal(row, twoColumns, labelling::Giveaway::SharedColumns);
    std::vector<int> wordAt(6);
    for (int i = 0; i < 6; ++i) wordAt[d[i]] = i;
    int shared = 0;
    for (int k = 1; k < 6; ++k) shared += twoColumns[wordAt[k]] == twoColumns[wordAt[k - 1]];
    EXPECT_LE(2 * shared, 5);
    // A column that holds nearly every word cannot be spread: the deal still ends.
    deal(row, lopsided, labelling::Giveaway::SharedColumns);
}
