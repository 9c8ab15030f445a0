#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

#include "maker/dialogs.h"
#include "maker/kindnames.h"

namespace maker {

namespace {

class DesktopDialogs : public Dialogs {
  public:
    Unsaved askUnsaved(QWidget* parent, const QString& name) override {
        const auto answer = QMessageBox::warning(
            parent, "Brindlemark Activity Maker",
            QString("Save the changes to \"%1\" before closing it?").arg(name),
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
        return answer == QMessageBox::Save      ? Unsaved::Save
               : answer == QMessageBox::Discard ? Unsaved::Discard
                                                : Unsaved::Cancel;
    }
    std::optional<Kind> chooseKind(QWidget* parent) override {
        QStringList names;
        for (const KindName& k : kKindNames) names << k.name;
        bool ok = false;
        const QString chosen = QInputDialog::getItem(
            parent, "New activity", "What kind of activity?", names, 0, false, &ok);
        if (!ok) return std::nullopt;
        return kKindNames[names.indexOf(chosen)].kind;
    }
    QString openFile(QWidget* parent, const QString& folder) override {
        return QFileDialog::getOpenFileName(parent, "Open an activity", folder,
                                            "Activities (*.toml)");
    }
    QString choosePicture(QWidget* parent) override {
        return QFileDialog::getOpenFileName(parent, "Choose a picture", QString(),
                                            "Pictures (*.png *.jpg *.jpeg *.PNG *.JPG *.JPEG)");
    }
    QString openPackage(QWidget* parent) override {
        return QFileDialog::getOpenFileName(parent, "Import a shared activity", QDir::homePath(),
                                            "Shared activities (*.brindlemark)");
    }
    QString chooseFolder(QWidget* parent, const QString& title) override {
        return QFileDialog::getExistingDirectory(parent, title, QDir::homePath());
    }
    QString saveAs(QWidget* parent, const QString& folder, const QString& suggested) override {
        return QFileDialog::getSaveFileName(parent, "Save the activity as",
                                            folder + '/' + suggested, "Activities (*.toml)");
    }
    bool confirm(QWidget* parent, const QString& question) override {
        return QMessageBox::question(parent, "Brindlemark Activity Maker", question) ==
               QMessageBox::Yes;
    }
    void tell(QWidget* parent, const QString& message) override {
        QMessageBox::information(parent, "Brindlemark Activity Maker", message);
    }
};

}  // namespace

std::unique_ptr<Dialogs> desktopDialogs() {
    return std::make_unique<DesktopDialogs>();
}

}  // namespace maker
