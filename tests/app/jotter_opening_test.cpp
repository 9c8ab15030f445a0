// Ways to the Jotter: the main screen's Jotter button and Ctrl+J on every full-size screen;
// an open Jotter comes to the front instead of starting again.
#include <QRectF>
#include <QTest>

#include "app/mainscreen.h"
#include "app/titlescreen.h"
#include "jotter/jotter.h"
#include "tests/support/mouse.h"
#include "tests/support/screentest.h"

using namespace ui;

namespace {

QRectF rectOf(const Control& c) {
    return {c.Left(), c.Top(), c.Width(), c.Height()};
}

void pressCtrlJ(Form& screen) {
    QWidget* w = screen.window();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    QTest::keyClick(w, Qt::Key_J, Qt::ControlModifier);
}

}  // namespace

using JotterOpeningTest = ScreenTest;

TEST_F(JotterOpeningTest, MainScreenButtonIsDressedAndClearOfEveryVisibleControl) {
    MainScreen& main = forms().show<MainScreen>();
    EXPECT_FALSE(main.jotterButton.picture().isNull());
    EXPECT_TRUE(main.jotterButton.Visible());
    for (const Control* c : main.controls()) {
        if (c == &main.jotterButton || !c->Visible()) continue;
        EXPECT_FALSE(rectOf(*c).intersects(rectOf(main.jotterButton)))
            << c->name().toStdString() << "(" << c->index() << ")";
    }
    EXPECT_LE(rectOf(main.jotterButton).bottom(), main.ScaleHeight());
}

TEST_F(JotterOpeningTest, CtrlJOpensTheJotterFromEveryFullSizeScreenButTheTitle) {
    for (const char* screen : {"intro0", "menu4", "boneslab", "circuits", "scramble"}) {
        SCOPED_TRACE(screen);
        forms().unload<Jotter>();
        settle();
        Form* form = forms().show(screen);
        ASSERT_NE(form, nullptr);
        pressCtrlJ(*form);
        ASSERT_TRUE(forms().isLoaded<Jotter>());
        EXPECT_TRUE(forms().get<Jotter>().window()->isVisible());
    }
    // The small title screen has no shortcut.
    forms().clear();
    pressCtrlJ(forms().show<TitleScreen>());
    EXPECT_FALSE(forms().isLoaded<Jotter>());
}

TEST_F(JotterOpeningTest, TheButtonOrCtrlJBringsAnOpenJotterToTheFrontWithItsDrawing) {
    MainScreen& main = forms().show<MainScreen>();
    real::click(main.jotterButton);
    ASSERT_TRUE(forms().isLoaded<Jotter>());
    Jotter& pad = forms().get<Jotter>();
    pad.swatchClicked(12);
    pad.onMouseDown(1, 0, 600, 600);
    pad.onMouseMove(1, 0, 1800, 600);
    pressCtrlJ(*forms().show("menu2"));
    EXPECT_EQ(&forms().get<Jotter>(), &pad);
    EXPECT_TRUE(QTest::qWaitForWindowActive(pad.window()));
    main.jotterClicked();
    EXPECT_EQ(&forms().get<Jotter>(), &pad);
    EXPECT_EQ(pad.surface.pixel(1200, 600), RGB(255, 0, 0));
    // Exit gives the keyboard back to the screen in front, so Ctrl+J works at once.
    real::click(pad.exitButton);
    EXPECT_FALSE(forms().isLoaded<Jotter>());
    Form& front = *forms().find("menu2");
    ASSERT_TRUE(QTest::qWaitForWindowActive(front.window()));
    QTest::keyClick(front.window(), Qt::Key_J, Qt::ControlModifier);
    EXPECT_TRUE(forms().isLoaded<Jotter>());
}
