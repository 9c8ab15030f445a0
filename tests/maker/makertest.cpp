#include "tests/maker/makertest.h"

#include <QApplication>
#include <QSettings>
#include <QTest>

#include "menus/menupage.h"
#include "ui/files.h"

void MakerTest::SetUp() {
    ScreenTest::SetUp();
    dataHome_ = qgetenv("XDG_DATA_HOME");
    configHome_ = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_DATA_HOME", (home_.path() + "/data").toUtf8());
    qputenv("XDG_CONFIG_HOME", (home_.path() + "/config").toUtf8());
    ui::reloadDataFolders();
    // The settings' folder is read once in a process: each test gets its own again.
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home_.path() + "/config");
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
