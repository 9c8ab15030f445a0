// What only a real X server shows: the stacking of the backdrop behind the program's
// windows, the keyboard handed back as a window closes, and the program ending with status 0
// through the title screen's Exit.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "app/backdrop.h"
#include "app/mainscreen.h"
#include "app/screens.h"
#include "app/titlescreen.h"
#include "menus/topicmenu.h"
#include "tests/support/mouse.h"
#include "ui/formregistry.h"
#include "ui/programstate.h"

using namespace ui;

namespace {

// The colour the X server shows at a point of the display: what a class would see.
QColor shownAt(QPoint global) {
    QTest::qWait(200);  // let the server map, stack and paint the windows
    const QImage shot =
        QGuiApplication::primaryScreen()->grabWindow(0, global.x(), global.y(), 1, 1).toImage();
    return shot.pixelColor(0, 0);
}

class X11Test : public ::testing::Test {
  protected:
    void SetUp() override {
        ProgramState::reset();
        registerScreens(forms());
    }
    void TearDown() override {
        forms().clear();
        QTest::qWait(50);
    }
};

}  // namespace

TEST_F(X11Test, TheBackdropStaysBehindTheProgramsWindows) {
    MainScreen& main = forms().show<MainScreen>();
    QTest::qWait(150);
    real::click(main.hideDesktop);
    ASSERT_TRUE(forms().isLoaded<Backdrop>());
    QWidget* backdrop = forms().get<Backdrop>().window();
    const QRect display = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(backdrop->frameGeometry(), display);

    const QColor backdropBlue(48, 133, 214);
    const QPoint corner = display.bottomRight() - QPoint(5, 5);
    EXPECT_EQ(shownAt(corner), backdropBlue);
    // Inside the main screen's black title box.
    const QPoint onTitle = main.window()->mapToGlobal(QPoint(20, 20));
    EXPECT_EQ(shownAt(onTitle), QColor(Qt::black));

    // Opening a menu, showing the backdrop again or raising it leave it behind.
    real::click(main.menuEntries(0));
    ASSERT_NE(forms().find("menu1"), nullptr);
    forms().show<Backdrop>();
    EXPECT_NE(shownAt(onTitle), backdropBlue);
    backdrop->raise();  // as a window manager with its own ideas might
    EXPECT_NE(shownAt(onTitle), backdropBlue);
    EXPECT_EQ(shownAt(corner), backdropBlue);
}

TEST_F(X11Test, WithoutAWindowManagerTheKeysComeBackToTheTopicThatOpenedAnActivity) {
    TopicMenu1& menu = forms().show<TopicMenu1>();
    QTest::qWait(150);
    QWindow* window = menu.window()->windowHandle();
    QTest::keyClick(window, Qt::Key_Down);  // from "The Skeleton" to "Puberty"
    QTest::keyClick(window, Qt::Key_Return);
    ASSERT_TRUE(forms().isLoaded("puberty"));
    QTest::qWait(150);
    QTest::keyClick(forms().find("puberty")->window()->windowHandle(), Qt::Key_Escape);
    QTest::qWait(150);
    EXPECT_FALSE(forms().isLoaded("puberty"));
    EXPECT_EQ(QApplication::activeWindow(), menu.window());
    EXPECT_EQ(QApplication::focusWidget(), menu.topics(4).widget());
}

TEST_F(X11Test, ExitEndsTheProgramWithStatusZero) {
    TitleScreen& title = forms().show<TitleScreen>();
    QTimer::singleShot(300, [&] { real::click(title.exitButton); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(3); });  // never hang the suite
    EXPECT_EQ(QApplication::exec(), 0);
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
