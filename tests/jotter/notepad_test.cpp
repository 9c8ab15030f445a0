// The Jotter: its two toolbars, the pen's states, drawing with the left button only (mouse,
// touch) and a drawing that survives repainting.
#include "jotter/notepad.h"

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
    const QRgb c = image.pixel(Twips::toPixels(x), Twips::toPixels(y));
    return RGB(qRed(c), qGreen(c), qBlue(c));
}

// A stroke through the handlers: press at the first point, move with `buttons` held.
void stroke(notepad& pad, int buttons, std::initializer_list<QPointF> points) {
    const QPointF first = *points.begin();
    pad.Form_MouseDown(buttons, 0, first.x(), first.y());
    for (const QPointF& p : points) pad.Form_MouseMove(buttons, 0, p.x(), p.y());
}

}  // namespace

class JotterTest : public ScreenTest {
  protected:
    notepad& pad() { return forms().get<notepad>(); }
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
    notepad& n = forms().show<notepad>();
    EXPECT_TRUE(n.isTopmost());
    EXPECT_EQ(n.ForeColor, kYellow);
    EXPECT_TRUE(blank());
    // The second column of portrait swatches sits beside the first, and both rows of
    // swatches end inside their toolbars.
    EXPECT_EQ(n.Label11(8).Left(), 580);
    EXPECT_EQ(n.Label11(8).Top(), n.Label11(0).Top());
    EXPECT_EQ(n.Label1(15).Left() + 240, 9825);
    EXPECT_EQ(n.Label11(7).Top() + 240, 5090);
}

TEST_F(JotterTest, OnlyTheLeftButtonAloneDraws) {
    notepad& n = forms().show<notepad>();
    // A press alone draws nothing, but sets where the next line starts.
    n.Form_MouseDown(1, 0, 1500, 1500);
    EXPECT_TRUE(blank());
    EXPECT_EQ(n.CurrentX, 1500);

    for (int buttons : {0, 2, 3, 4, 5}) {
        n.Form_MouseMove(buttons, 0, 3000, 1500);
        EXPECT_TRUE(blank()) << buttons;
        EXPECT_EQ(n.CurrentX, 1500) << buttons;
    }
    n.Form_MouseMove(1, 1, 3000, 1500);  // a Shift key held does not matter
    EXPECT_EQ(n.surface.pixel(2250, 1500), kYellow);
    EXPECT_EQ(n.CurrentX, 3000);
    // The next segment starts where the last one ended.
    n.Form_MouseMove(1, 0, 3000, 2700);
    EXPECT_EQ(n.surface.pixel(3000, 2100), kYellow);
    EXPECT_EQ(n.surface.pixel(2250, 2100), kBackground);
    // A press with the right button also moves the start.
    n.Form_MouseDown(2, 0, 600, 600);
    n.Form_MouseMove(1, 0, 600, 1200);
    EXPECT_EQ(n.surface.pixel(600, 900), kYellow);
}

TEST_F(JotterTest, StrokesAreSmoothAndThePenWidthIsInPixels) {
    notepad& n = forms().show<notepad>();
    stroke(n, 1, {{1500, 1500}, {4500, 1500}});
    // 3 pixels wide: the rows on both sides of the line are covered, three rows away not.
    EXPECT_EQ(n.surface.pixel(3000, 1500 - 15), kYellow);
    EXPECT_EQ(n.surface.pixel(3000, 1500), kYellow);
    EXPECT_EQ(n.surface.pixel(3000, 1500 - 45), kBackground);
    EXPECT_EQ(n.surface.pixel(3000, 1500 + 45), kBackground);
    // A round cap reaches a little beyond the end of the line, not a square corner's worth.
    EXPECT_NE(n.surface.pixel(4500 + 15, 1500), kBackground);
    EXPECT_NE(n.surface.pixel(4500 + 15, 1500 + 15), kYellow);

    n.Command5_Click();  // the eraser is 30 pixels wide
    stroke(n, 1, {{3000, 600}, {3000, 2400}});
    EXPECT_EQ(n.surface.pixel(3000 + 13 * 15, 1500), kBackground);
    EXPECT_EQ(n.surface.pixel(3000 + 17 * 15, 1500), kYellow);
    EXPECT_EQ(n.surface.pixel(3000 - 17 * 15, 1500), kYellow);
    n.Command6_Click();
    EXPECT_TRUE(blank());
    EXPECT_EQ(shownAt(n, 1800, 1500), kBackground);
}

TEST_F(JotterTest, EraseWriteSwatchAndClear) {
    notepad& n = forms().show<notepad>();
    n.Label1_Click(12);

    // Erase then Write: back to the colour in use before, narrow again.
    n.Command5_Click();
    EXPECT_EQ(n.ForeColor, kBackground);
    EXPECT_EQ(n.DrawWidth, 30);
    EXPECT_EQ(n.pencolour, kRed);
    n.Command2_Click();
    EXPECT_EQ(n.ForeColor, kRed);
    EXPECT_EQ(n.DrawWidth, 3);

    // Erase pressed twice, in either toolbar, still writes red afterwards.
    n.Command5_Click();
    n.Command8_Click();
    EXPECT_EQ(n.pencolour, kRed);
    n.Command10_Click();
    EXPECT_EQ(n.ForeColor, kRed);

    // Erase then a swatch: that swatch's colour, narrow.
    n.Command8_Click();
    n.Label11_Click(2);
    EXPECT_EQ(n.ForeColor, kGreen);
    EXPECT_EQ(n.DrawWidth, 3);

    // Clear while erasing: yellow and narrow, but Write still brings back the colour before.
    n.Command5_Click();
    n.Command6_Click();
    EXPECT_EQ(n.ForeColor, kYellow);
    EXPECT_EQ(n.DrawWidth, 3);
    EXPECT_EQ(n.pencolour, kGreen);
    n.Command2_Click();
    EXPECT_EQ(n.ForeColor, kGreen);

    // Clear while writing keeps the pen; Write without Erase changes nothing.
    n.Command7_Click();
    n.Command2_Click();
    EXPECT_EQ(n.ForeColor, kGreen);
    EXPECT_EQ(n.DrawWidth, 3);
}

TEST_F(JotterTest, FlipChangesShapeAndToolbarAndClearsButKeepsThePen) {
    notepad& n = forms().show<notepad>();
    n.Label1_Click(12);
    n.Command5_Click();
    stroke(n, 1, {{600, 600}, {1800, 600}});

    n.Command3_Click();
    EXPECT_EQ(n.Width(), 4000);
    EXPECT_EQ(n.Height(), 12000);
    EXPECT_EQ(n.window()->size(), QSize(261, 768));  // 3910 x 11520
    EXPECT_EQ(n.Frame_portrait.Left(), 2885);
    EXPECT_TRUE(n.Frame_portrait.Visible());
    EXPECT_FALSE(n.Frame_landscape.Visible());
    EXPECT_TRUE(blank());
    EXPECT_EQ(n.ForeColor, kBackground);
    EXPECT_EQ(n.DrawWidth, 30);
    EXPECT_EQ(n.pencolour, kRed);

    // The tall surface takes drawing all the way down.
    n.Command10_Click();
    stroke(n, 1, {{600, 10500}, {1800, 10500}});
    EXPECT_EQ(shownAt(n, 1200, 10500), kRed);

    n.Command4_Click();
    EXPECT_EQ(n.window()->size(), QSize(661, 244));  // 9915 x 3660
    EXPECT_TRUE(n.Frame_landscape.Visible());
    EXPECT_FALSE(n.Frame_portrait.Visible());
    EXPECT_TRUE(blank());
    EXPECT_EQ(n.ForeColor, kRed);
    EXPECT_EQ(n.DrawWidth, 3);
}

TEST_F(JotterTest, TheDrawingSurvivesRepaintsAndTheToolbarCoversIt) {
    notepad& n = forms().show<notepad>();
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
    notepad& n = forms().show<notepad>();
    QWidget* w = n.window();
    real::click(n.Label1(12));
    EXPECT_EQ(n.ForeColor, kRed);

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
    real::click(n.Command3);
    real::click(n.Label11(2));
    EXPECT_EQ(n.ForeColor, kGreen);
    real::click(n.Command8);
    EXPECT_EQ(n.DrawWidth, 30);
    real::click(n.Command10);
    EXPECT_EQ(n.ForeColor, kGreen);
}

TEST_F(JotterTest, TouchDrawsLikeTheLeftButton) {
    static QPointingDevice* touchScreen = QTest::createTouchDevice();
    notepad& n = forms().show<notepad>();
    QWindow* window = n.window()->windowHandle();
    QTest::touchEvent(window, touchScreen).press(0, {100, 100}, window);
    QTest::touchEvent(window, touchScreen).move(0, {150, 100}, window);
    QTest::touchEvent(window, touchScreen).move(0, {200, 100}, window);
    QTest::touchEvent(window, touchScreen).release(0, {200, 100}, window);
    EXPECT_EQ(n.surface.pixel(125 * 15, 100 * 15), kYellow);
    EXPECT_EQ(n.surface.pixel(175 * 15, 100 * 15), kYellow);
}

// Exit from the landscape toolbar: see tests/app/jotter_opening_test.cpp.
TEST_F(JotterTest, ExitFromThePortraitToolbarAndTheNextOpeningStartsAfresh) {
    notepad& n = forms().show<notepad>();
    n.Label1_Click(12);
    n.Command3_Click();
    stroke(n, 1, {{600, 600}, {1800, 600}});
    real::click(n.Command9);
    settle();
    EXPECT_FALSE(forms().isLoaded<notepad>());
    notepad& again = forms().show<notepad>();
    EXPECT_EQ(again.ForeColor, kYellow);
    EXPECT_TRUE(again.Frame_landscape.Visible());
    EXPECT_TRUE(blank());
}
