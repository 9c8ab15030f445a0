#include "app/startupwarmup.h"

#include <QDBusConnection>
#include <system_error>

#include "app/fontconfiguration.h"

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
    if (!useProgramFonts()) fonts_ = startThread(loadSystemFontConfiguration);
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
