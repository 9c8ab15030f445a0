#pragma once
// A monkey at the whiteboard: seeded random real input through the window system layer
// (clicks and drags of every button, now and then a second one held or a drag that leaves
// the window and comes back, keys with Ctrl+J, windows closed by the window system), timer
// ticks between events, and jumps to any screen through the registry. The invariants are
// checked after every event. The same seed replays the same run: timers tick only when the
// monkey says so.
#include <QStringList>
#include <cstdint>
#include <map>

class FakePlatform;

namespace monkey {

// Every screen, by the name the registry knows it by.
inline constexpr const char* kScreens[] = {
    "Titlefrm", "intro0",   "Grey",     "menu1",   "menu2",   "menu3",
    "menu4",    "menu5",    "boneslab", "puberty", "healthy", "scramble",
    "magnets",  "magnets2", "circuits", "repro",   "notepad"};

struct Result {
    long events = 0;
    long exits = 0;  // times Exit ended the program, which the monkey then starts again
    QStringList findings;
    std::map<QString, long> shown;  // events after which each screen was on screen
};

// Starts the program on its title screen and sends `events` events drawn from `seed`.
Result run(std::uint64_t seed, FakePlatform& platform, long events);

}  // namespace monkey
