#include "maker/makerwindow.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

#include "activities/files/sharing/package.h"
#include "activities/files/translation.h"
#include "maker/activitylist.h"
#include "maker/formhost.h"
#include "maker/namedcombobox.h"

namespace maker {

namespace {

// The item of the language choice that asks for another language.
const QString kAnotherLanguage = "+";

// A language by its own name ("Cymraeg"), which its speakers look for.
QString languageName(const QString& code) {
    const QString name = QLocale(code).nativeLanguageName();
    return name.isEmpty() ? code : name;
}

// The desktop's own Redo keys, and Ctrl+Y, which the Guide promises, wherever the desktop
// puts Redo.
QList<QKeySequence> redoKeys() {
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::Redo);
    const QKeySequence y(Qt::CTRL | Qt::Key_Y);
    if (!keys.contains(y)) keys << y;
    return keys;
}

}  // namespace

MakerWindow::MakerWindow(std::unique_ptr<Dialogs> d, QWidget* parent)
    : QMainWindow(parent),
      dialogs(std::move(d)),
      files(context, *this, [this] { list->refresh(); }),
      share(context, *this, files, [this] { list->refresh(); }) {
    setObjectName("maker");
    nameComboBoxes();
    auto* split = new QSplitter;
    list = new ActivityList(library);
    // One click opens, as Enter does: the list is the way in.
    const auto openItem = [this](QTreeWidgetItem* item) {
        const QString path = item->data(0, ActivityList::kPathRole).toString();
        if (!path.isEmpty() && path != session.path()) openFile(path);
    };
    connect(list, &QTreeWidget::itemActivated, this, openItem);
    connect(list, &QTreeWidget::itemClicked, this, openItem);
    split->addWidget(list);

    auto* right = new QWidget;
    auto* column = new QVBoxLayout(right);
    readOnlyBar = new QWidget;
    auto* bar = new QHBoxLayout(readOnlyBar);
    bar->addWidget(
        new QLabel(tr("This activity comes with the program, so it cannot be changed here.")), 1);
    auto* copy = new QPushButton(tr("Save a copy to change it"));
    copy->setObjectName("saveCopy");
    connect(copy, &QPushButton::clicked, this, &MakerWindow::save);
    bar->addWidget(copy);
    column->addWidget(readOnlyBar);
    column->addWidget(buildImportBar());
    column->addWidget(buildTranslationBar());
    emptyPage = new QLabel(
        tr("Click an activity on the left to open it, or make a new one with File, New."));
    emptyPage->setAlignment(Qt::AlignCenter);
    column->addWidget(emptyPage, 1);
    form = new FormHost(context);
    column->addWidget(form, 1);
    problems = new QListWidget;
    problems->setObjectName("problems");
    problems->setAccessibleName(tr("Problems: choose one to go to its field"));
    problems->setMaximumHeight(fontMetrics().lineSpacing() * 6);
    connect(problems, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        const auto& all = check.problems();
        const int row = problems->row(item);
        if (row < static_cast<int>(all.size())) form->reveal(all[row].field);
    });
    connect(problems, &QListWidget::itemClicked, problems, &QListWidget::itemActivated);
    column->addWidget(problems);
    split->addWidget(right);
    split->setStretchFactor(1, 3);
    split->setSizes({300, 800});
    setCentralWidget(split);

    buildMenus();
    connect(&session, &EditSession::opened, this, [this] {
        form->rebuild();
        check.runNow();
    });
    connect(&session, &EditSession::changed, this, [this] {
        form->refresh();
        showTitle();
    });
    connect(&check, &ProblemCheck::checked, this, &MakerWindow::showProblems);
    connect(&session.undoStack(), &QUndoStack::cleanChanged, this, &MakerWindow::showTitle);
    showTitle();
    // Never larger than the screen: at a large desktop scale it has less room than this.
    const QSize wanted(1100, 760);
    resize(screen() ? wanted.boundedTo(screen()->availableGeometry().size()) : wanted);
    qApp->installEventFilter(this);
}

bool MakerWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride || !watched->isWidgetType() ||
        static_cast<QWidget*>(watched)->window() != this)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const QKeySequence pressed(key->keyCombination());
    return key->matches(QKeySequence::Undo) || redoKeys().contains(pressed);
}

QWidget* MakerWindow::buildImportBar() {
    return importBar = buildBar("importBar", importWhere,
                                {{tr("Install it"), "installImport", [this] { share.install(); }},
                                 {tr("Don't install"), "leaveImport", [this] { share.leave(); }}});
}

// A bar above the form: what it says, wrapped, then its buttons.
QWidget* MakerWindow::buildBar(const char* name, QLabel*& said, std::vector<BarButton> buttons) {
    auto* widget = new QWidget;
    widget->setObjectName(name);
    auto* bar = new QHBoxLayout(widget);
    said = new QLabel;
    said->setWordWrap(true);
    bar->addWidget(said, 1);
    for (BarButton& b : buttons) {
        auto* button = new QPushButton(b.caption);
        button->setObjectName(b.name);
        connect(button, &QPushButton::clicked, this, std::move(b.clicked));
        bar->addWidget(button);
    }
    return widget;
}

bool MakerWindow::openPath(const QString& path) {
    if (path.endsWith(sharing::kSuffix, Qt::CaseInsensitive)) return share.import(path);
    if (!openFile(path)) return false;
    // Sent here by a grey topic, she is taken to its first problem's field.
    if (!check.problems().empty()) {
        problems->setCurrentRow(0);
        form->reveal(check.problems().front().field);
    }
    return true;
}

void MakerWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addAction(tr("&New…"), QKeySequence::New, this, qOverload<>(&MakerWindow::newActivity));
    file->addAction(tr("&Open…"), QKeySequence::Open, this, [this] {
        const QString path = dialogs->openFile(this, LibraryLink::ownFolder());
        if (!path.isEmpty()) openFile(path);
    });
    QMenu* recentMenu = file->addMenu(tr("Open &Recent"));
    connect(recentMenu, &QMenu::aboutToShow, this, [this, recentMenu] {
        recentMenu->clear();
        // Her copy and the program's file of the same name look alike but for this.
        for (const QString& path : files.recent.list())
            recentMenu->addAction(
                (LibraryLink::comesWithProgram(path) ? tr("%1 (comes with the program)")
                                                     : tr("%1 (yours)"))
                    .arg(QFileInfo(path).fileName()),
                this, [this, path] { openFile(path); });
        recentMenu->setEnabled(!recentMenu->isEmpty());
    });
    file->addAction(tr("&Save"), QKeySequence::Save, this, &MakerWindow::save);
    file->addAction(tr("Save &As…"), QKeySequence::SaveAs, this, &MakerWindow::saveAs);
    file->addSeparator();
    QAction* exportAction =
        file->addAction(tr("&Export…"), this, [this] { share.exportActivity(); });
    exportAction->setObjectName("exportActivity");
    // Greyed, it says why, in its tooltip and in the status bar while the menu is open.
    file->setToolTipsVisible(true);
    const auto exportable = [this, exportAction] {
        const QString why = share.whyNoExport();
        exportAction->setEnabled(why.isEmpty());
        exportAction->setToolTip(
            why.isEmpty() ? tr("Send this activity to another teacher as one file") : why);
        exportAction->setStatusTip(exportAction->toolTip());
    };
    connect(file, &QMenu::aboutToShow, this, [this, exportAction] {
        if (!exportAction->isEnabled()) statusBar()->showMessage(exportAction->toolTip());
    });
    connect(file, &QMenu::aboutToHide, statusBar(), &QStatusBar::clearMessage);
    exportable();
    connect(&check, &ProblemCheck::checked, exportAction, exportable);
    connect(&session, &EditSession::changed, exportAction, exportable);
    connect(&session.undoStack(), &QUndoStack::cleanChanged, exportAction, exportable);
    file->addAction(tr("&Import…"), this, [this] { share.import(); })
        ->setObjectName("importActivity");
    file->addSeparator();
    file->addAction(tr("&Print…"), QKeySequence::Print, this, [this] { printing.print(); })
        ->setObjectName("printSheets");
    file->addAction(tr("Export as P&DF…"), this, [this] { printing.exportPdf(); })
        ->setObjectName("exportSheets");
    file->addSeparator();
    file->addAction(tr("&Close"), QKeySequence::Close, this, &MakerWindow::closeActivity);
    file->addAction(tr("&Quit"), QKeySequence::Quit, this, &QWidget::close);

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    QAction* undo = session.undoStack().createUndoAction(this, tr("&Undo"));
    undo->setObjectName("undo");
    undo->setShortcuts(QKeySequence::Undo);
    QAction* redo = session.undoStack().createRedoAction(this, tr("&Redo"));
    redo->setShortcuts(redoKeys());
    edit->addAction(undo);
    edit->addAction(redo);

    QMenu* activity = menuBar()->addMenu(tr("&Activity"));
    QAction* tryAction = activity->addAction(tr("&Try it"), this, &MakerWindow::tryIt);
    tryAction->setShortcut(Qt::Key_F5);
    tryAction->setObjectName("tryIt");
    QToolBar* tools = addToolBar(tr("Activity"));
    tools->setObjectName("tools");
    tools->addAction(tryAction);
    QMenu* languages = buildLanguageMenu();
    activity->addMenu(languages);
    // Greyed, it says why.
    activity->setToolTipsVisible(true);
    connect(activity, &QMenu::aboutToShow, this, [this, languages] {
        const QString why = share.pending() ? tr("Install the shared activity to translate it.")
                                            : files.whyNoTranslation();
        languages->menuAction()->setEnabled(why.isEmpty());
        languages->menuAction()->setToolTip(
            why.isEmpty() ? tr("Translate the activity: each text beside its own") : why);
    });
}

QMenu* MakerWindow::buildLanguageMenu() {
    auto* menu = new QMenu(tr("&Language"), this);
    menu->setObjectName("language");
    // Built as it opens: the translations beside the activity may have changed.
    connect(menu, &QMenu::aboutToShow, this, [this, menu] {
        menu->clear();
        auto* group = new QActionGroup(menu);
        const auto add = [&](const QString& caption, const QString& code) {
            QAction* a = menu->addAction(caption, this, [this, code] {
                const QString chosen =
                    code == kAnotherLanguage ? dialogs->chooseLanguage(this) : code;
                if (code != kAnotherLanguage || !chosen.isEmpty()) files.translate(chosen);
            });
            a->setData(code);
            a->setCheckable(code != kAnotherLanguage);
            a->setChecked(code == session.language());
            group->addAction(a);
        };
        add(tr("The activity's own words"), QString());
        for (const QString& code : languagesBeside()) add(languageName(code), code);
        menu->addSeparator();
        add(tr("Another language…"), kAnotherLanguage);
    });
    return menu;
}

QStringList MakerWindow::languagesBeside() const {
    // Welsh always, and every language the activity has a translation into already.
    QStringList codes{"cy"};
    const QFileInfo activity(session.path());
    if (!session.path().isEmpty())
        for (const QFileInfo& f : activity.dir().entryInfoList({"*.toml"}, QDir::Files)) {
            const QString code = activityfiles::translationLanguage(f.fileName());
            if (!code.isEmpty() && activityfiles::translationFileName(activity.fileName(), code)
                                           .compare(f.fileName(), Qt::CaseInsensitive) == 0)
                codes << code;
        }
    if (session.translating()) codes << session.language();
    codes.removeDuplicates();
    return codes;
}

QWidget* MakerWindow::buildTranslationBar() {
    return translationBar = buildBar(
               "translationBar", translationSaid,
               {{tr("Back to its own words"), "ownWords", [this] { files.translate({}); }}});
}

void MakerWindow::showTitle() {
    const bool open = session.isOpen();
    readOnlyBar->setVisible(open && session.readOnly() && !share.pending());
    importBar->setVisible(share.pending());
    importWhere->setText(tr("A shared activity, shown as it will look: nothing is in your "
                            "activities until you install it. It will appear %1.")
                             .arg(share.whereItAppears()));
    translationBar->setVisible(open && session.translating());
    if (session.translating())
        translationSaid->setText(
            tr("You are translating the activity into %1: each text shows the activity's own "
               "words above it. A text left empty stays in its own words.")
                .arg(languageName(session.language())));
    emptyPage->setVisible(!open);
    form->setVisible(open);
    problems->setVisible(open);
    QString title = open ? session.displayName() + "[*]" : QString();
    if (session.translating())
        //: The activity's file name and the language of the translation edited
        title = tr("%1 in %2").arg(title, languageName(session.language()));
    if (share.pending())
        title = tr("%1 (shared, not installed)").arg(title);
    else if (open && session.readOnly())
        title = tr("%1 (read-only)").arg(title);
    setWindowTitle(open ? tr("%1 – Brindlemark Activity Maker").arg(title)
                        : tr("Brindlemark Activity Maker"));
    setWindowModified(session.isModified());
}

void MakerWindow::showProblems() {
    form->showProblems();
    problems->clear();
    // In the form's words: she need never open the file.
    for (const FieldProblem& p : check.problems()) problems->addItem(p.message);
    if (check.problems().empty() && session.isOpen())
        problems->addItem(tr("No problems: the activity is ready for its menu."));
}

bool MakerWindow::tryIt() {
    if (!session.isOpen()) return false;
    check.runNow();
    if (!check.playable() ||
        !tryOut.start(*check.verdict().catalogue, check.verdict().entry, [this] {
            raise();
            activateWindow();
        })) {
        QString why;
        for (const FieldProblem& p : check.problems()) why += "\n" + p.message;
        dialogs->tell(this, tr("The activity cannot be tried until these are mended:%1").arg(why));
        return false;
    }
    return true;
}

void MakerWindow::closeEvent(QCloseEvent* event) {
    if (files.keepWork())
        event->accept();
    else
        event->ignore();
}

}  // namespace maker
