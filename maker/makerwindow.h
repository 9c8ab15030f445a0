#pragma once
// The Activity Maker's window: the list of activities, the open activity's form and its
// problems, and the File, Edit and Activity menus with the desktop's own shortcuts.
#include <QCoreApplication>
#include <QMainWindow>
#include <functional>
#include <memory>
#include <vector>

#include "maker/context.h"
#include "maker/dialogs.h"
#include "maker/editsession.h"
#include "maker/filecommands.h"
#include "maker/librarylink.h"
#include "maker/printcommands.h"
#include "maker/problemcheck.h"
#include "maker/sharecommands.h"
#include "maker/tryout.h"

class QLabel;
class QMenu;
class QListWidget;

namespace maker {

class ActivityList;
class FormHost;

class MakerWindow : public QMainWindow {
    Q_DECLARE_TR_FUNCTIONS(MakerWindow)

  public:
    explicit MakerWindow(std::unique_ptr<Dialogs> dialogs, QWidget* parent = nullptr);
    // The undo stack still signals as it goes, after the members its receivers read are gone:
    // nothing may hear it then.
    ~MakerWindow() override {
        session.undoStack().disconnect();
        session.disconnect();
    }

    // Each asks first when unsaved work would be closed or replaced; false when she
    // cancelled or it failed (the work then stays in the window).
    bool newActivity() { return files.newActivity(); }
    bool newActivity(Kind kind) { return files.newActivity(kind); }
    bool openFile(const QString& path) { return files.open(path); }
    // A shared activity (NAME.brindlemark) is shown for import, any other file opened.
    bool openPath(const QString& path);
    // A shared activity not yet installed is saved by installing it.
    bool save() { return share.pending() ? share.install() : files.save(); }
    bool saveAs() { return !share.pending() && files.saveAs(); }
    bool closeActivity() { return files.close(); }
    bool tryIt();

    std::unique_ptr<Dialogs> dialogs;
    EditSession session;
    LibraryLink library;
    ProblemCheck check{session, library};
    Context context{session, *dialogs, library, check};
    TryOut tryOut;
    FileCommands files;
    ShareCommands share;
    PrintCommands printing{context, *this};

    ActivityList* list = nullptr;
    FormHost* form = nullptr;
    QListWidget* problems = nullptr;
    QWidget* readOnlyBar = nullptr;
    QWidget* importBar = nullptr;
    QLabel* importWhere = nullptr;
    QLabel* emptyPage = nullptr;
    // Shown while a translation is edited.
    QWidget* translationBar = nullptr;
    QLabel* translationSaid = nullptr;

  protected:
    void closeEvent(QCloseEvent* event) override;
    // Undo and Redo undo her edits of the activity, also while a text field has the keys.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildMenus();
    QWidget* buildImportBar();
    void showTitle();
    // The Activity menu's choice of the language whose words are edited.
    QMenu* buildLanguageMenu();
    QStringList languagesBeside() const;
    QWidget* buildTranslationBar();
    struct BarButton {
        QString caption;
        const char* name;
        std::function<void()> clicked;
    };
    QWidget* buildBar(const char* name, QLabel*& said, std::vector<BarButton> buttons);
    void showProblems();
};

}  // namespace maker
