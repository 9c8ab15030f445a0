#include <QApplication>
#include <QGuiApplication>
#include <cstring>

#include "app/checkcommand.h"
#include "app/fontconfiguration.h"
#include "app/screens.h"
#include "app/startupwarmup.h"
#include "app/titlescreen.h"
#include "app/windowsystem.h"
#include "ui/displayscale.h"
#include "ui/formregistry.h"
#include "ui/pictures.h"
#include "ui/programstate.h"

namespace {

// Checks activity files and ends, without a window: text is measured as the screens measure
// it, so no display is needed, and none is touched.
int check(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    useProgramFonts();
    QGuiApplication app(argc, argv);
    QStringList files;
    for (int i = 2; i < argc; ++i) files << QString::fromLocal8Bit(argv[i]);
    return runCheck(files);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc >= 2 && std::strcmp(argv[1], "--check") == 0) return check(argc, argv);
    PlatformArguments arguments(argc, argv);
    StartupWarmup warmup;
    QApplication app(arguments.argc(), arguments.argv());
    QApplication::setApplicationName("Brindlemark");
    warnOfNativeWayland();
    // Only the title screen's Exit ends the program, never the last window closing.
    QApplication::setQuitOnLastWindowClosed(false);
    // A full-size screen fills as much of the display as whole quarter steps allow.
    ui::fitToDisplay({ui::ProgramState::kScreenWidth, ui::ProgramState::kScreenHeight});
    warmup.applicationReady();
    // Decoded while the title screen's fonts load.
    ui::prefetchPicture(TitleScreen::kStillPicture);

    registerScreens(ui::forms());
    ui::forms().show<TitleScreen>();
    const int status = QApplication::exec();
    ui::forms().clear();
    warmup.finish();
    return status;
}
