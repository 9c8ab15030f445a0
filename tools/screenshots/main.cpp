// Renders the program's screens to PNG files:
//   screenshots [--pseudo] [--scale S] <output folder> [shot ...]
// at display scale S (1 by default), as the program draws on a larger display; --pseudo draws
// every text in the made-up language of app/pseudolanguage.h. A shot is a
// name from shots.cpp ("boneslab-solved"), or a screen and its steps ("circuits/Label4(1)/300ms",
// see script.h); without any, every shot of shots.cpp is rendered. Run it in the run folder
// so that the pictures are found. The same shots always give the same pictures: timers tick
// in counted time, not by the clock, and random draws come from each shot's seed. The
// Activity Maker's window is rendered too ("maker-labelling" and the other kinds).
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QTextStream>
#include <QWidget>
#include <optional>

#include "app/language.h"
#include "app/pseudolanguage.h"
#include "app/screens.h"
#include "app/shellstate.h"
#include "menus/menupage.h"
#include "speech/readaloud.h"
#include "speech/recordingvoice.h"
#include "tools/screenshots/makershots.h"
#include "tools/screenshots/script.h"
#include "tools/screenshots/shots.h"
#include "ui/files.h"
#include "ui/formregistry.h"
#include "ui/platform.h"
#include "ui/programstate.h"
#include "ui/random.h"
#include "ui/timer.h"
#include "ui/twips.h"

namespace {

using screenshots::Shot;

// The machine's own platform, but with a fixed sequence of random draws: reseeding from the
// clock would give another question on every run.
class FixedDraws final : public ui::Platform {
  public:
    void restart(std::uint64_t seed) { random_ = ui::RandomSource(seed); }

    QSizeF displayTwips() const override { return machine_->displayTwips(); }
    void setBusyCursor(bool busy) override { machine_->setBusyCursor(busy); }
    void openUrl(const QString&) override {}
    bool startMaker(const QString&) override { return false; }
    void endProgram() override {}
    double secondsSinceMidnight() const override { return 36000; }
    void randomize() override {}
    double rnd() override { return random_.next(); }
    bool assistiveTechnologyActive() const override { return false; }
    void tellAssistiveTechnology(QObject*, QAccessible::Event) override {}

  private:
    std::unique_ptr<ui::Platform> machine_ = ui::makeQtPlatform();
    ui::RandomSource random_;
};

FixedDraws* draws = nullptr;

// A copy of the working folder without one file (and its sharper companions), made the
// working folder while it lives.
class FolderWithout {
  public:
    explicit FolderWithout(const QString& layoutPath) : home_(QDir::currentPath()) {
        const std::optional<QString> gone = ui::resolveFile(layoutPath);
        const QString goneStem = gone ? QFileInfo(*gone).completeBaseName() : QString();
        QDirIterator it(home_, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QFileInfo file(it.next());
            if (gone && file.path() == QFileInfo(*gone).path() &&
                (file.completeBaseName() == goneStem ||
                 file.completeBaseName().startsWith(goneStem + '@')))
                continue;
            const QString target = copy_.filePath(QDir(home_).relativeFilePath(file.filePath()));
            QDir().mkpath(QFileInfo(target).path());
            QFile::copy(file.filePath(), target);
        }
        QDir::setCurrent(copy_.path());
    }
    ~FolderWithout() { QDir::setCurrent(home_); }

  private:
    QString home_;
    QTemporaryDir copy_;
};

// A teacher's own folder with her activity files, in a place of its own name, so that the
// folder a message names is the same from run to run.
class TeacherFolder {
  public:
    TeacherFolder() {
        QDir(root()).removeRecursively();
        const QString activities = root() + "/.local/share/brindlemark/activities";
        QDir().mkpath(activities);
        for (const screenshots::TeacherFile& f : screenshots::teacherFiles()) {
            QFile out(activities + '/' + f.name);
            if (out.open(QIODevice::WriteOnly)) out.write(f.text);
        }
        qputenv("XDG_DATA_HOME", (root() + "/.local/share").toUtf8());
        ui::reloadDataFolders();
    }
    ~TeacherFolder() {
        qunsetenv("XDG_DATA_HOME");
        ui::reloadDataFolders();
        QDir(root()).removeRecursively();
    }

  private:
    static QString root() { return QDir::tempPath() + "/home/teacher"; }
};

QString fileNameFor(QString script) {
    script.replace('/', '-').replace('(', '_').remove(')').replace('>', "_to_").replace(',', '_');
    return script;
}

void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

bool capture(const Shot& shot, const QDir& out) {
    std::optional<FolderWithout> folder;
    if (!shot.missing.isEmpty()) folder.emplace(shot.missing);
    std::optional<TeacherFolder> teacher;
    if (shot.teacherFiles) teacher.emplace();
    const QStringList steps = shot.script.split('/');
    const QString& name = steps[0];
    ui::forms().clear();
    ShellState::reset();
    speech::setReading(shot.readingAloud);
    screenshots::resetTime();
    draws->restart(shot.seed);
    // Activities sit in front of the main screen, as they do when opened from a menu.
    if (name != "Titlefrm" && name != "notepad") ui::forms().show("intro0");
    ui::Form* form = ui::forms().show(name);
    if (!form) return false;
    // The one-tick timers lay the screen out, as right after showing it.
    settle();
    screenshots::letTimePass(300);
    settle();
    for (const QString& step : steps.mid(1)) {
        QString error;
        const bool done = !form->isUnloaded() && screenshots::runStep(*form, step, error);
        if (!done) {
            QTextStream(stderr) << shot.file << ": " << (error.isEmpty() ? step : error) << "\n";
            return false;
        }
        settle();
    }
    if (!shot.grab.isEmpty()) form = ui::forms().find(shot.grab);
    if (!form) return false;
    const QImage image = form->window()->grab().toImage();
    const bool saved = image.save(out.filePath(shot.file + ".png"));
    ui::forms().clear();
    return saved;
}

// A shot of the table by its name, or else a screen and its steps.
std::optional<Shot> shotFor(const QString& request) {
    for (const Shot& shot : screenshots::shots())
        if (shot.file == request) return shot;
    if (!ui::forms().knows(request.section('/', 0, 0))) return std::nullopt;
    return Shot{fileNameFor(request), request};
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The desktop's language, never a teacher's choice kept on this machine: with
    // LANG=cy_GB.UTF-8 the screens are drawn in Welsh.
    useLanguage(QLocale::system());
    // Or the made-up language 40 % longer, to see where a translation will need room.
    PseudoTranslator longer;
    const bool pseudo = app.arguments().value(1) == "--pseudo";
    if (pseudo) QCoreApplication::installTranslator(&longer);
    registerScreens(ui::forms());
    auto platform = std::make_unique<FixedDraws>();
    draws = platform.get();
    ui::installPlatform(std::move(platform));
    ui::Timer::setHeld(true);
    // A voice that is always ready and never speaks, so that "Read Aloud" can be ticked.
    speech::installVoice(std::make_unique<speech::RecordingVoice>());
    // The activity files' screens ("file:sound.toml") are known once the menus have read them.
    for (int menu = 1; menu <= 5; ++menu) menus::menuPage(menu, 0);

    QStringList args = app.arguments().mid(pseudo ? 2 : 1);
    if (args.size() >= 2 && args[0] == "--scale") {
        bool ok = false;
        const float scale = args[1].toFloat(&ok);
        if (!ok || scale < 1 || scale > 8) {
            QTextStream(stderr) << "screenshots: the scale must be a number from 1 to 8\n";
            return 2;
        }
        ui::Twips::setScale(scale);
        args = args.mid(2);
    }
    if (args.isEmpty()) {
        QTextStream(stderr)
            << "usage: screenshots [--pseudo] [--scale S] <output folder> [shot ...]\n";
        return 2;
    }
    // Absolute, since a shot may run in another working folder.
    const QDir out(QDir(args.first()).absolutePath());
    out.mkpath(".");
    std::vector<Shot> wanted;
    int failed = 0;
    QStringList makerWanted;
    for (const QString& request : args.mid(1)) {
        if (screenshots::makerShots().contains(request)) {
            makerWanted << request;
        } else if (const std::optional<Shot> shot = shotFor(request)) {
            wanted.push_back(*shot);
        } else {
            QTextStream(stderr) << "screenshots: no shot or screen called " << request << "\n";
            ++failed;
        }
    }
    if (args.size() == 1) {
        wanted = screenshots::shots();
        makerWanted = screenshots::makerShots();
    }
    for (const Shot& shot : wanted) {
        const bool ok = capture(shot, out);
        failed += !ok;
        QTextStream(stdout) << shot.file << (ok ? " written\n" : " failed\n");
    }
    for (const QString& name : makerWanted) {
        const bool ok = screenshots::captureMaker(name, out);
        failed += !ok;
        QTextStream(stdout) << name << (ok ? " written\n" : " failed\n");
    }
    ui::forms().clear();
    return failed ? 1 : 0;
}
