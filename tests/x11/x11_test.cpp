// What only a real X server shows, with a window manager (openbox) and without one: the
// backdrop hiding another program's window beneath the program's own, the tall Jotter inside
// the display, the keyboard handed back as a window closes, a skeleton solved by the real
// pointer's taps alone, the program ending with status 0
// through the title screen's Exit, and the program itself starting and ending beside a
// session bus that never answers.
#include <QtGui/qguiapplication_platform.h>
#include <gtest/gtest.h>
#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QLocalServer>
#include <QLocalSocket>
#include <QMouseEvent>
#include <QPainter>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/backdrop.h"
#include "app/mainscreen.h"
#include "app/screens.h"
#include "app/shellstate.h"
#include "app/titlescreen.h"
#include "jotter/jotter.h"
#include "menus/topicmenu.h"
#include "tests/activities/labelling/labelling_helpers.h"
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

xcb_atom_t atom(const char* name) {
    auto* reply =
        xcb_intern_atom_reply(x11(), xcb_intern_atom(x11(), 0, std::strlen(name), name), nullptr);
    const xcb_atom_t found = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return found;
}

// The window a process has on screen, if any, under the root or inside a window manager's
// frame.
xcb_window_t shownWindowOf(qint64 pid, xcb_window_t parent = XCB_WINDOW_NONE, int depth = 0) {
    xcb_connection_t* x = x11();
    if (parent == XCB_WINDOW_NONE) parent = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const xcb_atom_t pidAtom = atom("_NET_WM_PID");
    xcb_window_t shown = XCB_WINDOW_NONE;
    auto* tree = xcb_query_tree_reply(x, xcb_query_tree(x, parent), nullptr);
    if (!tree) return shown;
    const xcb_window_t* children = xcb_query_tree_children(tree);
    for (int i = 0; i < xcb_query_tree_children_length(tree) && !shown; ++i) {
        auto* attributes =
            xcb_get_window_attributes_reply(x, xcb_get_window_attributes(x, children[i]), nullptr);
        auto* owner = xcb_get_property_reply(
            x, xcb_get_property(x, 0, children[i], pidAtom, XCB_ATOM_CARDINAL, 0, 1), nullptr);
        const bool viewable = attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
        if (viewable && owner && xcb_get_property_value_length(owner) == 4 &&
            *static_cast<const quint32*>(xcb_get_property_value(owner)) == pid)
            shown = children[i];
        else if (viewable && depth < 2)
            shown = shownWindowOf(pid, children[i], depth + 1);
        std::free(attributes);
        std::free(owner);
    }
    std::free(tree);
    return shown;
}

// What the window manager's close button sends.
void askToClose(xcb_window_t window) {
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = atom("WM_PROTOCOLS");
    message.data.data32[0] = atom("WM_DELETE_WINDOW");
    message.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(x11(), 0, window, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(x11());
}

class X11Test : public ::testing::Test {
  protected:
    void SetUp() override {
        ShellState::reset();
        registerScreens(forms());
    }
    void TearDown() override {
        forms().clear();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
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

TEST_F(X11Test, WithoutAWindowManagerTheKeysComeBackToTheTopicThatOpenedAnActivity) {
    TopicMenu1& menu = forms().show<TopicMenu1>();
    QTest::qWait(150);
    QWindow* window = menu.window()->windowHandle();
    for (int i = 0; i < 4; ++i) QTest::keyClick(window, Qt::Key_Down);  // "Organs" to "Puberty"
    QTest::keyClick(window, Qt::Key_Return);
    ASSERT_TRUE(forms().isLoaded("puberty"));
    QTest::qWait(150);
    QTest::keyClick(forms().find("puberty")->window()->windowHandle(), Qt::Key_Escape);
    QTest::qWait(150);
    EXPECT_FALSE(forms().isLoaded("puberty"));
    EXPECT_EQ(QApplication::activeWindow(), menu.window());
    EXPECT_EQ(QApplication::focusWidget(), menu.topics(4).widget());
}

TEST_F(X11Test, ASkeletonSolvedByTapsAlone) {
    activityfiles::FileDragScreen& s = labelling_test::board("boneslab");
    ASSERT_TRUE(showsWindow(s.window(), real::centreOf(s.commands(0))));
    for (int i = 0; i < s.wordCount(); ++i) {
        clickDisplayOn(s.words(i));
        EXPECT_EQ(s.heldWord(), i);
        clickDisplayOn(s.targets(i));
        EXPECT_TRUE(s.isOn(i, i)) << i;
    }
    clickDisplayOn(s.commands(2));
    EXPECT_EQ(s.scoreText.Caption(), "8 out of 8 correct");
}

TEST_F(X11Test, ExitEndsTheProgramWithStatusZero) {
    TitleScreen& title = forms().show<TitleScreen>();
    QTimer::singleShot(0, [&] { real::click(title.exitButton); });
    QTimer::singleShot(10000, [] { QCoreApplication::exit(3); });  // never hang the suite
    EXPECT_EQ(QApplication::exec(), 0);
}

// A hung desktop session: its bus takes every connection and never says a word. The limits
// are generous for a busy machine; the figures printed are the ones measured.
TEST(SessionBusTest, ASilentBusDelaysNeitherTheTitleScreenNorExit) {
    QTemporaryDir folder;
    QLocalServer bus;
    ASSERT_TRUE(bus.listen(folder.filePath("bus")));
    std::vector<QLocalSocket*> callers;
    QObject::connect(&bus, &QLocalServer::newConnection,
                     [&] { callers.push_back(bus.nextPendingConnection()); });

    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + bus.fullServerName());
    environment.insert("QT_QPA_PLATFORM", "xcb");
    program.setProcessEnvironment(environment);
    QElapsedTimer clock;
    clock.start();
    program.start(BRINDLEMARK_PROGRAM, {});
    ASSERT_TRUE(program.waitForStarted(5000));
    xcb_window_t title = XCB_WINDOW_NONE;
    while (!title && clock.elapsed() < 10000 && program.state() == QProcess::Running) {
        QTest::qWait(20);
        title = shownWindowOf(program.processId());
    }
    const qint64 shownAfter = clock.elapsed();
    ASSERT_NE(title, XCB_WINDOW_NONE) << "no window after " << shownAfter << " ms";
    EXPECT_FALSE(callers.empty()) << "the program never asked the bus";

    QTest::qWait(300);  // the title screen settled, its warm-up done
    clock.restart();
    askToClose(title);  // the title screen's close is its Exit
    ASSERT_TRUE(program.waitForFinished(5000)) << "still running 5 s after Exit";
    const qint64 endedAfter = clock.elapsed();
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_EQ(program.readAllStandardError().count("session bus"), 1);
    std::printf("silent bus: title shown after %lld ms, program ended %lld ms after Exit\n",
                static_cast<long long>(shownAfter), static_cast<long long>(endedAfter));
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
