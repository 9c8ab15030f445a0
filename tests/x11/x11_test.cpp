// What only a real X server shows: the stacking of the backdrop behind the program's
// windows, the keyboard handed back as a window closes, the program ending with status 0
// through the title screen's Exit, and the program itself starting and ending beside a
// session bus that never answers.
#include <QtGui/qguiapplication_platform.h>
#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QLocalServer>
#include <QLocalSocket>
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

xcb_connection_t* display() {
    return qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
}

xcb_atom_t atom(const char* name) {
    auto* reply = xcb_intern_atom_reply(
        display(), xcb_intern_atom(display(), 0, std::strlen(name), name), nullptr);
    const xcb_atom_t found = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return found;
}

// The top-level window a process has on screen, if any (no window manager reparents it).
xcb_window_t shownWindowOf(qint64 pid) {
    xcb_connection_t* x = display();
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const xcb_atom_t pidAtom = atom("_NET_WM_PID");
    xcb_window_t shown = XCB_WINDOW_NONE;
    auto* tree = xcb_query_tree_reply(x, xcb_query_tree(x, root), nullptr);
    if (!tree) return shown;
    const xcb_window_t* children = xcb_query_tree_children(tree);
    for (int i = 0; i < xcb_query_tree_children_length(tree) && !shown; ++i) {
        auto* attributes =
            xcb_get_window_attributes_reply(x, xcb_get_window_attributes(x, children[i]), nullptr);
        auto* owner = xcb_get_property_reply(
            x, xcb_get_property(x, 0, children[i], pidAtom, XCB_ATOM_CARDINAL, 0, 1), nullptr);
        if (attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE && owner &&
            xcb_get_property_value_length(owner) == 4 &&
            *static_cast<const quint32*>(xcb_get_property_value(owner)) == pid)
            shown = children[i];
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
    xcb_send_event(display(), 0, window, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(display());
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

TEST_F(X11Test, ExitEndsTheProgramWithStatusZero) {
    TitleScreen& title = forms().show<TitleScreen>();
    QTimer::singleShot(300, [&] { real::click(title.exitButton); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(3); });  // never hang the suite
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
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
