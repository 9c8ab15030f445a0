// The display scale draws everything larger while twips stay twips: the same pointer
// positions, layouts, snaps and scores at every scale.
#include <cmath>

#include "tests/activities/labelling/labelling_helpers.h"
#include "tests/support/mouse.h"
#include "tests/support/screentest.h"
#include "ui/displayscale.h"
#include "ui/label.h"
#include "ui/twips.h"

using namespace ui;

TEST(FittingScaleTest, LargestQuarterStepThatFitsAndNeverBelowOne) {
    const QSizeF screen(12000, 9000);  // 800 by 600 at scale 1
    EXPECT_EQ(fittingScale(screen, {1920, 1080}), 1.75f);
    EXPECT_EQ(fittingScale(screen, {1920, 1040}), 1.5f);  // a panel takes some height
    EXPECT_EQ(fittingScale(screen, {1600, 1200}), 2.0f);  // an exact fit counts
    EXPECT_EQ(fittingScale(screen, {1599, 1200}), 1.75f);
    EXPECT_EQ(fittingScale(screen, {640, 480}), 1.0f);  // too small: never below 1
    EXPECT_EQ(fittingScale(screen, {0, 0}), 1.0f);
}

namespace {

class ScaleTest : public ScreenTest {
  protected:
    void TearDown() override {
        ScreenTest::TearDown();
        Twips::setScale(1.0f);
    }
};

struct Played {
    std::vector<std::pair<float, float>> places;
    QString score;
    bool operator==(const Played&) const = default;
};

[[maybe_unused]] std::ostream& operator<<(std::ostream& os, const Played& p) {
    for (const auto& [left, top] : p.places) os << "(" << left << ", " << top << ") ";
    return os << p.score.toStdString();
}

// Each word dragged with the real mouse: most onto a box (some onto the wrong one), one
// left in open space, one released just inside the edge of its box's zone. Pointer targets are
// whole multiples of 15 twips, so that they are whole pixels at scales 1 and 2.
Played playSkeleton() {
    activityfiles::FileDragScreen& s = labelling_test::board("boneslab");
    const auto on15 = [](float v) { return std::round(v / 15) * 15; };
    for (int i = 0; i < s.wordCount(); ++i) {
        const Label& box = s.targets(i < 3 ? (i + 1) % 3 : i);
        float x = on15(box.Left() + box.Width() / 2 + 75);
        float y = on15(box.Top() + box.Height() / 2 + 30);
        if (i == 5) x = 6000, y = 7995;         // nowhere near a box
        if (i == 6) x = on15(box.Left() + 15);  // the word's corner just inside the zone
        QWidget* window = s.window();
        const QPoint from = real::centreOf(s.words(i));
        real::moveTo(window, from);
        real::press(window, from);
        const QPoint to(Twips::toPixels(x), Twips::toPixels(y));
        real::moveTo(window, to + QPoint(3, 3));
        real::moveTo(window, to);
        real::release(window, to);
    }
    Played out;
    for (int i = 0; i < s.wordCount(); ++i)
        out.places.emplace_back(s.words(i).Left(), s.words(i).Top());
    s.commandClicked(2);
    out.score = s.scoreText.Caption();
    return out;
}

}  // namespace

TEST_F(ScaleTest, TheSameDragsGiveTheSamePlacesAndScoreAtScalesOneAndTwo) {
    Twips::setScale(1.0f);
    const Played once = playSkeleton();
    forms().clear();
    settle();
    Twips::setScale(2.0f);
    const Played twice = playSkeleton();
    EXPECT_EQ(once.score, "4 out of 8 correct");
    EXPECT_EQ(once, twice);
    // The word left in open space is centred on the pointer, in twips.
    EXPECT_EQ(twice.places[5], std::make_pair(6000 - 2370 / 2.0f, 7995 - 435 / 2.0f));
}
