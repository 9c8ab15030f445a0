// One tick of the flashing right answer button, with the repaint it causes: it must stay
// far below the 250 ms (circuits) and 200 ms (repro) of a phase.
#include <benchmark/benchmark.h>

#include <QImage>

#include "activities/questions/circuits.h"
#include "activities/questions/repro.h"
#include "ui/formregistry.h"

namespace {

void paint(const ui::Control& c) {
    QImage image(c.widget()->size(), QImage::Format_RGB32);
    c.widget()->render(&image);
    benchmark::DoNotOptimize(image.bits());
}

void circuitsFlashTick(benchmark::State& state) {
    circuits& c = ui::forms().show<circuits>();
    c.Label3_Click(c.commandIndex(questions::Command::Answer));
    for (auto _ : state) {
        c.Timer1.fire();
        paint(c.Label4(c.rightans));
    }
    ui::forms().clear();
}

void reproFlashTick(benchmark::State& state) {
    repro& r = ui::forms().show<repro>();
    r.Label3_Click(r.commandIndex(questions::Command::Answer));
    for (auto _ : state) {
        r.Timer1.fire();
        paint(r.Label1(r.truefalse[r.questno]));
    }
    ui::forms().clear();
}

}  // namespace

BENCHMARK(circuitsFlashTick);
BENCHMARK(reproFlashTick);
