#pragma once
#include <benchmark/benchmark.h>

#include <functional>

// A screen shown and painted on the display, as the user sees it open; `between` runs, untimed,
// after each time it is closed.
void openAndFirstPaint(benchmark::State& state, const char* name,
                       const std::function<void()>& between = {});

// Loads the screen if need be, shows it and waits for its first paint.
void showAndWaitForPaint(const char* name);
