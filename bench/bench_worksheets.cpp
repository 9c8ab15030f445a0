// Worksheets: every shipped activity's worksheet and answer sheet made as one PDF, from the
// name a teacher types to the last byte, as `brindlemark --worksheet NAME --both` makes it.
// Run from the run folder (make bench) so that the activities and pictures are found.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>

#include "activities/wordgame/wordlists.h"
#include "ui/random.h"
#include "worksheets/source.h"

namespace {

QStringList shippedNames() {
    QStringList names = QDir("activities").entryList({"*.toml"}, QDir::Files);
    for (const auto& c : wordgame::kCategoryFiles) names << c.file;
    return names;
}

void bothSheetsAsPdf(benchmark::State& state, const QString& name) {
    QTemporaryDir dir;
    ui::RandomSource random(1);
    for (auto _ : state) {
        const worksheets::Found found =
            worksheets::findSource(name, worksheets::kDefaultWords, random);
        QString error;
        if (!found.source ||
            !worksheets::writePdf(worksheets::prepare(*found.source, random),
                                  worksheets::Sheets::Both, dir.filePath("sheets.pdf"), error)) {
            state.SkipWithError("no sheets: run from the run folder");
            return;
        }
    }
}

// One benchmark per shipped activity, named by its file.
const bool registered = [] {
    for (const QString& name : shippedNames())
        benchmark::RegisterBenchmark(("worksheets/" + name).toStdString().c_str(), bothSheetsAsPdf,
                                     name)
            ->Unit(benchmark::kMillisecond);
    return true;
}();

}  // namespace
