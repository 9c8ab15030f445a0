// What the three labelling screens do differently: the skeleton picture, the puberty
// columns and the Healthy Living passage, options and timer.
#include <QFontMetricsF>
#include <QImage>

#include "activities/labelling/healthylivingscreen.h"
#include "activities/labelling/pubertyscreen.h"
#include "activities/labelling/skeletonlines.h"
#include "activities/labelling/skeletonscreen.h"
#include "tests/activities/labelling/labelling_helpers.h"
#include "tests/support/screentest.h"

using namespace ui;
using namespace labelling_test;

namespace {

QRectF boxOf(const Control& c) {
    return {c.Left(), c.Top(), c.Width(), c.Height()};
}

}  // namespace

using SkeletonTest = ScreenTest;

// Word i belongs on box i, so each word must be the word of its row; at load every box is
// an empty outline.
TEST_F(ScreenTest, EveryWordIsTheWordOfItsRowAndEveryBoxStartsEmpty) {
    const std::pair<const char*, QStringList> screens[] = {
        {"boneslab",
         {"Shoulder Blade", "Skull", "Spine", "Pelvis", "Thigh Bone", "Rib Cage", "Knee cap",
          "Collar Bone"}},
        {"puberty",
         {"Body hair starts to grow", "Body hair starts to grow", "Periods begin", "Hips widen",
          "Ovaries begin to release eggs once a month", "Breasts grow", "Face hair starts to grow",
          "Testicles start to make sperm"}},
        {"healthy", {"cancer", "tobacco", "plant", "heart", "addictive", "arteries"}}};
    for (const auto& [name, words] : screens) {
        auto& s = dynamic_cast<LabellingScreen&>(*forms().show(name));
        ASSERT_EQ(s.wordCount(), words.size()) << name;
        for (int i = 0; i < s.wordCount(); ++i) {
            EXPECT_EQ(s.words(i).Caption(), words[i]) << name << " " << i;
            const Label& box = s.targets(i);
            EXPECT_TRUE(box.Visible() && box.Caption().isEmpty() && !box.opaque() && box.border())
                << name << " " << i;
            for (int w = 0; w < s.wordCount(); ++w) EXPECT_FALSE(s.isOn(w, i)) << name << " " << i;
        }
    }
}

TEST_F(SkeletonTest, EachBoxIsLevelWithItsLineWhichEndsOnItsBone) {
    SkeletonScreen& s = forms().show<SkeletonScreen>();
    const QImage picture = s.skeletonPicture(0).picture().toImage();
    ASSERT_EQ(picture.size(), QSize(177, 560));
    for (int i = 0; i < 8; ++i) {
        const skeleton::PointerLine& l = skeleton::kLines[i];
        const int x = static_cast<int>((skeleton::tipX(l) - skeleton::kPictureLeft) / 15);
        const int y = static_cast<int>((skeleton::tipY(l) - skeleton::kPictureTop) / 15);
        // Bone is light; the background is the screen's dark blue.
        EXPECT_GT(qRed(picture.pixel(x, y)), 150) << l.bone;
        // The other end starts beside the box of that bone's name, level with its middle.
        int word = 0;
        while (word < 7 && s.words(word).Caption() != l.bone) ++word;
        const QRectF box = boxOf(s.targets(word));
        const Line& line = s.pointerLines(i);
        const bool leftColumn = line.X1() < skeleton::kPictureLeft;
        const QPointF end =
            leftColumn ? QPointF(line.X1(), line.Y1()) : QPointF(line.X2(), line.Y2());
        const float gap = leftColumn ? end.x() - box.right() : box.left() - end.x();
        EXPECT_TRUE(gap >= 0 && gap <= 150) << l.bone << " gap " << gap;
        EXPECT_NEAR(end.y(), box.center().y(), 15) << l.bone;
    }
    // No bone lies behind the buttons.
    const int buttonsTop =
        static_cast<int>((s.commands(2).Top() - s.skeletonPicture(0).Top()) / 15);
    for (int y = buttonsTop; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            ASSERT_LT(qRed(picture.pixel(x, y)), 60) << x << "," << y;
}

TEST_F(ScreenTest, OverlappingZonesGoToTheLowestIndex) {
    PubertyScreen& s = forms().show<PubertyScreen>();
    struct Case {
        float x, y;
        int target;
    };
    const Case cases[] = {{7500, 720, 0}, {7500, 1680, 5}, {7500, 2640, 3}, {5280, 1400, 1}};
    for (const Case& c : cases) {
        dropAt(s, 6, c.x, c.y);
        EXPECT_TRUE(s.isOn(6, c.target)) << c.x << "," << c.y;
    }
    HealthyLivingScreen& h = forms().show<HealthyLivingScreen>();
    dropAt(h, 2, 9000, 5100);  // between the boxes of "heart" (3) and "cancer" (0)
    EXPECT_TRUE(h.isOn(2, 0));
}

// Girls boxes are 1 to 5, Boys boxes 0, 6 and 7; words 0 and 1 are the body-hair pair.
// A word on box -1 lies loose on the background.
TEST_F(ScreenTest, PubertyScoresByColumn) {
    struct Arrangement {
        int boxes[8];
        const char* caption;
    };
    const Arrangement cases[] = {
        {{0, 1, 2, 3, 4, 5, 6, 7}, "8 out of 8 correct"},
        {{1, 0, 2, 3, 4, 5, 6, 7}, "8 out of 8 correct"},  // the pair swapped
        {{1, 1, 2, 3, 4, 5, 6, 7}, "7 out of 8 correct"},  // both with the girls
        {{0, 6, 2, 3, 4, 5, 6, 7}, "7 out of 8 correct"},  // both with the boys
        {{0, 1, 3, 1, 4, 5, 6, 7}, "8 out of 8 correct"},  // any box of the column
        {{0, 1, 2, 2, 2, 5, 6, 7}, "8 out of 8 correct"},  // stacked girls' words
        {{0, 1, 2, 3, 4, 5, 1, 0}, "7 out of 8 correct"},  // face hair with the girls
        {{0, 1, 6, 3, 4, 5, 2, 7}, "6 out of 8 correct"},
        // A body-hair word lying on no box scores nothing: the pair's two points are one
        // for a word in each column.
        {{-1, 1, 2, 3, 4, 5, 6, 7}, "7 out of 8 correct"},
        {{0, -1, 2, 3, 4, 5, 6, 7}, "7 out of 8 correct"},
        {{-1, -1, 2, 3, 4, 5, 6, 7}, "6 out of 8 correct"},
        {{-1, -1, -1, -1, -1, -1, -1, -1}, "0 out of 8 correct"}};
    PubertyScreen& s = forms().show<PubertyScreen>();
    solve(s);  // Check Score shows
    for (const Arrangement& a : cases) {
        for (int i = 0; i < 8; ++i) {
            if (a.boxes[i] < 0)
                dropAt(s, i, 300 + 20 * i, 5600);
            else
                dropOn(s, i, a.boxes[i]);
        }
        s.commandClicked(2);
        EXPECT_EQ(s.scoreText.Caption(), a.caption) << a.boxes[0] << " " << a.boxes[1];
    }
}

using HealthyLivingTest = ScreenTest;

TEST_F(HealthyLivingTest, TheOptionsAppearOneMillisecondAfterLoading) {
    forms().show("menu5");
    auto& s = dynamic_cast<HealthyLivingScreen&>(*forms().show("healthy"));
    for (int i = 0; i < 4; ++i) EXPECT_FALSE(s.passages(i).Visible());
    passTime(1);
    EXPECT_FALSE(s.showOptionsTimer.Enabled());
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(s.passages(i).Visible() && s.passages(i).Value() == (i == 0) &&
                    s.passages(i).Enabled());
    real::click(s.passages(0));
    EXPECT_TRUE(s.passages(0).Value());
    s.commandClicked(1);
    EXPECT_TRUE(s.passages(3).Visible());
}

// Every box lies over its gap of the passage as laid out in the shipped font, and no box
// hides any part of a word. (Qt alone would hang the blank runs off the line ends, and
// three of the six gaps would vanish.)
TEST_F(HealthyLivingTest, EveryGapOfThePassageLiesUnderItsBox) {
    HealthyLivingScreen& s = forms().show<HealthyLivingScreen>();
    const Label& passage = s.passageText;
    ASSERT_EQ(passage.fittedPoints(), 24.0f);
    const QPointF origin(passage.Left(), passage.Top());
    const QString text = passage.Caption();
    ASSERT_EQ(text.size(), 278);
    struct Gap {
        int start, length, word;
    };
    const Gap gaps[] = {{12, 14, 1},  {93, 25, 2},  {130, 14, 4},
                        {198, 14, 3}, {227, 13, 5}, {264, 13, 0}};
    std::vector<QRectF> boxes;
    for (const Gap& g : gaps) {
        EXPECT_EQ(text.mid(g.start, g.length), QString(g.length, u' ')) << g.start;
        EXPECT_TRUE(text[g.start - 1] != u' ' && text[g.start + g.length] != u' ') << g.start;
        const QRectF box = boxOf(s.targets(g.word));
        boxes.push_back(box);
        bool under = false;
        for (QRectF piece : passage.textRangeRects(g.start, g.length)) {
            piece.translate(origin);
            if (box.center().y() < piece.top() || box.center().y() > piece.bottom()) continue;
            under = true;
            // On the gap's line, and over blanks for nearly all its width.
            EXPECT_GE(box.top(), piece.top()) << g.start;
            EXPECT_LE(box.bottom(), piece.bottom()) << g.start;
            const qreal overlap =
                std::min(box.right(), piece.right()) - std::max(box.left(), piece.left());
            EXPECT_GT(overlap, 0.9 * box.width()) << g.start;
        }
        EXPECT_TRUE(under) << "gap at " << g.start << " is on no line under its box";
    }
    const QFontMetricsF metrics(makeFont(passage.font(), passage.fittedPoints()));
    for (int c = 0; c < text.size(); ++c) {
        if (text[c] == u' ') continue;
        QRectF ink = passage.textRangeRects(c, 1).at(0).translated(origin);
        const QRectF glyph = metrics.boundingRect(text[c]);
        ink.setLeft(ink.left() + glyph.left() * 15);
        ink.setWidth(glyph.width() * 15);
        // Ink may touch a box's one-pixel border, never reach inside it.
        for (const QRectF& box : boxes)
            EXPECT_FALSE(ink.intersects(box.adjusted(15, 15, -15, -15)))
                << "'" << text[c].toLatin1() << "' at " << c;
    }
}
