#include "app/startupwarmup.h"

#include <QDBusConnection>
#include <system_error>

#include "app/fontconfiguration.h"

#if __has_include(<fontconfig/fontconfig.h>)
#include <fontconfig/fontconfig.h>
#define BRINDLEMARK_HAS_FONTCONFIG 1
#endif

namespace {

// A thread, or none where the system has none to give: the work is then done when needed.
template <typename Work>
std::thread startThread(Work work) {
    try {
        return std::thread(std::move(work));
    } catch (const std::system_error&) {
        return {};
    }
}

}  // namespace

StartupWarmup::StartupWarmup() {
    if (useProgramFonts()) return;
#ifdef BRINDLEMARK_HAS_FONTCONFIG
    // FcInit is safe from another thread; Qt's own call then finds the configuration loaded.
    fonts_ = startThread([] { FcInit(); });
#endif
}

StartupWarmup::~StartupWarmup() {
    if (fonts_.joinable()) fonts_.join();
    if (bus_.joinable()) bus_.join();
}

void StartupWarmup::applicationReady() {
    // Qt's first font would otherwise read the configuration a second time alongside,
    // instead of waiting for the reading already under way.
    if (fonts_.joinable()) fonts_.join();
    bus_ = startThread([] { QDBusConnection::sessionBus(); });
}
