// The Jotter: its two toolbars, the pen's states, drawing with the left button only and what
// the window shows.
#include "jotter/jotter.h"

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

TEST_F(JotterTest, OnlyTheLeftButtonAloneDraws) {
    Jotter& n = forms().show<Jotter>();
    // A press alone draws nothing, but sets where the next line starts.
    n.onMouseDown(1, 0, 1500, 1500);
    for (int buttons : {0, 2, 3, 4, 5}) n.onMouseMove(buttons, 0, 3000, 1500);
    EXPECT_TRUE(blank());
    EXPECT_EQ(n.penX, 1500);
    n.onMouseMove(1, 1, 3000, 1500);  // a Shift key held does not matter
    EXPECT_EQ(n.surface.pixel(2250, 1500), kYellow);
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
    // What is drawn shows, but not behind the toolbar.
    n.writeClicked();
    stroke(n, 1, {{4500, 1500}, {4500, 3300}});
    EXPECT_EQ(shownAt(n, 4500, 2400), kYellow);
    EXPECT_NE(shownAt(n, 4500, 3300), kYellow);
    n.clearClicked();
    EXPECT_TRUE(blank());
    EXPECT_EQ(shownAt(n, 4500, 2400), kBackground);
}

TEST_F(JotterTest, EraseWriteSwatchAndClear) {
    Jotter& n = forms().show<Jotter>();
    // The pen's colour and width, and the colour Write brings back.
    const auto pen = [&n] { return std::tuple(n.penColour, n.penWidth, n.writingColour); };
    EXPECT_EQ(pen(), std::tuple(kYellow, 3, kYellow)) << "a new Jotter's pen";
    // Every swatch lies inside its toolbar.
    for (int i = 0; i < 16; ++i)
        for (const auto& [bar, swatch] : {std::pair(&n.landscapeToolbar, &n.swatches(i)),
                                          std::pair(&n.portraitToolbar, &n.portraitSwatches(i))})
            EXPECT_TRUE(bar->widget()->rect().contains(swatch->widget()->geometry())) << i;
    n.swatchClicked(12);
    // Erase then Write: back to the colour in use before, narrow again.
    n.eraseClicked();
    EXPECT_EQ(pen(), std::tuple(kBackground, 30, kRed));
    n.writeClicked();
    EXPECT_EQ(pen(), std::tuple(kRed, 3, kRed));
    // Erase pressed twice, in either toolbar, still writes red afterwards.
    n.eraseClicked();
    n.portraitEraseClicked();
    n.portraitWriteClicked();
    EXPECT_EQ(pen(), std::tuple(kRed, 3, kRed));
    // Erase then a swatch: that swatch's colour, narrow.
    n.portraitEraseClicked();
    n.portraitSwatchClicked(2);
    EXPECT_EQ(pen(), std::tuple(kGreen, 3, kGreen));
    // Clear while erasing: yellow and narrow, but Write still brings back the colour before.
    n.eraseClicked();
    n.clearClicked();
    EXPECT_EQ(pen(), std::tuple(kYellow, 3, kGreen));
    n.writeClicked();
    EXPECT_EQ(pen(), std::tuple(kGreen, 3, kGreen));
    // Clear while writing keeps the pen; Write without Erase changes nothing.
    n.portraitClearClicked();
    n.writeClicked();
    EXPECT_EQ(pen(), std::tuple(kGreen, 3, kGreen));
}

TEST_F(JotterTest, FlipClearsKeepsThePenAndEachShapeFitsTheDisplay) {
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
        n.swatchClicked(12);
        n.eraseClicked();
        stroke(n, 1, {{600, 600}, {1800, 600}});
        n.window()->move(area.bottomRight() - QPoint(700, 400));  // low on the display
        // Flip clears the drawing but keeps the pen, erasing and the colour to write in.
        n.flipClicked();
        EXPECT_EQ(n.scale(), d.tall);
        EXPECT_EQ(QSizeF(n.Width(), n.Height()), QSizeF(4000, 12000));
        EXPECT_TRUE(area.contains(n.window()->frameGeometry())) << d.pixels.width();
        EXPECT_TRUE(blank());
        EXPECT_EQ(std::tuple(n.penColour, n.penWidth, n.writingColour),
                  std::tuple(kBackground, 30, kRed));
        // The toolbar, the drawing and what is kept of it scale with the window, the tall
        // surface taking drawing all the way down.
        EXPECT_EQ(n.portraitToolbar.widget()->geometry(),
                  Twips::toPixels(2885, 0, 1035, 5250, d.tall));
        n.portraitWriteClicked();
        stroke(n, 1, {{600, 10500}, {1800, 10500}});
        EXPECT_EQ(shownAt(n, 1200, 10500), kRed);
        n.portraitFlipClicked();
        EXPECT_EQ(n.scale(), d.screens);
        EXPECT_TRUE(area.contains(n.window()->frameGeometry())) << d.pixels.width();
        EXPECT_TRUE(blank());
        EXPECT_EQ(std::pair(n.penColour, n.penWidth), std::pair(kRed, 3));
        forms().clear();
        settle();
    }
}
