#include "tools/screenshots/makershots.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include "activities/files/sharing/export.h"
#include "maker/dialogs.h"
#include "maker/labelcanvas.h"
#include "maker/librarylink.h"
#include "maker/makerwindow.h"
#include "ui/files.h"
#include "ui/formregistry.h"

namespace screenshots {

namespace {

struct MakerShot {
    const char* name;
    const char* file;     // a shipped activity, copied into her folder to be open and editable
    bool shared = false;  // or sent by another teacher, shown for import
};
constexpr MakerShot kShots[] = {
    {"maker-labelling", "organs.toml"},
    {"maker-sorting", "changes.toml"},
    {"maker-passage", "healthy-living.toml"},
    {"maker-questions", "separation.toml"},
    {"maker-truefalse", "day-and-night.toml"},
    {"maker-problems", nullptr},  // a new activity, half made
    {"maker-import", "water-cycle.toml", true},
};

// A question being written: one answer still empty, so the problems show at their fields.
void halfMade(maker::MakerWindow& window) {
    window.newActivity(maker::Kind::Questions);
    window.session.edit({}, [](maker::Document& d) {
        d.title = d.topic = "Plant Parts";
        d.questions[0].text = "What do the roots of a plant take in?";
        d.questions[0].answers = QStringList{"Water", ""};
    });
    window.check.runNow();
}

// No dialog is shown in a screenshot.
class Silent : public maker::Dialogs {
  public:
    Unsaved askUnsaved(QWidget*, const QString&) override { return Unsaved::Discard; }
    std::optional<maker::Kind> chooseKind(QWidget*) override { return std::nullopt; }
    QString openFile(QWidget*, const QString&) override { return {}; }
    QString choosePicture(QWidget*) override { return {}; }
    QString openPackage(QWidget*) override { return {}; }
    QString chooseFolder(QWidget*, const QString&) override { return {}; }
    QString saveAs(QWidget*, const QString&, const QString&) override { return {}; }
    QString chooseLanguage(QWidget*) override { return {}; }
    bool confirm(QWidget*, const QString&) override { return false; }
    void tell(QWidget*, const QString&) override {}
};

void settle() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

}  // namespace

QStringList makerShots() {
    QStringList names;
    for (const MakerShot& s : kShots) names << s.name;
    return names;
}

bool captureMaker(const QString& name, const QDir& out) {
    const auto shot = std::find_if(std::begin(kShots), std::end(kShots),
                                   [&](const MakerShot& s) { return name == s.name; });
    if (shot == std::end(kShots)) return false;
    // A teacher's folder of her own, holding her copy of the activity.
    QTemporaryDir home;
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME"), configHome = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_DATA_HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    ui::reloadDataFolders();
    const QString own = maker::LibraryLink::ownFolder();
    QDir().mkpath(own);
    const QString copy = own + '/' + (shot->file ? shot->file : "");
    QString package;
    if (shot->shared)
        package = sharing::exportActivity(QString("activities/") + shot->file, home.path()).path;
    else if (shot->file)
        QFile::copy(QString("activities/") + shot->file, copy);
    bool saved = false;
    {
        maker::MakerWindow window(std::make_unique<Silent>());
        window.resize(1100, 820);
        window.show();
        if (shot->shared)
            window.openPath(package);
        else if (shot->file)
            window.openFile(copy);
        else
            halfMade(window);
        settle();
        if (auto* canvas = window.findChild<maker::LabelCanvas*>()) {
            canvas->select(0);
            canvas->refresh();
        }
        settle();
        saved = window.grab().toImage().save(out.filePath(name + ".png"));
    }
    ui::forms().clear();
    qputenv("XDG_DATA_HOME", dataHome);
    qputenv("XDG_CONFIG_HOME", configHome);
    ui::reloadDataFolders();
    return saved;
}

}  // namespace screenshots
