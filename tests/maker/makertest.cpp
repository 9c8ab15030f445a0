#include "tests/maker/makertest.h"

#include <QAccessible>
#include <QApplication>
#include <QDirIterator>
#include <QTest>
#include <functional>
#include <map>

#include "app/checkcommand.h"
#include "maker/tomlwriter.h"
#include "menus/menupage.h"
#include "tests/support/files.h"
#include "ui/files.h"

void MakerTest::SetUp() {
    ScreenTest::SetUp();
    dataHome_ = qgetenv("XDG_DATA_HOME");
    configHome_ = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_DATA_HOME", (home_.path() + "/data").toUtf8());
    qputenv("XDG_CONFIG_HOME", (home_.path() + "/config").toUtf8());
    ui::reloadDataFolders();
    auto scripted = std::make_unique<ScriptedDialogs>();
    dialogs = scripted.get();
    window = std::make_unique<maker::MakerWindow>(std::move(scripted));
    window->show();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
}

void MakerTest::TearDown() {
    window.reset();
    qputenv("XDG_DATA_HOME", dataHome_);
    qputenv("XDG_CONFIG_HOME", configHome_);
    ui::reloadDataFolders();
    ScreenTest::TearDown();
}

QString MakerTest::opens(int menu, const QString& caption) {
    const menus::MenuPage page = menus::menuPage(menu, 0);
    QStringList titles;
    for (int i = 0; i < page.shown; ++i) {
        if (page.slots[i].caption != caption) continue;
        const ui::Form* screen = ui::forms().get(page.slots[i].screen);
        titles << (screen ? screen->Caption() : "greyed");
    }
    return titles.join('\n');
}

const std::vector<maker::FieldProblem>& MakerTest::judged() {
    window->check.runNow();
    // Her draft as a file of its name, beside the pictures it names, outside her folders.
    const maker::Document& d = window->session.document();
    const QString name = QFileInfo(window->session.path()).fileName();
    const QString path = drafts_.filePath(name.isEmpty() ? "draft.toml" : name);
    writeFile(path, maker::writeActivity(d).text);
    QStringList pictures{d.picture};
    for (const maker::Question& q : d.questions) pictures << q.picture;
    for (const QString& p : pictures)
        QFile::copy(QDir(window->check.folder()).filePath(p), drafts_.filePath(p));
    testing::internal::CaptureStdout();
    runCheck({path});
    QStringList check = QString::fromStdString(testing::internal::GetCapturedStdout())
                            .remove(path + ':')
                            .split('\n', Qt::SkipEmptyParts);
    check.removeLast();  // the summary
    QStringList maker;
    for (const maker::FieldProblem& p : window->check.problems())
        maker << QString("%1:%2: %3")
                     .arg(p.found.at.line)
                     .arg(p.found.at.column)
                     .arg(p.found.message);
    EXPECT_EQ(maker, check);
    QDir(drafts_.path()).removeRecursively();
    QDir().mkpath(drafts_.path());
    return window->check.problems();
}

QStringList MakerTest::filesWritten() const {
    QStringList files;
    for (QDirIterator it(home_.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
         it.hasNext();)
        files << QDir(home_.path()).relativeFilePath(it.next());
    files.sort();
    return files;
}

QStringList MakerTest::unnamedOrAlike() const {
    QStringList faults;
    std::map<QString, int> names;
    std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
        for (int i = 0; i < node->childCount(); ++i) {
            QAccessibleInterface* child = node->child(i);
            if (!child) continue;
            const auto* w = qobject_cast<QWidget*>(child->object());
            if (w && child->state().focusable && w->isVisible()) {
                const QString name = child->text(QAccessible::Name).trimmed();
                const QString what = QString("%1 %2 \"%3\"")
                                         .arg(w->metaObject()->className(), w->objectName(), name);
                if (name.isEmpty() || ++names[name] > 1) faults << what;
            }
            walk(child);
        }
    };
    walk(QAccessible::queryAccessibleInterface(window.get()));
    return faults;
}
