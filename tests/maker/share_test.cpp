// Sharing through the Maker's window: exported on one account and imported on another, an
// activity is the same and enabled in its menu; nothing of hers is written before she says
// so, nor when she says no, nor when the file is refused.
#include <QPushButton>

#include "app/activitymenus.h"
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
    // Her own Organs, with a title of hers, exported: the file written.
    QString exportOrgans() {
        QDir().mkpath(ownFolder());
        QByteArray text = contents(QString(BRINDLEMARK_RUN_DIR) + "/activities/organs.toml");
        QFile mine(ownFolder() + "/organs.toml");
        EXPECT_TRUE(mine.open(QIODevice::WriteOnly));
        mine.write(text.replace("title = \"Organs\"", "title = \"Our organs\""));
        mine.close();
        EXPECT_TRUE(window->openFile(mine.fileName()));
        window->check.runNow();
        dialogs->folder = outbox.path();
        window->findChild<QAction*>("exportActivity")->trigger();
        return outbox.filePath("organs.brindlemark");
    }
    // Another account: her data folder is empty.
    void becomeAnotherTeacher() {
        qputenv("XDG_DATA_HOME", other.path().toUtf8());
        ui::reloadDataFolders();
        window->library.refresh();
    }
    void install() { field<QPushButton>("installImport")->click(); }

    QTemporaryDir outbox, other;
    const QString otherFolder = other.path() + "/brindlemark/activities";
};

TEST_F(MakerShareTest, ExportedThenImportedOnAnotherAccountItIsTheSameAndInItsMenu) {
    const QString shared = exportOrgans();
    const Document original = window->session.document();
    becomeAnotherTeacher();
    dialogs->package = shared;
    window->findChild<QAction*>("importActivity")->trigger();
    ASSERT_TRUE(window->share.pending()) << dialogs->told.join('\n').toStdString();
    EXPECT_TRUE(window->importBar->isVisible() && window->session.readOnly());
    EXPECT_EQ(window->session.document(), original);
    ASSERT_TRUE(window->tryIt());
    ui::forms().find(TryOut::kScreen)->onCloseRequested();
    EXPECT_FALSE(QFileInfo::exists(otherFolder));

    install();  // in place of the program's Organs: asked, and yes
    ASSERT_EQ(dialogs->asked.size(), 1);
    EXPECT_TRUE(dialogs->asked[0].contains("takes the place of \"Organs\" in Menu 1"));
    EXPECT_EQ(window->session.path(), otherFolder + "/organs.toml");
    EXPECT_TRUE(dialogs->told.last().contains("It appears in Menu 1 as \"Organs\""));
    EXPECT_EQ(contents(otherFolder + "/organs.jpg"),
              contents(QString(BRINDLEMARK_RUN_DIR) + "/Images/organs.jpg"));
    const menus::Slot organs = activityMenuPage(1, 0).slots[0];
    ASSERT_EQ(organs.caption, "Organs");
    ASSERT_FALSE(organs.screen.isEmpty());
    EXPECT_EQ(ui::forms().get(organs.screen)->Caption(), "Our organs");
}

TEST_F(MakerShareTest, NoToAReplacementOrARefusedFileWritesNothing) {
    const QString shared = exportOrgans();
    const QByteArray mine = contents(ownFolder() + "/organs.toml");
    ASSERT_TRUE(window->openPath(shared));  // where it came from: her file would be replaced
    dialogs->confirmAnswer = false;
    install();
    EXPECT_TRUE(dialogs->asked.last().contains("in your activities already: organs.toml"));
    EXPECT_EQ(QDir(ownFolder()).entryList(QDir::Files), QStringList{"organs.toml"});
    EXPECT_EQ(contents(ownFolder() + "/organs.toml"), mine);

    becomeAnotherTeacher();
    ASSERT_TRUE(window->openPath(shared));  // a topic's place would be taken
    install();
    field<QPushButton>("leaveImport")->click();
    EXPECT_FALSE(window->session.isOpen());

    QFile bad(outbox.filePath("notes.brindlemark"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly) && bad.write("just some words") > 0);
    bad.close();
    EXPECT_FALSE(window->openPath(bad.fileName()));
    EXPECT_EQ(dialogs->told.last(),
              "notes.brindlemark cannot be imported.\nThe file is not a shared activity: it is "
              "not a zip archive.\nNothing was written.");
    EXPECT_FALSE(QFileInfo::exists(otherFolder));
}
