// Starts a program on the X display and measures, from the moment it is started, the time
// until something is first drawn into one of its top-level windows (the X server's DAMAGE
// report), the same way for any program, ours or another. Then it waits a while for the
// program to settle, reads its peak resident memory and ends it.
//
// Usage: firstpaint SETTLE-MS PROGRAM [ARGUMENTS...]
// Prints: first-paint-ms peak-resident-kB
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

long peakKb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::atol(line.c_str() + 6);
    return 0;
}

void end(pid_t pid) {
    kill(pid, SIGTERM);
    for (int i = 0; i < 50; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) return;
        usleep(20000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: firstpaint SETTLE-MS PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    const int settleMs = std::atoi(argv[1]);
    Display* display = XOpenDisplay(nullptr);
    int damageEvent = 0, damageError = 0;
    if (!display || !XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "firstpaint: no X display with the DAMAGE extension\n");
        return 2;
    }
    const Window root = DefaultRootWindow(display);
    // New top-level windows are children of the root where no window manager runs.
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }

    std::set<Window> mapped;
    double firstPaintMs = -1;
    const Clock::time_point giveUp = start + std::chrono::seconds(60);
    while (firstPaintMs < 0 && Clock::now() < giveUp) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            std::fprintf(stderr, "firstpaint: %s ended before painting\n", argv[2]);
            return 1;
        }
        while (XPending(display)) {
            XEvent e;
            XNextEvent(display, &e);
            if (e.type == CreateNotify) {
                // Watched from its creation, so that no drawing is missed.
                XDamageCreate(display, e.xcreatewindow.window, XDamageReportNonEmpty);
            } else if (e.type == MapNotify) {
                mapped.insert(e.xmap.window);
            } else if (e.type == damageEvent + XDamageNotify) {
                const auto& d = reinterpret_cast<const XDamageNotifyEvent&>(e);
                if (mapped.count(d.drawable)) {
                    firstPaintMs =
                        std::chrono::duration<double, std::milli>(Clock::now() - start).count();
                    break;
                }
            }
        }
        if (firstPaintMs < 0) usleep(200);
    }
    if (firstPaintMs < 0) {
        end(pid);
        std::fprintf(stderr, "firstpaint: %s never painted\n", argv[2]);
        return 1;
    }
    usleep(static_cast<useconds_t>(settleMs) * 1000);
    const long peak = peakKb(pid);
    end(pid);
    XCloseDisplay(display);
    std::printf("%.1f %ld\n", firstPaintMs, peak);
    return 0;
}
