// The program as started, then walked through every screen as a user would (each opened
// over the main screen, painted, its timers ticked, closed), on whatever display it is given;
// prints its peak resident memory in kilobytes. Run from the run folder.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>

#include "app/appicon.h"
#include "app/screens.h"
#include "app/startupwarmup.h"
#include "app/titlescreen.h"
#include "ui/formregistry.h"
#include "ui/timer.h"

namespace {

void paintAndSettle(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 5);
}

}  // namespace

int main(int argc, char* argv[]) {
    StartupWarmup warmup;  // the program's fonts, as it starts
    QApplication app(argc, argv);
    warmup.applicationReady();
    QApplication::setApplicationName("Brindlemark");
    QApplication::setWindowIcon(brindlemarkIcon());
    QApplication::setQuitOnLastWindowClosed(false);
    registerScreens(ui::forms());
    ui::forms().show<TitleScreen>();
    paintAndSettle(300);
    for (const char* name : {"intro0", "Grey", "menu1", "menu2", "menu3", "menu4", "menu5",
                             "boneslab", "puberty", "healthy", "scramble", "magnets", "magnets2",
                             "circuits", "repro", "notepad", "Titlefrm"}) {
        ui::Form* f = ui::forms().show(name);
        paintAndSettle(150);
        for (int i = 0; i < 50; ++i)
            for (ui::Timer* t : f->timers()) t->fire();
        paintAndSettle(50);
        // Left as the user leaves it: the main screen stays, the others close.
        if (QString(name) != "intro0") ui::forms().unload(*f);
        paintAndSettle(20);
    }
    ui::forms().clear();
    paintAndSettle(50);
    warmup.finish();
    QFile status("/proc/self/status");
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            std::printf("%s\n", line.mid(6).trimmed().split(' ')[0].constData());
    return 0;
}
