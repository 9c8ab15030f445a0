#include <QApplication>

#include "app/screens.h"
#include "app/startupwarmup.h"
#include "app/titlescreen.h"
#include "app/windowsystem.h"
#include "ui/displayscale.h"
#include "ui/formregistry.h"
#include "ui/pictures.h"
#include "ui/programstate.h"

int main(int argc, char* argv[]) {
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
    return status;
}
