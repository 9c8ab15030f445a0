#include "app/startupwarmup.h"

#include <QDBusConnection>
#include <system_error>

#include "app/fontconfiguration.h"
#include "app/sessionbusprobe.h"

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
    // Asked while the fonts are read, and before the application object, whose input
    // methods may already want the bus.
    const std::string bus = sessionBusAddress();
    // None named: the library launches a bus of its own, which answers or fails by itself.
    const BusAnswer answer = bus.empty() ? BusAnswer::Absent : probeSessionBus(bus, kBusProbeLimit);
    if (answer == BusAnswer::Silent) {
        if (fonts_.joinable()) fonts_.join();  // it reads the environment we change
        leaveOutSessionBus(bus);
    }
    // A bus not probed is left to Qt, as in any Qt program; a thread waiting on it here
    // would hold up Exit.
    busWorthWarming_ = answer == BusAnswer::Answers || answer == BusAnswer::Absent;
}

StartupWarmup::~StartupWarmup() {
    finish();
}

void StartupWarmup::finish() {
    if (fonts_.joinable()) fonts_.join();
    if (bus_.joinable()) bus_.join();
}

void StartupWarmup::applicationReady() {
    // Qt's first font would otherwise read the configuration a second time alongside,
    // instead of waiting for the reading already under way.
    if (fonts_.joinable()) fonts_.join();
    if (busWorthWarming_) bus_ = startThread([] { QDBusConnection::sessionBus(); });
}
