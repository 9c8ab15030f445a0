#pragma once
#include <chrono>
#include <string>

// Qt's accessibility bridge connects to the session bus as the first window shows and waits
// for it without a time limit, so a desktop session whose bus accepts connections and never
// answers would keep every window from appearing. The program asks first, with a limit.

enum class BusAnswer {
    Answers,  // replied to the opening handshake, or closed at once: no one waits on it
    Silent,   // took the connection, or left it pending, and said nothing within the limit
    Absent,   // nothing listens where it should: a connection fails at once
    Unknown,  // a kind of address this probe does not try (tcp, launchd, autolaunch)
};

// The addresses the program's bus library would try: the environment's, or else the user's
// bus in the runtime folder. Empty where there is neither (the library then launches one).
std::string sessionBusAddress();

// Tries the addresses in order, as the bus library does, and waits at most `limit` in all.
BusAnswer probeSessionBus(const std::string& addresses, std::chrono::milliseconds limit);

// About a second: a bus at work answers in well under a millisecond, even on a busy machine.
constexpr std::chrono::milliseconds kBusProbeLimit{1000};

// Points this process, and what it starts, at no bus, so that it starts without the
// accessibility bridge, and says so once on standard error. Call before the application
// object, while no other thread reads the environment.
void leaveOutSessionBus(const std::string& silentAddress);
