#pragma once
// The File menu's work: new, open, save, save as and close, each asking first when unsaved
// work would be lost, and saving only into her activities folder.
#include <QCoreApplication>
#include <QString>
#include <functional>

#include "maker/context.h"
#include "maker/document.h"
#include "maker/recentfiles.h"

class QWidget;

namespace maker {

class FileCommands {
    Q_DECLARE_TR_FUNCTIONS(FileCommands)

  public:
    // `saved` runs after each save, for the list of activities to show it.
    FileCommands(Context& context, QWidget& window, std::function<void()> saved);

    // Whether the work in the window may go: saved, unchanged, or let go on her word.
    bool keepWork();
    bool newActivity();  // of the kind she chooses
    bool newActivity(Kind kind);
    bool open(const QString& path);
    bool save();
    bool saveAs();
    bool close();
    // Edits the open activity's translation into `language` (empty: its own words), read
    // from the file beside it when there is one; false when she kept her work or the file
    // cannot be read.
    bool translate(const QString& language);
    // Why its translation cannot be edited now, in her words; empty when it can.
    QString whyNoTranslation() const;

    RecentFiles recent;

  private:
    QString newFileName() const;
    bool writeTo(const QString& path, bool isNew);
    bool saveTranslation();

    Context& context_;
    QWidget& window_;
    std::function<void()> saved_;
};

}  // namespace maker
