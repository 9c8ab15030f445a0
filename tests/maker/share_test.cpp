// Sharing through the Maker's window: an activity exported on one account and imported on
// another is the same and is enabled in its menu; nothing of hers is written before she says
// so, nor when she says no, nor when the file is refused.
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>

#include "activities/files/catalogue.h"
#include "tests/maker/makertest.h"
#include "ui/files.h"

using namespace maker;

namespace {

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class MakerShareTest : public MakerTest {
  protected:
    // Her own Organs, with a title of hers, exported to `outbox`: the file written.
    QString exportOrgans() {
        QDir().mkpath(ownFolder());
        QByteArray text = contents(QString(BRINDLEMARK_RUN_DIR) + "/activities/organs.toml");
        text.replace("title = \"Organs\"", "title = \"Our organs\"");
        QFile mine(ownFolder() + "/organs.toml");
        EXPECT_TRUE(mine.open(QIODevice::WriteOnly) && mine.write(text) == text.size());
        mine.close();
        EXPECT_TRUE(window->openFile(mine.fileName()));
        window->check.runNow();
        QAction* exportAction = window->findChild<QAction*>("exportActivity");
        EXPECT_TRUE(exportAction->isEnabled());
        dialogs->folder = outbox.path();
        exportAction->trigger();
        return outbox.filePath("organs.brindlemark");
    }

    // Another account on the same machine: her data folder is empty.
    void becomeAnotherTeacher() {
        qputenv("XDG_DATA_HOME", other.path().toUtf8());
        ui::reloadDataFolders();
        window->library.refresh();
        window->closeActivity();
    }
    QString otherFolder() const { return other.path() + "/brindlemark/activities"; }

    QTemporaryDir outbox, other;
};

TEST_F(MakerShareTest, ExportedThenImportedOnAnotherAccountItIsTheSameAndInItsMenu) {
    const QString shared = exportOrgans();
    ASSERT_TRUE(QFile::exists(shared)) << dialogs->told.join('\n').toStdString();
    const Document original = window->session.document();
    becomeAnotherTeacher();

    dialogs->package = shared;
    window->findChild<QAction*>("importActivity")->trigger();
    ASSERT_TRUE(window->share.pending()) << dialogs->told.join('\n').toStdString();
    EXPECT_TRUE(window->importBar->isVisible());
    EXPECT_TRUE(window->session.readOnly());
    EXPECT_EQ(window->session.document(), original);
    EXPECT_TRUE(window->share.whereItAppears().contains("Menu 1 as \"Organs\""));
    ASSERT_TRUE(window->tryIt());
    ui::forms().find(TryOut::kScreen)->onCloseRequested();
    settle();
    EXPECT_FALSE(QFileInfo::exists(otherFolder() + "/organs.toml"));

    // It takes the place of the program's Organs: she is asked, and says yes.
    QTest::mouseClick(field<QPushButton>("installImport"), Qt::LeftButton);
    ASSERT_EQ(dialogs->asked.size(), 1);
    EXPECT_TRUE(dialogs->asked[0].contains("takes the place of \"Organs\" in Menu 1"));
    EXPECT_FALSE(window->share.pending());
    EXPECT_EQ(window->session.path(), otherFolder() + "/organs.toml");
    EXPECT_FALSE(window->session.readOnly());
    EXPECT_EQ(window->session.document(), original);
    EXPECT_TRUE(dialogs->told.last().contains("It appears in Menu 1 as \"Organs\""));
    EXPECT_EQ(contents(otherFolder() + "/organs.jpg"),
              contents(QString(BRINDLEMARK_RUN_DIR) + "/Images/organs.jpg"));

    const menus::MenuSlots slots = activityfiles::menuSlots(1);
    const auto organs = std::find_if(slots.begin(), slots.end(),
                                     [](const menus::Slot& s) { return s.caption == "Organs"; });
    ASSERT_NE(organs, slots.end());
    ASSERT_FALSE(organs->screen.isEmpty());
    EXPECT_EQ(ui::forms().get(organs->screen)->Caption(), "Our organs");
}

TEST_F(MakerShareTest, NoToReplacingWritesNothing) {
    const QString shared = exportOrgans();
    const QByteArray mine = contents(ownFolder() + "/organs.toml");
    // Taken in again where it came from: her file of that name would be replaced.
    ASSERT_TRUE(window->openPath(shared));
    dialogs->confirmAnswer = false;
    EXPECT_FALSE(window->save());
    EXPECT_TRUE(dialogs->asked.last().contains("in your activities already: organs.toml"));
    EXPECT_TRUE(window->share.pending());
    EXPECT_EQ(QDir(ownFolder()).entryList(QDir::Files), QStringList{"organs.toml"});
    EXPECT_EQ(contents(ownFolder() + "/organs.toml"), mine);

    // Elsewhere, no to taking the program's topic's place writes nothing either.
    becomeAnotherTeacher();
    ASSERT_TRUE(window->openPath(shared));
    dialogs->asked.clear();
    QTest::mouseClick(field<QPushButton>("installImport"), Qt::LeftButton);
    EXPECT_EQ(dialogs->asked.size(), 1);
    EXPECT_FALSE(QFileInfo::exists(otherFolder()));
    // Leaving it closes it, unwritten.
    QTest::mouseClick(field<QPushButton>("leaveImport"), Qt::LeftButton);
    EXPECT_FALSE(window->session.isOpen());
    EXPECT_FALSE(window->importBar->isVisible());
    EXPECT_FALSE(QFileInfo::exists(otherFolder()));
}

TEST_F(MakerShareTest, ARefusedFileSaysWhyAndWritesNothing) {
    const QString bad = outbox.filePath("notes.brindlemark");
    QFile f(bad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write("just some words") > 0);
    f.close();
    EXPECT_FALSE(window->openPath(bad));
    ASSERT_EQ(dialogs->told.size(), 1);
    EXPECT_EQ(dialogs->told[0],
              "notes.brindlemark cannot be imported.\nThe file is not a shared activity: it is "
              "not a zip archive.\nNothing was written.");
    EXPECT_FALSE(window->session.isOpen());
    EXPECT_FALSE(window->share.pending());
    EXPECT_FALSE(QFileInfo::exists(ownFolder()));
    // Unsaved or with a problem, there is nothing to export.
    window->newActivity(Kind::TrueFalse);
    window->check.runNow();
    EXPECT_FALSE(window->findChild<QAction*>("exportActivity")->isEnabled());
}
