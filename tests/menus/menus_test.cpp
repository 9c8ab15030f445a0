// The five topic menus: layout from their tables, switching by tabs, the way back, topics,
// through real clicks.

#include "app/mainscreen.h"
#include "menus/topicmenu.h"
#include "tests/support/mouse.h"
#include "tests/support/screentest.h"

using namespace ui;

namespace {

// The menus with the shipped activities that keep their own screens' names, and no other.
class MenusTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        useRunFolderWithOwnScreensOnly();
    }
    TopicMenu& openMenu(int k) {
        forms().show<MainScreen>();
        real::click(forms().get<MainScreen>().menuEntries(k - 1));
        return dynamic_cast<TopicMenu&>(*forms().find(QString("menu%1").arg(k)));
    }
};

}  // namespace

// Five distinct screens from one design: own title, topics centred in rows, the tabs beside
// them, and a topic enabled exactly when it has an activity.
TEST_F(MenusTest, FiveMenusFromOneDesign) {
    const char* enabled[5] = {"01001", "01000", "11000", "00000", "00011"};
    for (int k = 1; k <= 5; ++k) {
        TopicMenu& menu = openMenu(k);
        SCOPED_TRACE(k);
        EXPECT_EQ(menu.title.Caption(), QString("Menu %1").arg(k));
        EXPECT_FALSE(menu.picture().isNull());
        for (int i = 0; i <= 4; ++i) {
            const Label& topic = menu.topics(i);
            EXPECT_EQ(topic.Left(), (12000 - topic.Width()) / 2) << i;
            EXPECT_EQ(topic.Top(), 2400 + 750 * i);
            EXPECT_TRUE(topic.Visible());
            EXPECT_EQ(topic.Enabled(), enabled[k - 1][i] == '1') << i;
            EXPECT_EQ(menu.tabs(i).Top(), topic.Top());
            EXPECT_EQ(menu.tabs(i).Caption(), QString("Menu %1").arg(i + 1));
            EXPECT_TRUE(menu.tabs(i).Visible());
        }
        EXPECT_FALSE(menu.tabs(5).Visible());  // WWW Links
        forms().clear();
    }
}

TEST_F(MenusTest, TopicsOpenTheirActivityTheMenuStaysAndTabsSwitchMenus) {
    TopicMenu& menu = openMenu(3);
    real::click(menu.topics(0));
    ASSERT_TRUE(forms().isLoaded("circuits"));
    EXPECT_TRUE(forms().isLoaded("menu3"));
    forms().unload(*forms().find("circuits"));
    // The menu answers as before once the activity has gone; its own tab does nothing.
    real::click(menu.tabs(2));
    EXPECT_EQ(forms().find("menu3"), &menu);
    real::click(menu.tabs(3));
    EXPECT_FALSE(forms().isLoaded("menu3"));
    auto* four = dynamic_cast<TopicMenu*>(forms().find("menu4"));
    ASSERT_NE(four, nullptr);
    EXPECT_TRUE(four->window()->isVisible());
    // Disabled topics open nothing; Exit goes back to the main screen alone.
    for (int i = 0; i <= 4; ++i) real::click(four->topics(i));
    real::click(four->exitButton);
    EXPECT_TRUE(forms().isLoaded<MainScreen>());
    EXPECT_EQ(forms().loaded().size(), 1u);
}
