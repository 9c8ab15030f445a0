// What only a real X server shows, with a window manager (openbox) and without one: the
// backdrop hiding another program's window beneath the program's own, the tall Jotter inside
// the display, and the program ending with status 0 through the title screen's Exit.
#include <QtGui/qguiapplication_platform.h>
#include <gtest/gtest.h>
#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "app/backdrop.h"
#include "app/mainscreen.h"
#include "app/screens.h"
#include "app/titlescreen.h"
#include "jotter/jotter.h"
#include "tests/support/mouse.h"
#include "ui/displayscale.h"
#include "ui/formregistry.h"
#include "ui/programstate.h"

using namespace ui;

namespace {

const QColor kBackdropBlue(48, 133, 214);
const QRect kOtherWindow(10, 300, 150, 150);  // clear of the centred screens

xcb_connection_t* x11() {
    return qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
}

// The colour the X server shows at a point of the display: what a class would see.
QColor shownAt(QPoint global) {
    QTest::qWait(250);  // let the server and the window manager map, stack and paint
    const QImage shot =
        QGuiApplication::primaryScreen()->grabWindow(0, global.x(), global.y(), 1, 1).toImage();
    return shot.pixelColor(0, 0);
}

// Whether the display comes to show that colour there (a loaded machine may take a while).
bool displays(QPoint global, const QColor& colour) {
    return QTest::qWaitFor([&] { return shownAt(global) == colour; }, 5000);
}

// Whether the display comes to show this window at a point of its own, not another window.
bool showsWindow(QWidget* window, QPoint local) {
    return QTest::qWaitFor(
        [&] {
            const QColor shown = shownAt(window->mapToGlobal(local));
            return shown == window->grab().toImage().pixelColor(local);
        },
        5000);
}

// A click of the pointer itself, which the window manager sees first.
void clickDisplayAt(QPoint global) {
    xcb_connection_t* c = x11();
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    xcb_test_fake_input(c, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, root,
                        static_cast<int16_t>(global.x()), static_cast<int16_t>(global.y()), 0);
    xcb_test_fake_input(c, XCB_BUTTON_PRESS, 1, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    xcb_test_fake_input(c, XCB_BUTTON_RELEASE, 1, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    xcb_flush(c);
    QTest::qWait(250);
}

void clickDisplayOn(const Control& c) {
    clickDisplayAt(c.widget()->mapToGlobal(c.widget()->rect().center()));
}

// The window of another program: red, telling on its standard output of each press.
class OtherProgramWindow : public QWidget {
  protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), Qt::red); }
    void mousePressEvent(QMouseEvent*) override {
        std::puts("pressed");
        std::fflush(stdout);
    }
};

int runOtherProgram() {
    OtherProgramWindow window;
    window.setWindowTitle("Another program");
    window.setGeometry(kOtherWindow);
    window.show();
    return QApplication::exec();
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

TEST_F(X11Test, HideDesktopHidesOtherProgramsBeneathOursAndTakesNoClick) {
    QProcess other;
    other.start(QCoreApplication::applicationFilePath(), {"--other-program"});
    const QPoint onOther = kOtherWindow.center();
    ASSERT_TRUE(displays(onOther, Qt::red));
    // Its clicks are seen: the check below that none reaches it means something.
    clickDisplayAt(onOther);
    ASSERT_TRUE(QTest::qWaitFor([&] { return other.readAllStandardOutput().contains("pressed"); }));

    MainScreen& main = forms().show<MainScreen>();
    // Low on the left, clear of the Jotter put at the top right below.
    const QPoint low(20, main.window()->height() - 20);
    ASSERT_TRUE(showsWindow(main.window(), low));
    clickDisplayOn(main.hideDesktop);
    ASSERT_TRUE(forms().isLoaded<Backdrop>());
    QWidget* backdrop = forms().get<Backdrop>().window();
    EXPECT_EQ(backdrop->frameGeometry(), QGuiApplication::primaryScreen()->availableGeometry());
    EXPECT_TRUE(displays(onOther, kBackdropBlue));
    EXPECT_TRUE(showsWindow(main.window(), low));
    QProcess xprop;
    xprop.start("xprop", {"-id", QString::number(backdrop->winId()), "_NET_WM_STATE"});
    xprop.waitForFinished();
    EXPECT_TRUE(xprop.readAllStandardOutput().contains("_NET_WM_STATE_SKIP_TASKBAR"));

    // A menu opened afterwards, and the Jotter, stand in front of it too.
    clickDisplayOn(main.menuEntries(0));
    Form* menu = forms().find("menu1");
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(showsWindow(menu->window(), low));
    Jotter& jotter = forms().show<Jotter>();
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    jotter.window()->move(area.right() - jotter.window()->frameGeometry().width(), area.top());
    const QPoint onSwatch = real::centreOf(jotter.swatches(14));
    ASSERT_TRUE(showsWindow(jotter.window(), onSwatch));

    // A click on the backdrop, just where the other program lies: nothing changes and nothing
    // reaches that program.
    for (int i = 0; i < 2; ++i) clickDisplayAt(onOther);
    EXPECT_TRUE(displays(onOther, kBackdropBlue));
    EXPECT_TRUE(showsWindow(menu->window(), low));
    EXPECT_TRUE(showsWindow(jotter.window(), onSwatch));
    EXPECT_NE(QGuiApplication::focusWindow(), backdrop->windowHandle());
    EXPECT_FALSE(other.readAllStandardOutput().contains("pressed"));

    // Showing or raising the backdrop again leaves it beneath the program's windows.
    forms().show<Backdrop>();
    backdrop->raise();
    EXPECT_TRUE(showsWindow(menu->window(), low));
    EXPECT_TRUE(showsWindow(jotter.window(), onSwatch));

    // Unticking removes it at once.
    forms().unload(*menu);
    main.hideDesktop.setValue(0);
    EXPECT_TRUE(displays(onOther, Qt::red));
    EXPECT_TRUE(showsWindow(main.window(), low));
    other.kill();
    other.waitForFinished();
}

TEST_F(X11Test, TheJotterFitsTheDisplayInBothShapes) {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    Jotter& jotter = forms().show<Jotter>();
    QTest::qWait(300);
    EXPECT_EQ(jotter.scale(), Twips::scale());  // the wide shape fits at the screens' scale
    jotter.flipClicked();
    QTest::qWait(300);
    EXPECT_TRUE(area.contains(jotter.window()->frameGeometry()))
        << area.width() << "x" << area.height() << " " << jotter.scale();
    EXPECT_GE(jotter.scale(), 0.5f);
    EXPECT_LT(jotter.scale(), Twips::scale());
    jotter.portraitFlipClicked();
    QTest::qWait(300);
    EXPECT_EQ(jotter.scale(), Twips::scale());
    EXPECT_TRUE(area.contains(jotter.window()->frameGeometry()));
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
    if (argc > 1 && QByteArray(argv[1]) == "--other-program") return runOtherProgram();
    QApplication::setQuitOnLastWindowClosed(false);
    // Scaled as the program is on this display.
    ui::fitToDisplay({ui::ProgramState::kScreenWidth, ui::ProgramState::kScreenHeight});
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
