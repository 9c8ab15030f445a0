// A teacher's folder of 1,000 activity files, the five kinds in equal numbers, sharing ten
// pictures of 800 by 600: every menu, Our Activities too, opened and painted at scale 1.75 the
// first time (nothing read yet) and again with nothing changed; and `--check` of them all.
// Run from the run folder (make bench), where the shipped activities and pictures are.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdio>

#include "app/checkcommand.h"
#include "bench/openandpaint.h"
#include "menus/menupage.h"
#include "ui/files.h"
#include "ui/formregistry.h"
#include "ui/twips.h"

namespace {

constexpr int kFiles = 1000, kPictures = 10;

QString activity(int i) {
    const QString topic = QString("topic = \"Activity %1\"\n").arg(i, 4, 10, QChar('0'));
    const QString picture = QString("picture = \"picture%1.jpg\"\n").arg(i % kPictures);
    switch (i % 5) {
        case 0: {
            QString s = topic + "kind = \"labelling\"\n" + picture;
            const int at[6][2] = {{120, 80},  {680, 80}, {120, 520},
                                  {680, 520}, {400, 60}, {400, 540}};
            for (int k = 0; k < 6; ++k)
                s += QString("[[label]]\nword = \"Part %1\"\nat = [%2, %3]\nline_to = [400, 300]\n")
                         .arg(k + 1)
                         .arg(at[k][0])
                         .arg(at[k][1]);
            return s;
        }
        case 1: {
            QString s = topic + "kind = \"sorting\"\ncolumns = [\"Living\", \"Never alive\"]\n";
            const char* words[] = {"Tree", "Cat", "Fern", "Rock", "Glass", "Water"};
            for (int k = 0; k < 6; ++k)
                s += QString("[[word]]\ntext = \"%1\"\ncolumn = \"%2\"\n")
                         .arg(words[k], k < 3 ? "Living" : "Never alive");
            return s;
        }
        case 2:
            return topic +
                   "kind = \"passage\"\n[[passage]]\ntext = \"Plants need [light] and [water] to "
                   "grow. Their [roots] take in water and their [leaves] make food.\"\n";
        case 3: {
            QString s = topic + "kind = \"questions\"\n";
            for (int k = 0; k < 3; ++k)
                s += QString(
                         "[[question]]\ntext = \"Which part is shown here, number %1?\"\n%2"
                         "answers = [\"The root\", \"The stem\", \"The leaf\"]\n"
                         "right = \"The stem\"\n")
                         .arg(k + 1)
                         .arg(picture);
            return s;
        }
        default: {
            QString s = topic + "kind = \"truefalse\"\n" + picture;
            for (int k = 0; k < 4; ++k)
                s +=
                    QString("[[statement]]\ntext = \"Statement number %1 is true.\"\ntrue = true\n")
                        .arg(k + 1);
            return s;
        }
    }
}

// The teacher's folder, made once and found through XDG_DATA_HOME as her own.
const QTemporaryDir& teacherFolder() {
    static QTemporaryDir home;
    static bool made = false;
    if (!made) {
        made = true;
        const QString dir = home.filePath("brindlemark/activities");
        QDir().mkpath(dir);
        for (int p = 0; p < kPictures; ++p) {
            QImage image(800, 600, QImage::Format_RGB32);
            QPainter painter(&image);
            painter.fillRect(image.rect(), QColor::fromHsv(p * 36, 80, 230));
            painter.setBrush(QColor::fromHsv(p * 36, 200, 120));
            painter.drawEllipse(QPoint(400, 300), 220, 160);
            painter.end();
            image.save(QString("%1/picture%2.jpg").arg(dir).arg(p), "JPEG", 85);
        }
        for (int i = 0; i < kFiles; ++i) {
            QFile f(QString("%1/activity%2.toml").arg(dir).arg(i, 4, 10, QChar('0')));
            if (f.open(QIODevice::WriteOnly)) f.write(activity(i).toUtf8());
        }
        qputenv("XDG_DATA_HOME", home.path().toUtf8());
        ui::reloadDataFolders();
    }
    return home;
}

// Opens a menu and waits for its first paint; `fresh`: nothing read or laid out before.
void openMenu(benchmark::State& state, const char* name, bool fresh) {
    teacherFolder();
    const float scale = ui::Twips::scale();
    ui::Twips::setScale(1.75f);
    menus::forgetActivityFiles();
    ui::forms().get("intro0");
    ui::forms().show(name);  // read and laid out once, for `again`
    for (auto _ : state) {
        state.PauseTiming();
        ui::forms().unload(*ui::forms().find(name));
        ui::forms().collectGarbage();
        if (fresh) menus::forgetActivityFiles();
        state.ResumeTiming();
        showAndWaitForPaint(name);
    }
    ui::forms().clear();
    ui::Twips::setScale(scale);
}

// What a menu that opens again asks of the library, without the window: finding 1,019 files
// and seeing that none changed, then placing them.
void findAndPlaceAgain(benchmark::State& state) {
    teacherFolder();
    menus::forgetActivityFiles();
    menus::menuPage(menus::kOurActivities, 0);
    for (auto _ : state) benchmark::DoNotOptimize(menus::menuPage(menus::kOurActivities, 0));
}

void checkAll(benchmark::State& state) {
    teacherFolder();
    for (auto _ : state) {
        std::fflush(stdout);
        const int status = runCheck({});
        if (status != 0) state.SkipWithError("the teacher's files should have no problem");
    }
}

}  // namespace

#define MENU(name, key)                                                                  \
    BENCHMARK_CAPTURE(openMenu, name##_first, key, true)->Unit(benchmark::kMillisecond); \
    BENCHMARK_CAPTURE(openMenu, name##_again, key, false)->Unit(benchmark::kMillisecond)
MENU(TopicMenu1, "menu1");
MENU(TopicMenu2, "menu2");
MENU(TopicMenu3, "menu3");
MENU(TopicMenu4, "menu4");
MENU(TopicMenu5, "menu5");
MENU(OurActivities, "ouractivities");
BENCHMARK(findAndPlaceAgain)->Unit(benchmark::kMillisecond);
BENCHMARK(checkAll)->Unit(benchmark::kMillisecond);
