// Time to load each screen and paint it for the first time, and one title animation tick.
// Run from the run folder (make bench) so that the pictures are found.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "app/screens.h"
#include "app/titlefrm.h"
#include "ui/formregistry.h"
#include "ui/module1.h"

namespace {

void loadAndPaint(benchmark::State& state, const char* name) {
    for (auto _ : state) {
        ui::Form* form = ui::forms().show(name);
        QImage image(form->window()->size(), QImage::Format_RGB32);
        form->window()->render(&image);
        benchmark::DoNotOptimize(image.bits());
        state.PauseTiming();
        ui::forms().clear();
        state.ResumeTiming();
    }
}

void titleTick(benchmark::State& state) {
    Titlefrm& title = ui::forms().get<Titlefrm>();
    title.Timer1.setEnabled(true);
    for (auto _ : state) {
        title.Timer1.fire();
        QImage image(title.Picture1.widget()->size(), QImage::Format_RGB32);
        title.Picture1.widget()->render(&image);
        benchmark::DoNotOptimize(image.bits());
    }
    ui::forms().clear();
}

}  // namespace

BENCHMARK(titleTick);
BENCHMARK_CAPTURE(loadAndPaint, Titlefrm, "Titlefrm");
BENCHMARK_CAPTURE(loadAndPaint, intro0, "intro0");
BENCHMARK_CAPTURE(loadAndPaint, menu1, "menu1");
BENCHMARK_CAPTURE(loadAndPaint, menu3, "menu3");
BENCHMARK_CAPTURE(loadAndPaint, menu5, "menu5");
BENCHMARK_CAPTURE(loadAndPaint, boneslab, "boneslab");
BENCHMARK_CAPTURE(loadAndPaint, puberty, "puberty");
BENCHMARK_CAPTURE(loadAndPaint, healthy, "healthy");
BENCHMARK_CAPTURE(loadAndPaint, magnets, "magnets");
BENCHMARK_CAPTURE(loadAndPaint, magnets2, "magnets2");
BENCHMARK_CAPTURE(loadAndPaint, circuits, "circuits");
BENCHMARK_CAPTURE(loadAndPaint, repro, "repro");
BENCHMARK_CAPTURE(loadAndPaint, scramble, "scramble");
BENCHMARK_CAPTURE(loadAndPaint, notepad, "notepad");

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    registerScreens(ui::forms());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
