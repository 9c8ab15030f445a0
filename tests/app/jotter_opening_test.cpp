// Ways to the Jotter: the main screen's Jotter button and Ctrl+J on every full-size screen;
// an open Jotter comes to the front instead of starting again.
#include <QRectF>
#include <QTest>

#include "app/intro0.h"
#include "app/titlefrm.h"
#include "jotter/notepad.h"
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
    intro0& main = forms().show<intro0>();
    EXPECT_FALSE(main.cmdjotter.picture().isNull());
    EXPECT_TRUE(main.cmdjotter.Visible());
    for (const Control* c : main.controls()) {
        if (c == &main.cmdjotter || !c->Visible()) continue;
        EXPECT_FALSE(rectOf(*c).intersects(rectOf(main.cmdjotter)))
            << c->name().toStdString() << "(" << c->index() << ")";
    }
    EXPECT_LE(rectOf(main.cmdjotter).bottom(), main.ScaleHeight());
}

TEST_F(JotterOpeningTest, ButtonShowsTheJotterAndExitClosesIt) {
    intro0& main = forms().show<intro0>();
    real::click(main.cmdjotter);
    ASSERT_TRUE(forms().isLoaded<notepad>());
    notepad& pad = forms().get<notepad>();
    ASSERT_TRUE(QTest::qWaitForWindowActive(pad.window()));
    real::click(pad.Command1);
    settle();
    EXPECT_FALSE(forms().isLoaded<notepad>());
    EXPECT_TRUE(main.window()->isVisible());

    // The main screen has the keyboard again, so Ctrl+J works at once.
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.window()));
    QTest::keyClick(main.window(), Qt::Key_J, Qt::ControlModifier);
    EXPECT_TRUE(forms().isLoaded<notepad>());
}

TEST_F(JotterOpeningTest, CtrlJOpensTheJotterFromEveryFullSizeScreen) {
    for (const char* screen : {"intro0", "menu1", "menu4"}) {
        SCOPED_TRACE(screen);
        forms().unload<notepad>();
        settle();
        Form* form = forms().show(screen);
        ASSERT_NE(form, nullptr);
        pressCtrlJ(*form);
        ASSERT_TRUE(forms().isLoaded<notepad>());
        EXPECT_TRUE(forms().get<notepad>().window()->isVisible());
    }
}

TEST_F(JotterOpeningTest, CtrlJBringsAnOpenJotterToTheFrontWithItsDrawing) {
    intro0& main = forms().show<intro0>();
    main.cmdjotter_Click();
    notepad& pad = forms().get<notepad>();
    pad.Label1_Click(12);
    pad.Form_MouseDown(1, 0, 600, 600);
    pad.Form_MouseMove(1, 0, 1800, 600);

    Form& menu = *forms().show("menu2");
    pressCtrlJ(menu);
    EXPECT_EQ(&forms().get<notepad>(), &pad);
    EXPECT_TRUE(QTest::qWaitForWindowActive(pad.window()));
    EXPECT_EQ(pad.surface.pixel(1200, 600), RGB(255, 0, 0));
    int jotters = 0;
    for (Form* f : forms().loaded()) jotters += f->name() == notepad::Name;
    EXPECT_EQ(jotters, 1);

    // The button does the same.
    main.cmdjotter_Click();
    EXPECT_EQ(&forms().get<notepad>(), &pad);
    EXPECT_EQ(pad.surface.pixel(1200, 600), RGB(255, 0, 0));
}

TEST_F(JotterOpeningTest, TheSmallTitleScreenHasNoShortcut) {
    Titlefrm& title = forms().show<Titlefrm>();
    pressCtrlJ(title);
    EXPECT_FALSE(forms().isLoaded<notepad>());
}
