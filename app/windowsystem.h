#pragma once
// Which of Qt's window systems the program runs on. A Wayland client cannot place its
// windows, stack them or keep one above the others, and the program needs all three; so
// wherever an X display is reachable (XWayland provides one on a Wayland session), it runs on
// X11. A platform the user names always wins.
#include <QByteArray>
#include <vector>

struct Session {
    QByteArray qpaPlatform;         // QT_QPA_PLATFORM
    QByteArray display;             // DISPLAY
    QByteArray waylandDisplay;      // WAYLAND_DISPLAY
    bool platformArgument = false;  // -platform among the arguments
};

// The platforms to ask Qt for, in order; empty to leave the choice to Qt.
QByteArray chosenPlatform(const Session& session);

// The program's arguments, with the platform chosen for this session added.
class PlatformArguments {
  public:
    PlatformArguments(int argc, char** argv);
    int& argc() { return argc_; }
    char** argv() { return pointers_.data(); }

  private:
    std::vector<QByteArray> arguments_;
    std::vector<char*> pointers_;
    int argc_ = 0;
};

// Says once, on standard error, what the session does not allow where the program runs as a
// Wayland client. Call once the application object exists.
void warnOfNativeWayland();
