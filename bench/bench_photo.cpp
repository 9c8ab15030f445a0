// A teacher's phone photo in a labelling activity: a 4032 by 3024 JPEG taken with the phone
// upright (EXIF orientation 6), opened and painted at the scale of a 1920 by 1080 display,
// decoded afresh each time; and the memory the opening adds at its peak, against twice the
// window's pixels at 4 bytes each plus the file.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QPixmapCache>
#include <QTemporaryDir>
#include <fstream>
#include <string>

#include "activities/files/filescreens.h"
#include "bench/openandpaint.h"
#include "ui/formregistry.h"
#include "ui/twips.h"

using namespace activityfiles;

namespace {

// A photo's worth of detail, so that the JPEG is as large as a phone's.
QByteArray photo() {
    QImage image(4032, 3024, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            row[x] = qRgb((x * 7 + y) & 255, (x ^ y) & 255, (x * y >> 6) & 255);
    }
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    QImageWriter writer(&out, "jpeg");
    writer.setQuality(90);
    writer.setTransformation(QImageIOHandler::TransformationRotate90);  // EXIF orientation 6
    writer.write(image);
    return out.data();
}

// Kilobytes of the process resident now, or at its peak since the peak was last reset.
long residentKiB(const char* field) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind(field, 0) == 0) return std::stol(line.substr(std::string(field).size()));
    return 0;
}

void resetPeak() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

// Shown, and painted into its window's backing store as the display would take it.
void showAndPaint(const QString& name) {
    ui::forms().show(name);
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

void openPhotoActivity(benchmark::State& state) {
    QTemporaryDir dir;
    const QByteArray bytes = photo();
    {
        QFile f(dir.filePath("photo.jpg"));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
    }
    ReadResult read = readActivity(
        "menu = 3\ntopic = \"Our Pond\"\nkind = \"labelling\"\npicture = \"photo.jpg\"\n"
        "[[label]]\nword = \"Reeds\"\nat = [600, 900]\n"
        "[[label]]\nword = \"Water\"\nat = [1500, 3500]\n",
        "pond.toml");
    read.activity->folder = dir.path();
    const float scale = ui::Twips::scale();
    ui::Twips::setScale(1.75f);
    const Planned planned = plan(*read.activity);
    if (!planned.problems.empty() || planned.drags.empty()) {
        state.SkipWithError(planned.problems.empty() ? "no screen"
                                                     : qPrintable(planned.problems[0].message));
        return;
    }
    const QString name = "bench:photo";
    const QString title = read.activity->title;
    const DragPlan drag = planned.drags[0];
    ui::forms().registerScreen(name, [=]() -> std::unique_ptr<ui::Form> {
        return std::make_unique<FileDragScreen>(name, title, drag);
    });

    // Memory first, from a cold start: what the peak stands above where it stood before.
    QPixmapCache::clear();
    malloc_trim(0);  // freed memory handed back, so that reusing it counts as adding it
    resetPeak();
    const long before = residentKiB("VmRSS:");
    showAndPaint(name);
    const long peak = residentKiB("VmHWM:");
    const QSize window = ui::forms().get(name)->window()->size() * qApp->devicePixelRatio();
    ui::forms().clear();
    QApplication::processEvents();
    state.counters["peak_added_MiB"] = double(peak - before) / 1024;
    state.counters["file_MiB"] = double(bytes.size()) / (1 << 20);
    state.counters["window_px"] = double(window.width()) * window.height();
    state.counters["goal_MiB"] =
        double(2 * qint64(window.width()) * window.height() * 4 + bytes.size()) / (1 << 20);

    openAndFirstPaint(state, "bench:photo", [] { QPixmapCache::clear(); });
    ui::Twips::setScale(scale);
}

}  // namespace

BENCHMARK(openPhotoActivity)->Unit(benchmark::kMillisecond);
