// One stroke segment on the Jotter: the line onto the kept image, and with the repaint of
// the part of the window it changed, for the pen and the eraser.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "jotter/jotter.h"
#include "ui/formregistry.h"

namespace {

// A zigzag of 20-pixel segments across the drawing surface, so no two are alike.
void strokeSegment(benchmark::State& state) {
    Jotter& pad = ui::forms().show<Jotter>();
    if (state.range(0) == 30) pad.eraseClicked();
    const bool repaint = state.range(1) != 0;
    pad.onMouseDown(1, 0, 300, 1500);
    float x = 300;
    float y = 1500;
    for (auto _ : state) {
        x = x > 9000 ? 300 : x + 300;
        y = y == 1500 ? 1800 : 1500;
        pad.onMouseMove(1, 0, x, y);
        if (repaint) QApplication::processEvents();  // paints the changed part, as on screen
    }
    ui::forms().clear();
}

}  // namespace

// Arguments: pen width in pixels, and whether the window is repainted after each segment.
BENCHMARK(strokeSegment)->Args({3, 0})->Args({30, 0})->Args({3, 1})->Args({30, 1});
