#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLocale>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <map>

#include "maker/dialogs.h"
#include "maker/kindnames.h"
#include "maker/makersettings.h"

namespace maker {

namespace {

// A file dialog whose state (the folders she visited, its view) is kept in the Maker's own
// settings. Qt's dialog also writes it to QtProject.conf as it closes, a file no document
// names: that write goes to a scratch folder, which is then removed.
QString runFileDialog(QWidget* parent, const QString& title, const QString& start,
                      const QString& filter, QFileDialog::FileMode mode,
                      QFileDialog::AcceptMode accept = QFileDialog::AcceptOpen) {
    QTemporaryDir scratch;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, scratch.path());
    QString chosen;
    {
        QFileDialog dialog(parent, title);
        dialog.restoreState(makerSettings().value("fileDialog").toByteArray());
        dialog.setDirectory(start);
        dialog.setFileMode(mode);
        dialog.setAcceptMode(accept);
        if (mode == QFileDialog::Directory)
            dialog.setOption(QFileDialog::ShowDirsOnly);
        else
            dialog.setNameFilter(filter);
        if (QFileInfo(start).isFile() || accept == QFileDialog::AcceptSave)
            dialog.selectFile(start);
        if (dialog.exec() == QDialog::Accepted) chosen = dialog.selectedFiles().value(0);
        makerSettings().setValue("fileDialog", dialog.saveState());
    }
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    return chosen;
}

// Her Pictures folder, or her home where the desktop has none.
QString picturesFolder() {
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return QFileInfo(pictures).isDir() ? pictures : QDir::homePath();
}

class DesktopDialogs : public Dialogs {
    Q_DECLARE_TR_FUNCTIONS(DesktopDialogs)

  public:
    Unsaved askUnsaved(QWidget* parent, const QString& name) override {
        const auto answer = QMessageBox::warning(
            parent, tr("Brindlemark Activity Maker"),
            tr("Save the changes to \"%1\" before closing it?").arg(name),
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
        return answer == QMessageBox::Save      ? Unsaved::Save
               : answer == QMessageBox::Discard ? Unsaved::Discard
                                                : Unsaved::Cancel;
    }
    std::optional<Kind> chooseKind(QWidget* parent) override {
        QStringList names;
        for (const KindName& k : kKindNames)
            names << QCoreApplication::translate("KindName", k.name);
        bool ok = false;
        const QString chosen = QInputDialog::getItem(
            parent, tr("New activity"), tr("What kind of activity?"), names, 0, false, &ok);
        if (!ok) return std::nullopt;
        return kKindNames[names.indexOf(chosen)].kind;
    }
    QString openFile(QWidget* parent, const QString& folder) override {
        return runFileDialog(parent, tr("Open an activity"), folder, tr("Activities (*.toml)"),
                             QFileDialog::ExistingFile);
    }
    QString choosePicture(QWidget* parent) override {
        return runFileDialog(parent, tr("Choose a picture"), picturesFolder(),
                             tr("Pictures (*.png *.jpg *.jpeg *.PNG *.JPG *.JPEG)"),
                             QFileDialog::ExistingFile);
    }
    QString openPackage(QWidget* parent) override {
        return runFileDialog(parent, tr("Import a shared activity"), QDir::homePath(),
                             tr("Shared activities (*.brindlemark)"), QFileDialog::ExistingFile);
    }
    QString chooseFolder(QWidget* parent, const QString& title) override {
        return runFileDialog(parent, title, QDir::homePath(), {}, QFileDialog::Directory);
    }
    QString saveAs(QWidget* parent, const QString& folder, const QString& suggested) override {
        return runFileDialog(parent, tr("Save the activity as"), folder + '/' + suggested,
                             tr("Activities (*.toml)"), QFileDialog::AnyFile,
                             QFileDialog::AcceptSave);
    }
    QString chooseLanguage(QWidget* parent) override {
        // Every language with a two-letter code, by its own name.
        std::map<QString, QString> codes;
        for (int l = QLocale::C + 1; l <= QLocale::LastLanguage; ++l) {
            const auto language = static_cast<QLocale::Language>(l);
            const QString code = QLocale::languageToCode(language, QLocale::ISO639Part1);
            if (code.isEmpty()) continue;
            QString name = QLocale(language).nativeLanguageName();
            if (name.isEmpty()) name = QLocale::languageToString(language);
            codes.emplace(name, code);
        }
        QStringList names;
        for (const auto& [name, code] : codes) names << name;
        bool ok = false;
        const QString chosen = QInputDialog::getItem(
            parent, tr("Translate the activity"), tr("Into which language?"), names, 0, false, &ok);
        return ok ? codes[chosen] : QString();
    }
    bool confirm(QWidget* parent, const QString& question) override {
        return QMessageBox::question(parent, tr("Brindlemark Activity Maker"), question) ==
               QMessageBox::Yes;
    }
    void tell(QWidget* parent, const QString& message) override {
        QMessageBox::information(parent, tr("Brindlemark Activity Maker"), message);
    }
};

}  // namespace

std::unique_ptr<Dialogs> desktopDialogs() {
    return std::make_unique<DesktopDialogs>();
}

}  // namespace maker
