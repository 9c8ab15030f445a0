// What only a real X server shows: the stacking of the backdrop behind the program's
// windows, and the program ending with status 0 through the title screen's Exit.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "app/backdrop.h"
#include "app/mainscreen.h"
#include "app/screens.h"
#include "app/titlescreen.h"
#include "tests/support/mouse.h"
#include "ui/formregistry.h"
#include "ui/programstate.h"

using namespace ui;

namespace {

// The colour the X server shows at a point of the display: what a class would see.
QColor shownAt(QPoint global) {
    const QImage shot =
        QGuiApplication::primaryScreen()->grabWindow(0, global.x(), global.y(), 1, 1).toImage();
    return shot.pixelColor(0, 0);
}

// Waits until the server shows the colour there (or, with `is` false, any other), however busy
// the machine; the limit only keeps a fault from hanging the suite.
bool comesToShow(QPoint global, QColor colour, bool is = true) {
    return QTest::qWaitFor([&] { return (shownAt(global) == colour) == is; }, 10000);
}

// Counts the exposures of a window: each one is the server's answer to a change of stacking.
class ExposeCounter : public QObject {
  public:
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        count += event->type() == QEvent::Expose;
        return false;
    }
};

class X11Test : public ::testing::Test {
  protected:
    void SetUp() override {
        ProgramState::reset();
        registerScreens(forms());
    }
    void TearDown() override {
        forms().clear();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
};

}  // namespace

TEST_F(X11Test, TheBackdropStaysBehindTheProgramsWindows) {
    MainScreen& main = forms().show<MainScreen>();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main.window()));
    real::click(main.hideDesktop);
    ASSERT_TRUE(forms().isLoaded<Backdrop>());
    QWidget* backdrop = forms().get<Backdrop>().window();
    const QRect display = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(backdrop->frameGeometry(), display);

    const QColor backdropBlue(48, 133, 214);
    const QPoint corner = display.bottomRight() - QPoint(5, 5);
    EXPECT_TRUE(comesToShow(corner, backdropBlue));
    // Inside the main screen's black title box.
    const QPoint onTitle = main.window()->mapToGlobal(QPoint(20, 20));
    EXPECT_TRUE(comesToShow(onTitle, Qt::black));

    // Opening a menu, showing the backdrop again or raising it leave it behind: once the
    // server has exposed the raised backdrop (which paints itself at once), the program puts
    // it back and the screen in front shows again.
    real::click(main.menuEntries(0));
    ASSERT_NE(forms().find("menu1"), nullptr);
    forms().show<Backdrop>();
    ExposeCounter exposures;
    backdrop->windowHandle()->installEventFilter(&exposures);
    backdrop->raise();  // as a window manager with its own ideas might
    ASSERT_TRUE(QTest::qWaitFor([&] { return exposures.count > 0; }, 10000));
    EXPECT_TRUE(comesToShow(onTitle, backdropBlue, false));
    EXPECT_TRUE(comesToShow(corner, backdropBlue));
}

TEST_F(X11Test, ExitEndsTheProgramWithStatusZero) {
    TitleScreen& title = forms().show<TitleScreen>();
    QTimer::singleShot(0, [&] { real::click(title.exitButton); });
    QTimer::singleShot(10000, [] { QCoreApplication::exit(3); });  // never hang the suite
    EXPECT_EQ(QApplication::exec(), 0);
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
