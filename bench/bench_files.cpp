// Activity files: reading and checking a school's folder of a hundred, as a menu does when it
// opens, a file-made screen opened and painted at the scale of a 1920 by 1080 display, and
// what Welsh adds at start-up: the interface's translations and every activity's.
// Run from the run folder (make bench) so that the pictures are found.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "activities/files/filescreens.h"
#include "activities/files/library.h"
#include "app/language.h"
#include "bench/openandpaint.h"
#include "ui/formregistry.h"
#include "ui/twips.h"

using namespace activityfiles;

namespace {

// One shipped activity of each kind, in the order of the benchmarks below.
const char* const kShipped[] = {"organs.toml", "food.toml", "healthy-living.toml",
                                "separation.toml", "sound.toml"};

QByteArray shipped(const QString& fileName) {
    QFile f(QDir("activities").filePath(fileName));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void readAndCheckHundredFiles(benchmark::State& state) {
    // The shipped activities over and over, as a school's folder that grew.
    QTemporaryDir dir;
    const QStringList names = QDir("activities").entryList({"*.toml"}, QDir::Files);
    for (int i = 0; i < 100 && !names.isEmpty(); ++i) {
        QFile f(dir.filePath(QString("activity%1.toml").arg(i, 3, 10, QChar('0'))));
        if (f.open(QIODevice::WriteOnly)) f.write(shipped(names[i % names.size()]));
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(loadLibrary({dir.path()}, false));
    }
}

void openFileScreenAtScale(benchmark::State& state, int kind) {
    const ReadResult read = readActivity(shipped(kShipped[kind]), kShipped[kind]);
    if (!read.activity) {
        state.SkipWithError("run from the run folder, where the shipped activities are");
        return;
    }
    std::shared_ptr<const Activity> activity(new Activity(*read.activity));
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

// Goal: at most 5 ms. The program's Welsh .qm files installed as at start-up, then each
// shipped activity's translation read, checked against it and applied, as the first menu
// does (laying out stays as in English: only what a menu shows). Each part alone, and both.
enum Part { kInterface = 1, kActivities = 2 };
void startInWelsh(benchmark::State& state, int parts) {
    std::vector<std::pair<Activity, QString>> shippedActivities;
    for (const QString& name : QDir("activities").entryList({"*.toml"}, QDir::Files))
        if (translationLanguage(name).isEmpty())
            if (const ReadResult r = readActivity(shipped(name), name); r.activity)
                shippedActivities.emplace_back(
                    *r.activity, QDir("activities").filePath(translationFileName(name, "cy")));
    const QLocale before;
    for (auto _ : state) {
        if ((parts & kInterface) && !useLanguage(QLocale(QLocale::Welsh))) {
            state.SkipWithError("no Welsh translations in the run folder's translations/");
            break;
        }
        for (const auto& [activity, path] : shippedActivities) {
            if (!(parts & kActivities)) break;
            const auto translation = readTranslationFile(path, false);
            benchmark::DoNotOptimize(checkTranslation(activity, *translation));
            benchmark::DoNotOptimize(translated(activity, *translation));
        }
    }
    useLanguage(before);
    state.counters["activities"] = static_cast<double>(shippedActivities.size());
}

}  // namespace

BENCHMARK_CAPTURE(startInWelsh, interface, kInterface)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(startInWelsh, activities, kActivities)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(startInWelsh, both, kInterface | kActivities)->Unit(benchmark::kMillisecond);
BENCHMARK(readAndCheckHundredFiles)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(openFileScreenAtScale, labelling, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(openFileScreenAtScale, sorting, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(openFileScreenAtScale, passage, 2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(openFileScreenAtScale, questions, 3)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(openFileScreenAtScale, truefalse, 4)->Unit(benchmark::kMillisecond);
