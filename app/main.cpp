#include <QApplication>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/appicon.h"
#include "app/checkcommand.h"
#include "app/fontconfiguration.h"
#include "app/language.h"
#include "app/screens.h"
#include "app/startupwarmup.h"
#include "app/titlescreen.h"
#include "app/windowsystem.h"
#include "app/worksheetcommand.h"
#include "maker/makerwindow.h"
#include "speech/readaloud.h"
#include "speech/speechdvoice.h"
#include "ui/displayscale.h"
#include "ui/formregistry.h"
#include "ui/pictures.h"
#include "ui/programstate.h"

namespace {

// Runs a command that ends without a window (--check, --worksheet): text is measured as the
// screens measure it, so no display is needed, and none is touched. A worksheet is printed in
// the program's language; --check speaks to IT, in its own words.
int runWindowless(int argc, char* argv[], int (*command)(const QStringList&), bool translated) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    useProgramFonts();
    QGuiApplication app(argc, argv);
    if (translated) useChosenLanguage();
    QStringList arguments;
    for (int i = 2; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return command(arguments);
}

// The Activity Maker: a desktop window of its own; closing it ends the program. Its Try it
// shows the pupils' screens, at the scale they have on this display.
int makeActivities(int argc, char* argv[]) {
    PlatformArguments arguments(argc, argv);
    StartupWarmup warmup;
    QApplication app(arguments.argc(), arguments.argv());
    QApplication::setApplicationName("Brindlemark Activity Maker");
    QGuiApplication::setDesktopFileName("org.brindlemark.Brindlemark.Maker");
    useChosenLanguage();
    warmup.applicationReady();
    ui::fitToDisplay({ui::ProgramState::kScreenWidth, ui::ProgramState::kScreenHeight});
    int status = 0;
    {
        maker::MakerWindow window(maker::desktopDialogs());
        window.setWindowIcon(makerIcon());
        window.show();
        if (argc >= 3) window.openPath(QString::fromLocal8Bit(argv[2]));
        status = QApplication::exec();
        ui::forms().clear();
    }
    warmup.finish();
    return status;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc >= 2 && std::strcmp(argv[1], "--check") == 0)
        return runWindowless(argc, argv, runCheck, false);
    if (argc >= 2 && std::strcmp(argv[1], "--worksheet") == 0)
        return runWindowless(argc, argv, runWorksheet, true);
    if (argc >= 2 && std::strcmp(argv[1], "--maker") == 0) return makeActivities(argc, argv);
    PlatformArguments arguments(argc, argv);
    StartupWarmup warmup;
    QApplication app(arguments.argc(), arguments.argv());
    QApplication::setApplicationName("Brindlemark");
    useChosenLanguage();
    warnOfNativeWayland();
    // Only the title screen's Exit ends the program, never the last window closing.
    QApplication::setQuitOnLastWindowClosed(false);
    // A full-size screen fills as much of the display as whole quarter steps allow.
    ui::fitToDisplay({ui::ProgramState::kScreenWidth, ui::ProgramState::kScreenHeight});
    warmup.applicationReady();
    // Decoded while the title screen's fonts load.
    ui::prefetchPicture(TitleScreen::kStillPicture);

    registerScreens(ui::forms());
    // Nothing of the speech service is started until reading aloud is switched on.
    speech::installVoice(speech::makeSpeechDispatcherVoice());
    ui::forms().show<TitleScreen>();
    const int status = QApplication::exec();
    ui::forms().clear();
    if (!speech::closeVoice()) {
        // The speech service hung: Exit must still end the program now.
        std::fflush(nullptr);
        std::_Exit(status);
    }
    warmup.finish();
    return status;
}
