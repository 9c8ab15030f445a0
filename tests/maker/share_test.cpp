// Sharing through the Maker's window: exported on one account and imported on another, an
// activity is the same and enabled in its menu; nothing of hers is written before she says
// so, nor when she says no, nor when the file is refused.
#include <QLabel>
#include <QPushButton>

#include "tests/maker/makertest.h"
#include "tests/support/files.h"
#include "ui/files.h"

using namespace maker;

class MakerShareTest : public MakerTest {
  protected:
    void install() { field<QPushButton>("installImport")->click(); }

    QTemporaryDir outbox, other;
    const QString otherFolder = other.path() + "/brindlemark/activities";
};

TEST_F(MakerShareTest, ExportedThenImportedOnAnotherAccountItIsTheSameAndInItsMenu) {
    // Her own Organs, with a title of hers, exported.
    QByteArray mine = fileBytes(QString(BRINDLEMARK_RUN_DIR) + "/activities/organs.toml");
    mine.replace("title = \"Organs\"", "title = \"Our organs\"");
    ASSERT_TRUE(writeFile(ownFolder() + "/organs.toml", mine));
    ASSERT_TRUE(window->openFile(ownFolder() + "/organs.toml"));
    EXPECT_TRUE(judged().empty());
    dialogs->folder = outbox.path();
    window->findChild<QAction*>("exportActivity")->trigger();
    const QString shared = outbox.filePath("organs.brindlemark");
    const Document original = window->session.document();
    ASSERT_TRUE(window->openPath(shared));  // where it came from: her file would be replaced
    dialogs->confirmAnswer = false;
    install();
    EXPECT_TRUE(dialogs->asked.last().contains("in your activities already: organs.toml"));
    EXPECT_EQ(QDir(ownFolder()).entryList(QDir::Files), QStringList{"organs.toml"});
    EXPECT_EQ(fileBytes(ownFolder() + "/organs.toml"), mine);

    // Another account: its data folder is empty.
    qputenv("XDG_DATA_HOME", other.path().toUtf8());
    ui::reloadDataFolders();
    window->library.refresh();
    const QString bad = outbox.filePath("notes.brindlemark");
    ASSERT_TRUE(writeFile(bad, "just some words"));
    EXPECT_FALSE(window->openPath(bad));
    EXPECT_EQ(dialogs->told.last(),
              "notes.brindlemark cannot be imported.\nThe file is not a shared activity: it is "
              "not a zip archive.\nNothing was written.");
    dialogs->package = shared;
    window->findChild<QAction*>("importActivity")->trigger();
    ASSERT_TRUE(window->share.pending()) << dialogs->told.join('\n').toStdString();
    EXPECT_TRUE(window->importBar->isVisible() && window->session.readOnly());
    EXPECT_EQ(window->session.document(), original);
    EXPECT_EQ(unnamedOrAlike(), QStringList());
    ASSERT_TRUE(window->tryIt());
    ui::forms().find(TryOut::kScreen)->onCloseRequested();
    install();  // in place of the program's Organs: asked, and no
    EXPECT_TRUE(dialogs->asked.last().contains("takes the place of \"Organs\" in Menu 1"));
    EXPECT_EQ(window->importWhere->text(),
              "A shared activity, shown as it will look: nothing is in your activities until you "
              "install it. It will appear in Menu 1 as \"Organs\", in place of Organs, which "
              "comes with the program.");
    field<QPushButton>("leaveImport")->click();
    EXPECT_FALSE(window->session.isOpen());
    EXPECT_FALSE(QFileInfo::exists(otherFolder));

    // A picture of hers by the name of theirs: she keeps hers, and theirs comes in renamed.
    ASSERT_TRUE(writeFile(otherFolder + "/Organs.jpg", "her own photo"));
    ASSERT_TRUE(window->openPath(shared));
    dialogs->confirmAnswer = true;
    dialogs->noTo = "picture of the same name";
    install();
    EXPECT_TRUE(dialogs->asked.contains(
        "The shared activity brings a picture of the same name. You have a picture called "
        "Organs.jpg already.\nReplace yours with theirs? (No keeps yours, and theirs is "
        "installed under another name.)"));
    EXPECT_EQ(window->session.path(), otherFolder + "/organs.toml");
    EXPECT_TRUE(
        dialogs->told.last().contains("It appears in Menu 1 as \"Organs\", in place of "
                                      "Organs, which comes with the program."));
    EXPECT_EQ(fileBytes(otherFolder + "/Organs.jpg"), "her own photo");
    EXPECT_EQ(fileBytes(otherFolder + "/organs-2.jpg"),
              fileBytes(QString(BRINDLEMARK_RUN_DIR) + "/Images/organs.jpg"));
    EXPECT_EQ(window->session.document().picture, "organs-2.jpg");
    EXPECT_EQ(opens(1, "Organs"), "Our organs");
}

// Print… and Export as PDF… of a half-made activity say what to mend, and show no dialog.
TEST_F(MakerShareTest, SheetsOfAHalfMadeActivitySayWhatToMend) {
    ASSERT_TRUE(window->newActivity(Kind::Sorting));
    for (const char* action : {"printSheets", "exportSheets"}) {
        window->findChild<QAction*>(action)->trigger();
        ASSERT_FALSE(dialogs->told.isEmpty());
        EXPECT_TRUE(dialogs->told.last().contains(" until these are mended:\n")) << action;
    }
}
