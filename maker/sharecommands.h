#pragma once
// File, Export and File, Import: an activity sent to another teacher as one file, and one
// taken in. An import is shown in the window, read-only and ready to try, before anything of
// hers is written; it is installed only when she says so.
#include <QCoreApplication>
#include <QString>
#include <functional>
#include <optional>

#include "activities/files/sharing/import.h"
#include "maker/context.h"

class QWidget;

namespace maker {

class FileCommands;

class ShareCommands {
    Q_DECLARE_TR_FUNCTIONS(ShareCommands)

  public:
    // `installed` runs after an import is installed, for the list of activities to show it.
    ShareCommands(Context& context, QWidget& window, FileCommands& files,
                  std::function<void()> installed);

    // Saved, unchanged and without a problem: what an export sends is what she sees.
    bool canExport() const { return whyNoExport().isEmpty(); }
    // What stands in the way of an export, in her words; empty when it may be exported.
    QString whyNoExport() const;
    bool exportActivity();

    // Asks for a shared file and shows it; false when she cancelled or it was refused.
    bool import();
    bool import(const QString& path);
    // Whether a shared activity is shown and not yet installed, and where it will appear.
    bool pending() const { return pending_.has_value(); }
    QString whereItAppears() const;
    // Writes it into her folder, asking first before anything is replaced, then opens it.
    bool install();
    // She leaves it: nothing is written, and the window is empty again.
    void leave();

  private:
    // The topic it takes the place of, in her words: asked before installing.
    QString placeTaken() const;
    // Asks about each of her files it would replace; a picture she keeps makes theirs come in
    // under a name of its own. False when she keeps her activity file.
    bool settleReplacements();
    // Her activities that show the picture `name`, by topic.
    QStringList activitiesShowing(const QString& name) const;
    // Theirs renamed to `to`, in the unpacked copy and in the activity that names it.
    bool renamePicture(const QString& from, const QString& to);

    Context& context_;
    QWidget& window_;
    FileCommands& files_;
    std::function<void()> installed_;
    std::optional<sharing::Inspection> pending_;
};

}  // namespace maker
