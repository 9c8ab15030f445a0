// Activity files: reading and checking a school's folder of a hundred, as a menu does when it
// opens, and a file-made screen opened and painted at the scale of a 1920 by 1080 display.
// Run from the run folder (make bench) so that the pictures are found.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "activities/files/catalogue.h"
#include "activities/files/filescreens.h"
#include "bench/openandpaint.h"
#include "ui/formregistry.h"
#include "ui/twips.h"

using namespace activityfiles;

namespace {

// One of each kind, as a teacher would write them.
const char* const kFiles[] = {
    R"(menu = 3
topic = "The Water Cycle"
kind = "labelling"
picture = "flower.jpg"
[[label]]
word = "Evaporation"
at = [40, 60]
line_to = [60, 80]
[[label]]
word = "Condensation"
at = [120, 140]
[[label]]
word = "Precipitation"
at = [60, 220]
)",
    R"(menu = 3
topic = "Solids, Liquids and Gases"
kind = "sorting"
columns = ["Solids", "Liquids", "Gases"]
[[word]]
text = "Ice"
column = "Solids"
[[word]]
text = "Milk"
column = "Liquids"
[[word]]
text = "Steam"
column = "Gases"
[[word]]
text = "Wood"
column = "Solids"
)",
    R"(menu = 4
topic = "Rocks"
kind = "passage"
[[passage]]
text = "Soil is made of tiny pieces of [rock] and the remains of plants called [humus]."
)",
    R"(menu = 4
topic = "Separation"
kind = "questions"
[[question]]
text = "Which way separates sand from water?"
picture = "flower.jpg"
answers = ["Sieving", "Filtering", "Evaporating"]
right = "Filtering"
)",
    R"(menu = 5
topic = "Sound"
kind = "truefalse"
[[statement]]
text = "Sound travels through solids."
true = true
[[statement]]
text = "Sound travels through empty space."
true = false
)",
};

void readAndCheckHundredFiles(benchmark::State& state) {
    QTemporaryDir dir;
    for (int i = 0; i < 100; ++i) {
        QFile f(dir.filePath(QString("activity%1.toml").arg(i, 3, 10, QChar('0'))));
        if (f.open(QIODevice::WriteOnly)) f.write(kFiles[i % 5]);
    }
    for (auto _ : state) {
        const std::vector<FoundFile> files = findActivityFiles({dir.path()});
        benchmark::DoNotOptimize(checkFiles(files, false));
    }
}

void openFileScreenAtScale(benchmark::State& state, int kind) {
    std::shared_ptr<const Activity> activity(
        new Activity(*readActivity(kFiles[kind], "bench.toml").activity));
    const Planned planned = plan(*activity);
    const QString name = QString("bench:%1").arg(kind);
    ui::forms().registerScreen(name, [=]() -> std::unique_ptr<ui::Form> {
        switch (activity->kind) {
            case Kind::Questions:
                return std::make_unique<FileQuestionsScreen>(name, activity, planned.questions);
            case Kind::TrueFalse:
                return std::make_unique<FileTrueFalseScreen>(name, activity, planned.questions[0]);
            default:
                return std::make_unique<FileDragScreen>(name, activity->title, planned.drags[0]);
        }
    });
    const float scale = ui::Twips::scale();
    ui::Twips::setScale(1.75f);
    openAndFirstPaint(state, name.toUtf8().constData());
    ui::Twips::setScale(scale);
}

}  // namespace

BENCHMARK(readAndCheckHundredFiles)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(openFileScreenAtScale, labelling, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(openFileScreenAtScale, sorting, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(openFileScreenAtScale, passage, 2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(openFileScreenAtScale, questions, 3)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(openFileScreenAtScale, truefalse, 4)->Unit(benchmark::kMillisecond);
