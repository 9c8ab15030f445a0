// The Activity Maker: a 12-megapixel phone photo chosen as a labelling picture until it is
// painted (goal: 300 ms), and one key press in a field until the field has painted it (goal:
// 16 ms), in an activity of fifty questions and on the labelling picture; and the check
// that runs when typing pauses. Run from the run
// folder (make bench); the slowest press is the counter "slowest_ms".
#include <benchmark/benchmark.h>

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include "maker/dialogs.h"
#include "maker/formhost.h"
#include "maker/labelcanvas.h"
#include "maker/labellingform.h"
#include "maker/librarylink.h"
#include "maker/makerwindow.h"
#include "maker/picturefield.h"
#include "ui/files.h"

using namespace maker;

namespace {

class PhotoDialogs : public Dialogs {
  public:
    QString photo;
    Unsaved askUnsaved(QWidget*, const QString&) override { return Unsaved::Discard; }
    std::optional<Kind> chooseKind(QWidget*) override { return std::nullopt; }
    QString openFile(QWidget*, const QString&) override { return {}; }
    QString choosePicture(QWidget*) override { return photo; }
    QString openPackage(QWidget*) override { return {}; }
    QString chooseFolder(QWidget*, const QString&) override { return {}; }
    QString saveAs(QWidget*, const QString&, const QString&) override { return {}; }
    QString chooseLanguage(QWidget*) override { return {}; }
    bool confirm(QWidget*, const QString&) override { return true; }
    void tell(QWidget*, const QString&) override {}
};

// Her folders in a scratch place, for as long as it lives.
struct ScratchHome {
    QTemporaryDir dir;
    ScratchHome() {
        qputenv("XDG_DATA_HOME", dir.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", dir.path().toUtf8());
        ui::reloadDataFolders();
    }
};

// A 4000 by 3000 photo with a camera's detail, so that it compresses as photos do.
QString makePhoto(const QString& folder) {
    QImage image(4000, 3000, QImage::Format_RGB32);
    QPainter p(&image);
    QRandomGenerator random(7);
    for (int i = 0; i < 4000; ++i)
        p.fillRect(random.bounded(4000), random.bounded(3000), 40 + random.bounded(400),
                   40 + random.bounded(300), QColor::fromRgb(random.generate()));
    p.end();
    const QString path = folder + "/IMG_2041.jpg";
    image.save(path, "jpeg", 92);
    return path;
}

void photoChosenUntilPainted(benchmark::State& state) {
    ScratchHome home;
    auto dialogs = std::make_unique<PhotoDialogs>();
    dialogs->photo = makePhoto(home.dir.path());
    MakerWindow window(std::move(dialogs));
    window.show();
    window.newActivity(Kind::Labelling);
    auto* form = static_cast<LabellingForm*>(window.form->kind);
    for (auto _ : state) {
        form->picture->choose();
        form->canvas->repaint();
        state.PauseTiming();
        window.session.undoStack().undo();
        QFile::remove(LibraryLink::ownFolder() + "/IMG_2041.jpg");
        state.ResumeTiming();
    }
}
BENCHMARK(photoChosenUntilPainted)->Unit(benchmark::kMillisecond)->Iterations(10);

// Types into `field` and paints it, each press timed alone.
void typeAndPaint(benchmark::State& state, QWidget* field) {
    double slowest = 0;
    QElapsedTimer timer;
    int n = 0;
    for (auto _ : state) {
        timer.start();
        QTest::keyClick(field, static_cast<char>('a' + n++ % 26));
        field->repaint();
        slowest = std::max(slowest, timer.nsecsElapsed() / 1e6);
    }
    state.counters["slowest_ms"] = slowest;
}

void keyPressInAQuestion(benchmark::State& state) {
    ScratchHome home;
    MakerWindow window(std::make_unique<PhotoDialogs>());
    window.resize(1100, 800);
    window.show();
    window.newActivity(Kind::Questions);
    window.session.edit({}, [](Document& d) {
        for (int i = 0; i < 49; ++i) appendEntry(d);
    });
    auto* field = window.findChild<QLineEdit*>("question50");
    field->setFocus();
    typeAndPaint(state, field);
}
BENCHMARK(keyPressInAQuestion)->Unit(benchmark::kMillisecond)->Iterations(300);

// The check that runs once typing pauses: it must not hold up the next key press either.
void checkOfFiftyQuestions(benchmark::State& state) {
    ScratchHome home;
    MakerWindow window(std::make_unique<PhotoDialogs>());
    window.openFile(QDir("activities").absoluteFilePath("separation.toml"));
    window.session.open(window.session.document(), {}, false);
    window.session.edit({}, [](Document& d) {
        while (d.questions.size() < 50) d.questions.push_back(d.questions[0]);
    });
    for (auto _ : state) window.check.runNow();
}
BENCHMARK(checkOfFiftyQuestions)->Unit(benchmark::kMillisecond);

void keyPressOnTheLabellingPicture(benchmark::State& state) {
    ScratchHome home;
    MakerWindow window(std::make_unique<PhotoDialogs>());
    window.resize(1100, 800);
    window.show();
    window.openFile(QDir("activities").absoluteFilePath("organs.toml"));
    window.session.open(window.session.document(), {}, false);  // hers to change
    auto* canvas = window.findChild<LabelCanvas*>();
    canvas->select(0);
    QTest::keyClick(canvas, Qt::Key_F2);
    typeAndPaint(state, canvas->wordEditor());
}
BENCHMARK(keyPressOnTheLabellingPicture)->Unit(benchmark::kMillisecond)->Iterations(100);

}  // namespace
