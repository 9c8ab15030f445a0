// The title screen, the main screen and the backdrop, driven through their handlers and
// through real mouse events.
#include "app/grey.h"
#include "app/intro0.h"
#include "app/titlefrm.h"
#include "tests/support/mouse.h"
#include "tests/support/screentest.h"
#include "ui/module1.h"

using namespace ui;

using ShellTest = ScreenTest;

TEST_F(ShellTest, TitleKeepsItsDesignWithTheStillPicture) {
    fake->display = {800 * 15, 600 * 15};
    Titlefrm& title = forms().show<Titlefrm>();
    EXPECT_EQ(title.Width(), 5460 + 90);
    EXPECT_EQ(title.Height(), 6570 + 435);
    EXPECT_FLOAT_EQ(title.Top(), 4500 - 7005 / 2.0f);
    EXPECT_FLOAT_EQ(title.Left(), 6000 - 5550 / 2.0f);
    EXPECT_EQ(title.BackColor(), RGB(192, 192, 192));
    EXPECT_FALSE(title.Picture1.picture().isNull());
    EXPECT_FALSE(title.Timer1.Enabled());
    EXPECT_EQ(title.Command1.Caption(), "OK");
    // The client area is as designed, but for the notice line, which ends at 6675 twips:
    // the window grows just enough to show it whole.
    EXPECT_EQ(title.window()->size(), QSize(364, 445));
}

TEST_F(ShellTest, TitleFallbackCyclesFortyPictures) {
    const QString dir = useCopyOfRunFolder();
    QFile::remove(dir + "/Images/sunflowersm.jpg");
    Module1::framenumber = 17;
    Titlefrm& title = forms().show<Titlefrm>();
    EXPECT_EQ(Module1::framenumber, 0);
    EXPECT_EQ(title.Width(), 12000);
    EXPECT_EQ(title.Height(), 9000);
    EXPECT_EQ(title.BackColor(), RGB(49, 135, 214));
    EXPECT_EQ(title.Picture1.BackColor(), RGB(49, 135, 214));
    ASSERT_TRUE(title.Timer1.Enabled());
    EXPECT_EQ(title.Timer1.Interval(), 25);

    title.Timer1.fire();
    EXPECT_EQ(Module1::framenumber, 1);
    const QImage first = title.Picture1.picture().toImage();
    EXPECT_EQ(first, LoadPicture("opening\\phys01.jpg")->toImage());
    for (int i = 2; i <= 40; ++i) title.Timer1.fire();
    EXPECT_EQ(Module1::framenumber, 0);
    EXPECT_EQ(title.Picture1.picture().toImage(), LoadPicture("opening\\phys00.jpg")->toImage());

    // A missing picture leaves the last one shown and the count going on.
    QFile::remove(dir + "/opening/phys01.jpg");
    title.Timer1.fire();
    EXPECT_EQ(Module1::framenumber, 1);
    EXPECT_EQ(title.Picture1.picture().toImage(), LoadPicture("opening\\phys00.jpg")->toImage());
}

TEST_F(ShellTest, OpeningPictureNames) {
    EXPECT_EQ(Titlefrm::openingPicture(0), "opening\\phys00.jpg");
    EXPECT_EQ(Titlefrm::openingPicture(9), "opening\\phys09.jpg");
    EXPECT_EQ(Titlefrm::openingPicture(10), "opening\\phys10.jpg");
    EXPECT_EQ(Titlefrm::openingPicture(39), "opening\\phys39.jpg");
}

TEST_F(ShellTest, OkLeadsToTheMainScreenAndBackComesCancel) {
    Titlefrm& title = forms().show<Titlefrm>();
    real::click(title.Command1);
    settle();
    ASSERT_TRUE(forms().isLoaded<intro0>());
    EXPECT_FALSE(forms().isLoaded<Titlefrm>());
    intro0& main = forms().get<intro0>();
    EXPECT_TRUE(main.window()->isVisible());

    Module1::framenumber = 12;
    real::click(main.Command1);
    settle();
    EXPECT_FALSE(forms().isLoaded<intro0>());
    ASSERT_TRUE(forms().isLoaded<Titlefrm>());
    EXPECT_EQ(forms().get<Titlefrm>().Command1.Caption(), "Cancel");
    EXPECT_EQ(Module1::framenumber, 0);

    real::click(forms().get<Titlefrm>().Command1);
    settle();
    EXPECT_TRUE(forms().isLoaded<intro0>());
    EXPECT_FALSE(forms().isLoaded<Titlefrm>());
}

TEST_F(ShellTest, ExitEndsTheProgramWhateverIsShown) {
    forms().show<intro0>().Check1.setValue(1);
    Titlefrm& title = forms().show<Titlefrm>();
    real::click(title.Command2);
    EXPECT_EQ(fake->endCalls, 1);
    EXPECT_FALSE(forms().get<Grey>().window()->isVisible());
}

TEST_F(ShellTest, MainScreenLayout) {
    intro0& main = forms().show<intro0>();
    EXPECT_EQ(main.Caption(), "Halverin");
    EXPECT_EQ(main.BackColor(), RGB(49, 135, 215));
    const float tops[] = {2400, 3150, 3900, 4650, 5400};
    const char* captions[] = {"Menu 1", "Menu 2", "Menu 3", "Menu 4", "Menu 5"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(main.Label2(i).Left(), 9600);
        EXPECT_EQ(main.Label2(i).Top(), tops[i]);
        EXPECT_EQ(main.Label2(i).Width(), 2235);
        EXPECT_EQ(main.Label2(i).Height(), 495);
        EXPECT_EQ(main.Label2(i).Caption(), captions[i]);
        EXPECT_TRUE(main.Label2(i).Visible());
        EXPECT_EQ(main.Label2(i).BackColor(), RGB(128, 64, 0));
    }
    EXPECT_EQ(main.Label2(5).Caption(), "WWW Links");
    EXPECT_EQ(main.Label2(5).Top(), 6900);
    EXPECT_FALSE(main.Label2(5).Visible());
    EXPECT_FALSE(main.Label2(7).Enabled());
    EXPECT_TRUE(main.Command1.Visible());
    EXPECT_EQ(main.Command1.Left(), 60);
    EXPECT_EQ(main.Command1.Top(), 7950);
    EXPECT_EQ(main.Command1.Width(), 1785);
    EXPECT_EQ(main.Command1.Height(), 495);
    EXPECT_FALSE(main.picture().isNull());
    EXPECT_FALSE(main.Image2.picture().isNull());
}

TEST_F(ShellTest, HideDesktopSurvivesATripToTheTitleScreen) {
    intro0& main = forms().show<intro0>();
    EXPECT_FALSE(forms().isLoaded<Grey>());
    real::click(main.Check1);
    EXPECT_EQ(Module1::hidedesktop, 1);
    ASSERT_TRUE(forms().isLoaded<Grey>());
    Grey& grey = forms().get<Grey>();
    EXPECT_EQ(grey.BackColor(), RGB(48, 133, 214));
    EXPECT_TRUE(grey.window()->isVisible());

    main.Command1_Click();
    settle();
    forms().get<Titlefrm>().Command1_Click();
    settle();
    intro0& again = forms().get<intro0>();
    EXPECT_EQ(again.Check1.Value(), 1);
    EXPECT_EQ(&forms().get<Grey>(), &grey);  // the same backdrop, not a second one
    int backdrops = 0;
    for (Form* f : forms().loaded()) backdrops += f->name() == "Grey";
    EXPECT_EQ(backdrops, 1);

    real::click(again.Check1);
    EXPECT_EQ(Module1::hidedesktop, 0);
    EXPECT_FALSE(forms().isLoaded<Grey>());
}

TEST_F(ShellTest, WebLabelOpensTheGuidePageAndGuideEntryIsInert) {
    intro0& main = forms().show<intro0>();
    real::click(main.Label2(6));
    ASSERT_EQ(fake->openedUrls.size(), 1);
    EXPECT_TRUE(fake->openedUrls[0].endsWith("/brindlemark.html"));
    real::click(main.Label2(7));
    EXPECT_EQ(fake->openedUrls.size(), 1);
    EXPECT_EQ(forms().loaded().size(), 1u);
}

TEST_F(ShellTest, ClosingWindowsThroughTheWindowSystemDoesWhatExitDoes) {
    intro0& main = forms().show<intro0>();
    main.window()->close();
    settle();
    EXPECT_FALSE(forms().isLoaded<intro0>());
    ASSERT_TRUE(forms().isLoaded<Titlefrm>());
    EXPECT_EQ(forms().get<Titlefrm>().Command1.Caption(), "Cancel");
    EXPECT_EQ(fake->endCalls, 0);
    forms().get<Titlefrm>().window()->close();
    EXPECT_EQ(fake->endCalls, 1);
}

TEST_F(ShellTest, WithNoAssetFolderEveryScreenIsStillLaidOut) {
    useEmptyFolder();
    Titlefrm& title = forms().show<Titlefrm>();
    EXPECT_TRUE(title.Timer1.Enabled());
    for (int i = 0; i < 45; ++i) title.Timer1.fire();
    EXPECT_EQ(Module1::framenumber, 5);
    EXPECT_TRUE(title.Picture1.picture().isNull());
    real::click(title.Command1);
    settle();
    intro0& main = forms().get<intro0>();
    EXPECT_TRUE(main.picture().isNull());
    EXPECT_TRUE(main.Command1.Visible());
    EXPECT_EQ(main.Command1.Top(), 7950);
    for (int i = 0; i < 5; ++i) EXPECT_TRUE(main.Label2(i).Visible());
    real::click(main.Label2(6));  // no guide page: nothing happens
    EXPECT_TRUE(fake->openedUrls.isEmpty());
    for (int k = 0; k < 5; ++k) {
        real::click(main.Label2(k));
        Form* menu = forms().find(QString("menu%1").arg(k + 1));
        ASSERT_NE(menu, nullptr);
        EXPECT_TRUE(menu->window()->isVisible());
        forms().unload(*menu);
        settle();
    }
}
