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

    RecentFiles recent;

  private:
    QString newFileName() const;
    bool writeTo(const QString& path, bool isNew);

    Context& context_;
    QWidget& window_;
    std::function<void()> saved_;
};

}  // namespace maker
