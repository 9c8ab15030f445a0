// The title screen, the main screen (with its choice of language) and the backdrop, driven through
// their handlers and through real mouse events.
#include <QSettings>
#include <QTemporaryDir>

#include "app/backdrop.h"
#include "app/language.h"
#include "app/mainscreen.h"
#include "app/shellstate.h"
#include "app/texts.h"
#include "app/titlescreen.h"
#include "jotter/jotter.h"
#include "menus/topicmenu.h"
#include "tests/support/mouse.h"
#include "tests/support/screentest.h"
#include "ui/programstate.h"

using namespace ui;

using ShellTest = ScreenTest;

TEST_F(ShellTest, TitleFallbackCyclesFortyPicturesEvery25Milliseconds) {
    const QString dir = useCopyOfRunFolder();
    QFile::remove(dir + "/Images/sunflowersm.jpg");
    ShellState::titleFrame = 17;
    TitleScreen& title = forms().show<TitleScreen>();
    EXPECT_EQ(ShellState::titleFrame, 0);
    EXPECT_EQ(title.Width(), 12000);
    const auto shows = [&](const char* file) {
        return title.illustration.picture().toImage() == LoadPicture(file)->toImage();
    };
    passTime(25);
    EXPECT_EQ(ShellState::titleFrame, 1);
    EXPECT_TRUE(shows("opening\\phys01.jpg"));
    passTime(39 * 25);
    EXPECT_EQ(ShellState::titleFrame, 0);
    EXPECT_TRUE(shows("opening\\phys00.jpg"));
    EXPECT_EQ(TitleScreen::openingPicture(39), "opening\\phys39.jpg");

    // A missing picture leaves the last one shown and the count going on.
    QFile::remove(dir + "/opening/phys01.jpg");
    passTime(25);
    EXPECT_EQ(ShellState::titleFrame, 1);
    EXPECT_TRUE(shows("opening\\phys00.jpg"));
}

TEST_F(ShellTest, OkLeadsToTheMainScreenAndBackComesCancel) {
    real::click(forms().show<TitleScreen>().okButton);
    ASSERT_TRUE(forms().isLoaded<MainScreen>());
    EXPECT_FALSE(forms().isLoaded<TitleScreen>());
    MainScreen& main = forms().get<MainScreen>();
    EXPECT_TRUE(main.window()->isVisible());
    ShellState::titleFrame = 12;
    real::click(main.exitButton);
    EXPECT_FALSE(forms().isLoaded<MainScreen>());
    EXPECT_EQ(forms().get<TitleScreen>().okButton.Caption(), "Cancel");
    EXPECT_EQ(ShellState::titleFrame, 0);
    real::click(forms().get<TitleScreen>().okButton);
    EXPECT_TRUE(forms().isLoaded<MainScreen>() && !forms().isLoaded<TitleScreen>());
}

TEST_F(ShellTest, ExitEndsTheProgramWhateverIsShown) {
    forms().show<MainScreen>().hideDesktop.setValue(1);
    TitleScreen& title = forms().show<TitleScreen>();
    real::click(title.exitButton);
    EXPECT_EQ(fake->endCalls, 1);
    EXPECT_FALSE(forms().get<Backdrop>().window()->isVisible());
}

TEST_F(ShellTest, HideDesktopSurvivesATripToTheTitleScreen) {
    MainScreen& main = forms().show<MainScreen>();
    real::click(main.hideDesktop);
    EXPECT_TRUE(ShellState::hideDesktop);
    ASSERT_TRUE(forms().isLoaded<Backdrop>());
    Backdrop& grey = forms().get<Backdrop>();
    EXPECT_TRUE(grey.window()->isVisible());
    main.exitClicked();
    forms().get<TitleScreen>().okClicked();
    MainScreen& again = forms().get<MainScreen>();
    EXPECT_EQ(again.hideDesktop.Value(), 1);
    EXPECT_EQ(&forms().get<Backdrop>(), &grey);  // the same backdrop, not a second one
    real::click(again.hideDesktop);
    EXPECT_FALSE(ShellState::hideDesktop || forms().isLoaded<Backdrop>());
}

TEST_F(ShellTest, GuideEntryOpensTheGuideAndTheLabelTheAboutPage) {
    MainScreen& main = forms().show<MainScreen>();
    EXPECT_EQ(main.menuEntries(6).Caption(), "About Brindlemark");
    real::click(main.menuEntries(7));
    real::click(main.menuEntries(6));
    ASSERT_EQ(fake->openedUrls.size(), 2);
    EXPECT_TRUE(fake->openedUrls[0].endsWith("/brindlemark.html"));
    EXPECT_TRUE(fake->openedUrls[1].endsWith("/about.html"));
    EXPECT_EQ(forms().loaded().size(), 1u);
    useEmptyFolder();
    real::click(main.menuEntries(6));  // no about page: nothing happens
    EXPECT_EQ(fake->openedUrls.size(), 2);
}

TEST_F(ShellTest, ClosingWindowsThroughTheWindowSystemDoesWhatExitDoes) {
    forms().show<MainScreen>().window()->close();
    EXPECT_FALSE(forms().isLoaded<MainScreen>());
    EXPECT_EQ(forms().get<TitleScreen>().okButton.Caption(), "Cancel");
    EXPECT_EQ(fake->endCalls, 0);
    forms().get<TitleScreen>().window()->close();
    EXPECT_EQ(fake->endCalls, 1);
}

// The teacher's choice of language: English and each language translated, each named in its
// own words; chosen, it is kept in brindlemark.conf, and shown at once on the main screen and
// on every screen opened after it, while the Jotter keeps its drawing.
TEST_F(ShellTest, ChosenLanguageIsKeptAndShownAtOnce) {
    QTemporaryDir config;
    const QByteArray previous = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    const QString conf = config.filePath("brindlemark/brindlemark.conf");
    MainScreen& main = forms().show<MainScreen>();
    ASSERT_EQ(main.languages.count(), 2);
    EXPECT_EQ(main.languages(0).Caption(), "English");
    EXPECT_EQ(main.languages(1).Caption(), "Cymraeg");
    EXPECT_TRUE(main.languages(0).Value());
    EXPECT_FALSE(QFile::exists(conf));  // written only when the teacher chooses

    forms().show("menu1");
    Jotter& jotter = forms().show<Jotter>();
    jotter.surface.line(100, 100, 2000, 2000, colours::kYellow, 3);
    const QImage drawing = jotter.surface.image();
    real::click(main.languages(1));
    EXPECT_EQ(QSettings(conf, QSettings::IniFormat).value("language"), "cy");
    EXPECT_EQ(chosenLanguage().language(), QLocale::Welsh);
    EXPECT_EQ(QLocale().language(), QLocale::Welsh);
    EXPECT_NE(main.hideDesktop.Caption(), "Hide Desktop");
    EXPECT_NE(main.menuEntries(0).Caption(), "Menu 1");
    EXPECT_EQ(main.languages(1).Caption(), "Cymraeg");
    EXPECT_FALSE(forms().isLoaded("menu1"));  // opened again, it is made in Welsh
    EXPECT_NE(dynamic_cast<TopicMenu&>(*forms().show("menu1")).title.Caption(), "Menu 1");
    EXPECT_NE(jotter.exitButton.Caption(), "Exit");
    EXPECT_EQ(jotter.surface.image(), drawing);
    main.exitClicked();
    TitleScreen& title = forms().get<TitleScreen>();
    EXPECT_NE(title.exitButton.Caption(), "Exit");
    EXPECT_NE(title.credits.Caption(), texts::kTitleCredits);  // a design table's caption

    title.okClicked();
    MainScreen& again = forms().get<MainScreen>();
    EXPECT_TRUE(again.languages(1).Value());
    real::click(again.languages(0));
    EXPECT_EQ(QSettings(conf, QSettings::IniFormat).value("language"), "en");
    EXPECT_EQ(again.hideDesktop.Caption(), "Hide Desktop");
    EXPECT_EQ(jotter.exitButton.Caption(), "Exit");
    qputenv("XDG_CONFIG_HOME", previous);
}
