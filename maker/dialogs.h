#pragma once
// Every question the Maker asks and every message it gives goes through here, so that tests
// answer for the teacher and no test waits on a modal window.
#include <QString>
#include <memory>
#include <optional>

#include "maker/document.h"

class QWidget;

namespace maker {

class Dialogs {
  public:
    enum class Unsaved { Save, Discard, Cancel };
    virtual ~Dialogs() = default;

    // Her work in `name` is not saved and is about to be closed or replaced.
    virtual Unsaved askUnsaved(QWidget* parent, const QString& name) = 0;
    virtual std::optional<Kind> chooseKind(QWidget* parent) = 0;
    // A file to open or a picture to choose; empty when she cancels.
    virtual QString openFile(QWidget* parent, const QString& folder) = 0;
    virtual QString choosePicture(QWidget* parent) = 0;
    // A shared activity to import, and the folder to export one to; empty when she cancels.
    virtual QString openPackage(QWidget* parent) = 0;
    virtual QString chooseFolder(QWidget* parent, const QString& title) = 0;
    // A new file's name in `folder`, starting from `suggested`; empty when she cancels.
    virtual QString saveAs(QWidget* parent, const QString& folder, const QString& suggested) = 0;
    // A language to translate the activity into, by its code ("cy"); empty when she cancels.
    virtual QString chooseLanguage(QWidget* parent) = 0;
    virtual bool confirm(QWidget* parent, const QString& question) = 0;
    virtual void tell(QWidget* parent, const QString& message) = 0;
};

// The desktop's own dialogs.
std::unique_ptr<Dialogs> desktopDialogs();

}  // namespace maker
