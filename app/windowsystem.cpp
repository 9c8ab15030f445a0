#include "app/windowsystem.h"

#include <QGuiApplication>
#include <cstdio>

QByteArray chosenPlatform(const Session& session) {
    if (!session.qpaPlatform.isEmpty() || session.platformArgument || session.display.isEmpty())
        return {};
    // Should XWayland not answer, Qt goes on to the next in the list.
    return session.waylandDisplay.isEmpty() ? "xcb" : "xcb;wayland";
}

PlatformArguments::PlatformArguments(int argc, char** argv) {
    Session session{qgetenv("QT_QPA_PLATFORM"), qgetenv("DISPLAY"), qgetenv("WAYLAND_DISPLAY")};
    for (int i = 0; i < argc; ++i) {
        arguments_.emplace_back(argv[i]);
        session.platformArgument |=
            arguments_.back() == "-platform" || arguments_.back() == "--platform";
    }
    if (const QByteArray platform = chosenPlatform(session); !platform.isEmpty()) {
        arguments_.emplace_back("-platform");
        arguments_.push_back(platform);
    }
    for (QByteArray& a : arguments_) pointers_.push_back(a.data());
    argc_ = static_cast<int>(arguments_.size());
    pointers_.push_back(nullptr);
}

void warnOfNativeWayland() {
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) return;
    std::fputs(
        "brindlemark: running as a Wayland client, with no X display to use instead. The "
        "session places the windows: screens are not centred, Hide Desktop's backdrop may "
        "cover the program's own windows and the Jotter does not stay above other windows.\n",
        stderr);
}
