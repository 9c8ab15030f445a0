// Time to load each screen and paint it for the first time (rendered, and shown on the
// display), and one title animation tick.
// Run from the run folder (make bench) so that the pictures are found.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
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

// Counts the paint events a window receives.
class PaintWatch : public QObject {
  public:
    int painted = 0;

  protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++painted;
        return false;
    }
};

// A screen shown and painted on the display, as the user sees it open.
void openAndFirstPaint(benchmark::State& state, const char* name) {
    for (auto _ : state) {
        ui::Form* form = ui::forms().get(name);
        PaintWatch watch;
        form->window()->installEventFilter(&watch);
        ui::forms().show(name);
        QElapsedTimer limit;
        limit.start();
        while (watch.painted == 0 && limit.elapsed() < 2000) QApplication::processEvents();
        state.PauseTiming();
        form->window()->removeEventFilter(&watch);
        ui::forms().clear();
        QApplication::processEvents();
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
BENCHMARK_CAPTURE(openAndFirstPaint, Titlefrm, "Titlefrm")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(openAndFirstPaint, intro0, "intro0")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(openAndFirstPaint, Grey, "Grey")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(openAndFirstPaint, menu1, "menu1")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(openAndFirstPaint, menu2, "menu2")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(openAndFirstPaint, menu3, "menu3")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(openAndFirstPaint, menu4, "menu4")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(openAndFirstPaint, menu5, "menu5")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(openAndFirstPaint, boneslab, "boneslab")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(openAndFirstPaint, puberty, "puberty")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(openAndFirstPaint, healthy, "healthy")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(openAndFirstPaint, scramble, "scramble")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(openAndFirstPaint, magnets, "magnets")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(openAndFirstPaint, magnets2, "magnets2")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(openAndFirstPaint, circuits, "circuits")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(openAndFirstPaint, repro, "repro")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(openAndFirstPaint, notepad, "notepad")->Unit(benchmark::kMillisecond);
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
    // Headless unless a display is asked for (bench/compare.sh runs it on Xvfb).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    registerScreens(ui::forms());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
