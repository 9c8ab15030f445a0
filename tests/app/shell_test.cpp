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
    // Centred on the display.
    EXPECT_FLOAT_EQ(title.Top(), 4500 - 7005 / 2.0f);
    EXPECT_FLOAT_EQ(title.Left(), 6000 - 5550 / 2.0f);
    EXPECT_FALSE(title.Picture1.picture().isNull());
    EXPECT_FALSE(title.Timer1.Enabled());
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
    ASSERT_TRUE(title.Timer1.Enabled());

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
    EXPECT_EQ(Titlefrm::openingPicture(9), "opening\\phys09.jpg");
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

TEST_F(ShellTest, HideDesktopSurvivesATripToTheTitleScreen) {
    intro0& main = forms().show<intro0>();
    EXPECT_FALSE(forms().isLoaded<Grey>());
    real::click(main.Check1);
    EXPECT_EQ(Module1::hidedesktop, 1);
    ASSERT_TRUE(forms().isLoaded<Grey>());
    Grey& grey = forms().get<Grey>();
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

TEST_F(ShellTest, WithNoAssetFolderTheTitleCyclesAndNoGuideOpens) {
    useEmptyFolder();
    Titlefrm& title = forms().show<Titlefrm>();
    EXPECT_TRUE(title.Timer1.Enabled());
    for (int i = 0; i < 45; ++i) title.Timer1.fire();
    EXPECT_EQ(Module1::framenumber, 5);
    EXPECT_TRUE(title.Picture1.picture().isNull());
    real::click(title.Command1);
    settle();
    real::click(forms().get<intro0>().Label2(6));  // no guide page: nothing happens
    EXPECT_TRUE(fake->openedUrls.isEmpty());
}
