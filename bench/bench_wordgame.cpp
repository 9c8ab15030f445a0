// Scrambled Words: one tick of the flying letters (alone, and with the repaint it causes),
// and reading the three word lists, as shipped and with a huge file in their place.
// Run from the run folder (make bench) so that the shipped lists are found.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "activities/wordgame/scrambledwordsscreen.h"
#include "activities/wordgame/wordlists.h"
#include "ui/formregistry.h"

namespace {

void scrambleFlightTick(benchmark::State& state) {
    const bool painted = state.range(0) != 0;
    ScrambledWordsScreen& s = ui::forms().show<ScrambledWordsScreen>();
    s.loadTimer.fire();
    s.layoutTimer.fire();
    s.flightTimer.setInterval(3600 * 1000);  // only the benchmark makes it tick
    for (auto _ : state) {
        if (!s.flightTimer.Enabled()) s.commandClicked(2);  // the flight ended: replay it
        s.flightTimer.fire();
        if (painted) QApplication::processEvents();
    }
    ui::forms().clear();
}

void readShippedLists(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(wordgame::readWordLists());
}

void readWithAHugeList(benchmark::State& state) {
    const QString previous = QDir::currentPath();
    QTemporaryDir scratch;
    for (const wordgame::Category& c : wordgame::kCategoryFiles)
        QFile::copy(QDir(previous).filePath(c.file), scratch.filePath(c.file));
    QFile::remove(scratch.filePath("life0.txt"));
    QFile huge(scratch.filePath("life0.txt"));
    huge.open(QIODevice::WriteOnly);
    huge.resize(100 * 1024 * 1024);  // 100 MB without a line end
    huge.close();
    QDir::setCurrent(scratch.path());
    for (auto _ : state) benchmark::DoNotOptimize(wordgame::readWordLists());
    QDir::setCurrent(previous);
}

}  // namespace

BENCHMARK(scrambleFlightTick)->ArgName("painted")->Arg(0)->Arg(1);
BENCHMARK(readShippedLists)->Unit(benchmark::kMicrosecond);
BENCHMARK(readWithAHugeList)->Unit(benchmark::kMicrosecond);
