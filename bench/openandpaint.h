#pragma once
#include <benchmark/benchmark.h>

// A screen shown and painted on the display, as the user sees it open.
void openAndFirstPaint(benchmark::State& state, const char* name);

// Loads the screen if need be, shows it and waits for its first paint.
void showAndWaitForPaint(const char* name);
