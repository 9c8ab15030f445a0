// Time to load each screen and paint it for the first time (rendered, and shown on the
// display), and one title animation tick.
// Run from the run folder (make bench) so that the pictures are found.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>

#include "app/screens.h"
#include "app/titlescreen.h"
#include "bench/openandpaint.h"
#include "ui/formregistry.h"
#include "ui/programstate.h"
#include "ui/twips.h"

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
    TitleScreen& title = ui::forms().get<TitleScreen>();
    title.animationTimer.setEnabled(true);
    for (auto _ : state) {
        title.animationTimer.fire();
        QImage image(title.illustration.widget()->size(), QImage::Format_RGB32);
        title.illustration.widget()->render(&image);
        benchmark::DoNotOptimize(image.bits());
    }
    ui::forms().clear();
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

}  // namespace

void showAndWaitForPaint(const char* name) {
    ui::Form* form = ui::forms().get(name);
    PaintWatch watch;
    form->window()->installEventFilter(&watch);
    ui::forms().show(name);
    QElapsedTimer limit;
    limit.start();
    while (watch.painted == 0 && limit.elapsed() < 2000) QApplication::processEvents();
    form->window()->removeEventFilter(&watch);
}

void openAndFirstPaint(benchmark::State& state, const char* name,
                       const std::function<void()>& between) {
    for (auto _ : state) {
        showAndWaitForPaint(name);
        state.PauseTiming();
        ui::forms().clear();
        QApplication::processEvents();
        if (between) between();
        state.ResumeTiming();
    }
}

BENCHMARK(titleTick);
BENCHMARK_CAPTURE(openAndFirstPaint, TitleScreen, "Titlefrm")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(openAndFirstPaint, MainScreen, "intro0")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(openAndFirstPaint, Backdrop, "Grey")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(openAndFirstPaint, TopicMenu1, "menu1")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(openAndFirstPaint, TopicMenu2, "menu2")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(openAndFirstPaint, TopicMenu3, "menu3")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(openAndFirstPaint, TopicMenu4, "menu4")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(openAndFirstPaint, TopicMenu5, "menu5")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(openAndFirstPaint, TheSkeleton, "boneslab")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(openAndFirstPaint, Puberty, "puberty")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(openAndFirstPaint, HealthyLiving, "healthy")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(openAndFirstPaint, ScrambledWordsScreen, "scramble")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(openAndFirstPaint, MagnetsPairs, "magnets")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(openAndFirstPaint, MagnetsAndMaterials, "magnets2")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(openAndFirstPaint, InsulatorsAndConductors, "circuits")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(openAndFirstPaint, PlantReproduction, "repro")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(openAndFirstPaint, Jotter, "notepad")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(loadAndPaint, TitleScreen, "Titlefrm");
BENCHMARK_CAPTURE(loadAndPaint, MainScreen, "intro0");
BENCHMARK_CAPTURE(loadAndPaint, TopicMenu1, "menu1");
BENCHMARK_CAPTURE(loadAndPaint, TopicMenu3, "menu3");
BENCHMARK_CAPTURE(loadAndPaint, TopicMenu5, "menu5");
BENCHMARK_CAPTURE(loadAndPaint, TheSkeleton, "boneslab");
BENCHMARK_CAPTURE(loadAndPaint, Puberty, "puberty");
BENCHMARK_CAPTURE(loadAndPaint, HealthyLiving, "healthy");
BENCHMARK_CAPTURE(loadAndPaint, MagnetsPairs, "magnets");
BENCHMARK_CAPTURE(loadAndPaint, MagnetsAndMaterials, "magnets2");
BENCHMARK_CAPTURE(loadAndPaint, InsulatorsAndConductors, "circuits");
BENCHMARK_CAPTURE(loadAndPaint, PlantReproduction, "repro");
BENCHMARK_CAPTURE(loadAndPaint, ScrambledWordsScreen, "scramble");
BENCHMARK_CAPTURE(loadAndPaint, Jotter, "notepad");

int main(int argc, char** argv) {
    // Headless unless a display is asked for (bench/compare.sh runs it on Xvfb).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    registerScreens(ui::forms());
    benchmark::Initialize(&argc, argv);
    // --scale=1.75: every screen as a large display shows it (twips to pixels).
    for (int i = 1; i < argc; ++i)
        if (const QString a = QString::fromLocal8Bit(argv[i]); a.startsWith("--scale="))
            ui::Twips::setScale(a.mid(8).toFloat());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
