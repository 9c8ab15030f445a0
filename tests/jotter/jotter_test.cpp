// The Jotter: its two toolbars, the pen's states, drawing with the left button only (mouse,
// touch) and a drawing that survives repainting.
#include "jotter/jotter.h"

#include <QTest>
#include <QWindow>

#include "tests/support/mouse.h"
#include "tests/support/screentest.h"
#include "ui/twips.h"

using namespace ui;

namespace {

constexpr Colour kBackground = RGB(49, 135, 215);
constexpr Colour kYellow = RGB(255, 255, 0);
constexpr Colour kRed = RGB(255, 0, 0);    // swatch 12
constexpr Colour kGreen = RGB(0, 128, 0);  // swatch 2

// The colour shown at a point of the window (twips), as painted now.
Colour shownAt(const Form& form, float x, float y) {
    const QImage image = form.window()->grab().toImage();
    const QRgb c = image.pixel(Twips::toPixels(x, form.scale()), Twips::toPixels(y, form.scale()));
    return RGB(qRed(c), qGreen(c), qBlue(c));
}

// A stroke through the handlers: press at the first point, move with `buttons` held.
void stroke(Jotter& pad, int buttons, std::initializer_list<QPointF> points) {
    const QPointF first = *points.begin();
    pad.onMouseDown(buttons, 0, first.x(), first.y());
    for (const QPointF& p : points) pad.onMouseMove(buttons, 0, p.x(), p.y());
}

}  // namespace

class JotterTest : public ScreenTest {
  protected:
    Jotter& pad() { return forms().get<Jotter>(); }
    // Everything drawn so far is the background again.
    bool blank() {
        const QImage& img = pad().surface.image();
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if ((img.pixel(x, y) & 0xFFFFFF) != kBackground) return false;
        return true;
    }
};

TEST_F(JotterTest, OpensOnTopWithAYellowPenAndTheSwatchesInTheirPlaces) {
    Jotter& n = forms().show<Jotter>();
    EXPECT_TRUE(n.isTopmost());
    EXPECT_EQ(n.penColour, kYellow);
    EXPECT_TRUE(blank());
    // The second column of portrait swatches sits beside the first, and both rows of
    // swatches end inside their toolbars.
    EXPECT_EQ(n.portraitSwatches(8).Left(), 580);
    EXPECT_EQ(n.portraitSwatches(8).Top(), n.portraitSwatches(0).Top());
    EXPECT_EQ(n.swatches(15).Left() + 240, 9825);
    EXPECT_EQ(n.portraitSwatches(7).Top() + 240, 5090);
}

TEST_F(JotterTest, OnlyTheLeftButtonAloneDraws) {
    Jotter& n = forms().show<Jotter>();
    // A press alone draws nothing, but sets where the next line starts.
    n.onMouseDown(1, 0, 1500, 1500);
    EXPECT_TRUE(blank());
    EXPECT_EQ(n.penX, 1500);

    for (int buttons : {0, 2, 3, 4, 5}) {
        n.onMouseMove(buttons, 0, 3000, 1500);
        EXPECT_TRUE(blank()) << buttons;
        EXPECT_EQ(n.penX, 1500) << buttons;
    }
    n.onMouseMove(1, 1, 3000, 1500);  // a Shift key held does not matter
    EXPECT_EQ(n.surface.pixel(2250, 1500), kYellow);
    EXPECT_EQ(n.penX, 3000);
    // The next segment starts where the last one ended.
    n.onMouseMove(1, 0, 3000, 2700);
    EXPECT_EQ(n.surface.pixel(3000, 2100), kYellow);
    EXPECT_EQ(n.surface.pixel(2250, 2100), kBackground);
    // A press with the right button also moves the start.
    n.onMouseDown(2, 0, 600, 600);
    n.onMouseMove(1, 0, 600, 1200);
    EXPECT_EQ(n.surface.pixel(600, 900), kYellow);
}

TEST_F(JotterTest, StrokesAreSmoothAndThePenWidthIsInPixels) {
    Jotter& n = forms().show<Jotter>();
    stroke(n, 1, {{1500, 1500}, {4500, 1500}});
    // 3 pixels wide: the rows on both sides of the line are covered, three rows away not.
    EXPECT_EQ(n.surface.pixel(3000, 1500 - 15), kYellow);
    EXPECT_EQ(n.surface.pixel(3000, 1500), kYellow);
    EXPECT_EQ(n.surface.pixel(3000, 1500 - 45), kBackground);
    EXPECT_EQ(n.surface.pixel(3000, 1500 + 45), kBackground);
    // A round cap reaches a little beyond the end of the line, not a square corner's worth.
    EXPECT_NE(n.surface.pixel(4500 + 15, 1500), kBackground);
    EXPECT_NE(n.surface.pixel(4500 + 15, 1500 + 15), kYellow);

    n.eraseClicked();  // the eraser is 30 pixels wide
    stroke(n, 1, {{3000, 600}, {3000, 2400}});
    EXPECT_EQ(n.surface.pixel(3000 + 13 * 15, 1500), kBackground);
    EXPECT_EQ(n.surface.pixel(3000 + 17 * 15, 1500), kYellow);
    EXPECT_EQ(n.surface.pixel(3000 - 17 * 15, 1500), kYellow);
    n.clearClicked();
    EXPECT_TRUE(blank());
    EXPECT_EQ(shownAt(n, 1800, 1500), kBackground);
}

TEST_F(JotterTest, EraseWriteSwatchAndClear) {
    Jotter& n = forms().show<Jotter>();
    n.swatchClicked(12);

    // Erase then Write: back to the colour in use before, narrow again.
    n.eraseClicked();
    EXPECT_EQ(n.penColour, kBackground);
    EXPECT_EQ(n.penWidth, 30);
    EXPECT_EQ(n.writingColour, kRed);
    n.writeClicked();
    EXPECT_EQ(n.penColour, kRed);
    EXPECT_EQ(n.penWidth, 3);

    // Erase pressed twice, in either toolbar, still writes red afterwards.
    n.eraseClicked();
    n.portraitEraseClicked();
    EXPECT_EQ(n.writingColour, kRed);
    n.portraitWriteClicked();
    EXPECT_EQ(n.penColour, kRed);

    // Erase then a swatch: that swatch's colour, narrow.
    n.portraitEraseClicked();
    n.portraitSwatchClicked(2);
    EXPECT_EQ(n.penColour, kGreen);
    EXPECT_EQ(n.penWidth, 3);

    // Clear while erasing: yellow and narrow, but Write still brings back the colour before.
    n.eraseClicked();
    n.clearClicked();
    EXPECT_EQ(n.penColour, kYellow);
    EXPECT_EQ(n.penWidth, 3);
    EXPECT_EQ(n.writingColour, kGreen);
    n.writeClicked();
    EXPECT_EQ(n.penColour, kGreen);

    // Clear while writing keeps the pen; Write without Erase changes nothing.
    n.portraitClearClicked();
    n.writeClicked();
    EXPECT_EQ(n.penColour, kGreen);
    EXPECT_EQ(n.penWidth, 3);
}

TEST_F(JotterTest, FlipChangesShapeAndToolbarAndClearsButKeepsThePen) {
    fake->display = {12000, 13500};  // room for the tall shape at scale 1
    Jotter& n = forms().show<Jotter>();
    n.swatchClicked(12);
    n.eraseClicked();
    stroke(n, 1, {{600, 600}, {1800, 600}});

    n.flipClicked();
    EXPECT_EQ(n.Width(), 4000);
    EXPECT_EQ(n.Height(), 12000);
    EXPECT_EQ(n.window()->size(), QSize(261, 768));  // 3910 x 11520
    EXPECT_EQ(n.portraitToolbar.Left(), 2885);
    EXPECT_TRUE(n.portraitToolbar.Visible());
    EXPECT_FALSE(n.landscapeToolbar.Visible());
    EXPECT_TRUE(blank());
    EXPECT_EQ(n.penColour, kBackground);
    EXPECT_EQ(n.penWidth, 30);
    EXPECT_EQ(n.writingColour, kRed);

    // The tall surface takes drawing all the way down.
    n.portraitWriteClicked();
    stroke(n, 1, {{600, 10500}, {1800, 10500}});
    EXPECT_EQ(shownAt(n, 1200, 10500), kRed);

    n.portraitFlipClicked();
    EXPECT_EQ(n.window()->size(), QSize(661, 244));  // 9915 x 3660
    EXPECT_TRUE(n.landscapeToolbar.Visible());
    EXPECT_FALSE(n.portraitToolbar.Visible());
    EXPECT_TRUE(blank());
    EXPECT_EQ(n.penColour, kRed);
    EXPECT_EQ(n.penWidth, 3);
}

TEST_F(JotterTest, TheDrawingSurvivesRepaintsAndTheToolbarCoversIt) {
    Jotter& n = forms().show<Jotter>();
    stroke(n, 1, {{1500, 1500}, {4500, 1500}, {4500, 3300}});
    EXPECT_EQ(shownAt(n, 3000, 1500), kYellow);
    // Covered and shown again: painted afresh from what was kept.
    n.window()->hide();
    n.window()->show();
    n.window()->repaint();
    EXPECT_EQ(shownAt(n, 3000, 1500), kYellow);
    EXPECT_EQ(shownAt(n, 4500, 2400), kYellow);
    // Lines drawn behind the toolbar stay hidden by it.
    EXPECT_NE(shownAt(n, 4500, 3300), kYellow);
}

TEST_F(JotterTest, RealMouseDrawsOnlyWithTheLeftButton) {
    Jotter& n = forms().show<Jotter>();
    QWidget* w = n.window();
    real::click(n.swatches(12));
    EXPECT_EQ(n.penColour, kRed);

    // Both buttons held: nothing.
    real::press(w, {100, 100}, Qt::LeftButton);
    real::press(w, {100, 100}, Qt::RightButton);
    real::moveTo(w, {200, 100});
    real::release(w, {200, 100}, Qt::RightButton);
    real::release(w, {200, 100}, Qt::LeftButton);
    // A click without moving: nothing.
    real::press(w, {300, 100});
    real::release(w, {300, 100});
    EXPECT_TRUE(blank());

    // Left-button drag: a red line.
    real::moveTo(w, {100, 150});
    real::press(w, {100, 150});
    real::moveTo(w, {150, 150});
    real::moveTo(w, {200, 150});
    real::release(w, {200, 150});
    EXPECT_EQ(shownAt(n, 125 * 15, 150 * 15), kRed);
    EXPECT_EQ(shownAt(n, 175 * 15, 150 * 15), kRed);

    // A swatch in the portrait toolbar, and the real Erase button.
    real::click(n.flipButton);
    real::click(n.portraitSwatches(2));
    EXPECT_EQ(n.penColour, kGreen);
    real::click(n.portraitEraseButton);
    EXPECT_EQ(n.penWidth, 30);
    real::click(n.portraitWriteButton);
    EXPECT_EQ(n.penColour, kGreen);
}

TEST_F(JotterTest, TouchDrawsLikeTheLeftButton) {
    static QPointingDevice* touchScreen = QTest::createTouchDevice();
    Jotter& n = forms().show<Jotter>();
    QWindow* window = n.window()->windowHandle();
    QTest::touchEvent(window, touchScreen).press(0, {100, 100}, window);
    QTest::touchEvent(window, touchScreen).move(0, {150, 100}, window);
    QTest::touchEvent(window, touchScreen).move(0, {200, 100}, window);
    QTest::touchEvent(window, touchScreen).release(0, {200, 100}, window);
    EXPECT_EQ(n.surface.pixel(125 * 15, 100 * 15), kYellow);
    EXPECT_EQ(n.surface.pixel(175 * 15, 100 * 15), kYellow);
}

TEST_F(JotterTest, EachShapeTakesTheLargestScaleAtWhichItFitsTheDisplay) {
    struct Display {
        QSize pixels;
        float screens, tall;
    };
    for (const Display d :
         {Display{{1920, 1080}, 1.75f, 1.25f}, Display{{1366, 768}, 1.25f, 0.75f}}) {
        Twips::setScale(d.screens);
        fake->display = {Twips::toTwips(d.pixels.width()), Twips::toTwips(d.pixels.height())};
        const QRect area({0, 0}, d.pixels);
        Jotter& n = forms().show<Jotter>();
        EXPECT_EQ(n.scale(), d.screens);
        n.window()->move(area.bottomRight() - QPoint(700, 400));  // low on the display
        n.flipClicked();
        EXPECT_EQ(n.scale(), d.tall);
        EXPECT_TRUE(area.contains(n.window()->frameGeometry())) << d.pixels.width();
        // The toolbar, the drawing and what is kept of it scale with the window.
        EXPECT_EQ(n.portraitToolbar.widget()->geometry(),
                  Twips::toPixels(2885, 0, 1035, 5250, d.tall));
        stroke(n, 1, {{600, 10500}, {1800, 10500}});
        EXPECT_EQ(shownAt(n, 1200, 10500), kYellow);
        n.portraitFlipClicked();
        EXPECT_EQ(n.scale(), d.screens);
        EXPECT_TRUE(area.contains(n.window()->frameGeometry())) << d.pixels.width();
        forms().clear();
        settle();
    }
}

// Exit from the landscape toolbar: see tests/app/jotter_opening_test.cpp.
TEST_F(JotterTest, ExitFromThePortraitToolbarAndTheNextOpeningStartsAfresh) {
    Jotter& n = forms().show<Jotter>();
    n.swatchClicked(12);
    n.flipClicked();
    stroke(n, 1, {{600, 600}, {1800, 600}});
    real::click(n.portraitExitButton);
    settle();
    EXPECT_FALSE(forms().isLoaded<Jotter>());
    Jotter& again = forms().show<Jotter>();
    EXPECT_EQ(again.penColour, kYellow);
    EXPECT_TRUE(again.landscapeToolbar.Visible());
    EXPECT_TRUE(blank());
}
