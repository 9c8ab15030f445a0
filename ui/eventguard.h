#pragma once
// Qt cannot carry an exception out of an event handler: one that escapes ends the program,
// and the class loses its lesson. Qt's events reach the screens' handlers only through the
// forms layer, and each entry runs its handler here: a handler that fails drops the rest of
// its event, says so on standard error, and the program carries on.
#include <exception>

namespace ui {

void reportDroppedEvent(const char* event, const char* reason) noexcept;

template <class Handler>
void deliver(const char* event, Handler&& handler) noexcept {
    try {
        handler();
    } catch (const std::exception& error) {
        reportDroppedEvent(event, error.what());
    } catch (...) {
        reportDroppedEvent(event, "an unknown error");
    }
}

}  // namespace ui
