// Our Activities: the main screen's entry only when a teacher has topics of her own, five at
// a time, a topic greyed by its file that says why, her file in a shipped file's place, and a
// file changed while the program runs.
#include <QDir>
#include <QFile>
#include <QTest>

#include "app/checkcommand.h"
#include "app/mainscreen.h"
#include "menus/problemmessage.h"
#include "menus/topicmenu.h"
#include "tests/support/files.h"
#include "tests/support/mouse.h"
#include "tests/support/screentest.h"
#include "ui/files.h"

using namespace ui;

namespace {

QByteArray trueFalse(const QString& topic, const char* truth = "true") {
    return QString(
               "topic = \"%1\"\nkind = \"truefalse\"\n[[statement]]\ntext = \"Sound\"\ntrue = %2\n")
        .arg(topic, truth)
        .toUtf8();
}

class OurActivitiesTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        useCopyOfRunFolder();
    }
    static void write(const QString& name, const QByteArray& text) {
        writeFile("activities/" + name, text);
    }
    TopicMenu& openOurs() {
        forms().unload<OurActivitiesMenu>();
        MainScreen& main = forms().show<MainScreen>();
        real::click(main.menuEntries(8));
        return forms().get<OurActivitiesMenu>();
    }
};

}  // namespace

TEST_F(OurActivitiesTest, ShownOnlyWithActivitiesFiveAtATime) {
    MainScreen& main = forms().show<MainScreen>();
    EXPECT_FALSE(main.menuEntries(8).Visible()) << "the shipped files all have their places";

    write("zebras.toml", trueFalse("Zebras"));
    forms().show<MainScreen>();
    EXPECT_TRUE(main.menuEntries(8).Visible()) << "asked again each time the screen shows";
    EXPECT_GE(main.jotterButton.Top(), main.menuEntries(8).Top() + main.menuEntries(8).Height())
        << "below the entry, clear of it";
    TopicMenu& one = openOurs();
    EXPECT_EQ(one.title.Caption(), "Our Activities");
    EXPECT_EQ(one.topics(0).Caption(), "Zebras");
    EXPECT_FALSE(one.topics(1).Visible());
    EXPECT_FALSE(one.pageButtons(0).Visible());
    EXPECT_TRUE(one.tabs(6).Visible());
    real::click(one.topics(0));
    EXPECT_TRUE(forms().isLoaded("file:zebras.toml"));
    forms().unload(*forms().find("file:zebras.toml"));

    // Six: a second page of one.
    for (int i = 0; i < 5; ++i)
        write(QString("s%1.toml").arg(i), trueFalse(QString("Six %1").arg(i)));
    TopicMenu& six = openOurs();
    EXPECT_TRUE(six.pageButtons(1).Enabled());
    real::click(six.pageButtons(1));
    EXPECT_EQ(six.topics(0).Caption(), "Zebras");
    EXPECT_FALSE(six.topics(1).Visible());
    for (int i = 0; i < 5; ++i) QFile::remove(QString("activities/s%1.toml").arg(i));

    for (int i = 0; i < 199; ++i)
        write(QString("t%1.toml").arg(i, 3, 10, QChar('0')),
              trueFalse(QString("Topic %1").arg(i, 3, 10, QChar('0'))));
    TopicMenu& many = openOurs();
    EXPECT_FALSE(many.pageButtons(0).Enabled()) << "no five before the first";
    real::click(many.pageButtons(1));
    EXPECT_EQ(many.topics(0).Caption(), "Topic 005");
    for (int i = 0; i < 50; ++i) QTest::keyClick(many.window(), Qt::Key_PageDown);
    EXPECT_EQ(many.firstShown(), 195);
    EXPECT_EQ(many.topics(4).Caption(), "Zebras") << "sorted by topic";
    EXPECT_FALSE(many.pageButtons(1).Enabled());
    QTest::keyClick(many.window(), Qt::Key_PageUp);
    EXPECT_EQ(many.topics(0).Caption(), "Topic 190");
}

TEST_F(OurActivitiesTest, GreyTopicSaysWhyAndChangesShowAtTheNextOpening) {
    write("volcanoes.toml", trueFalse("Volcanoes", "\"yes\""));
    TopicMenu& ours = openOurs();
    Label& grey = ours.topics(0);
    EXPECT_EQ(grey.Caption(), "Volcanoes") << "her caption, greyed";
    EXPECT_EQ(grey.ForeColor(), colours::kGreyedText);
    // Greyed, it still takes the keys: the first stop, Enter asks why.
    QTest::keyClick(ours.window(), Qt::Key_Return);
    ASSERT_TRUE(forms().isLoaded<ProblemMessage>());
    ProblemMessage& message = forms().get<ProblemMessage>();
    EXPECT_EQ(message.where.Caption(),
              "The file volcanoes.toml in the folder below has a mistake:");
    EXPECT_EQ(message.folderPath.Caption(), QDir("activities").canonicalPath());
    EXPECT_EQ(message.message.Caption(),
              "Line 5 says true = \"yes\". Write true or false, without quotation marks.");
    EXPECT_TRUE(ours.greyHint.Visible());
    // "Open in the Activity Maker" starts the Maker on the file, apart from this program.
    real::click(message.openButton);
    EXPECT_EQ(fake->makerFiles,
              QStringList{QDir("activities").canonicalPath() + "/volcanoes.toml"});
    EXPECT_FALSE(forms().isLoaded<ProblemMessage>());

    write("volcanoes.toml", trueFalse("Volcanoes and Lava"));
    TopicMenu& again = openOurs();
    EXPECT_EQ(again.topics(0).Caption(), "Volcanoes and Lava");
    EXPECT_EQ(again.topics(0).ForeColor(), colours::kYellow);
    EXPECT_FALSE(again.greyHint.Visible());
}

// Her "Sound.toml" hides the shipped "sound.toml" whatever the case, and stands where Sound
// stood under her own topic; nothing else is taken, and --check finds nothing wrong.
TEST_F(OurActivitiesTest, HerFileTakesTheShippedPlaceWhateverTheCase) {
    struct Restore {  // the run's own user folder again afterwards, not the machine's
        const QByteArray was = qgetenv("XDG_DATA_HOME");
        ~Restore() {
            qputenv("XDG_DATA_HOME", was);
            reloadDataFolders();
        }
    } restore;
    // Her user folder is the working folder, so her files lie in brindlemark/activities.
    qputenv("XDG_DATA_HOME", QDir::currentPath().toUtf8());
    reloadDataFolders();
    QDir().mkpath("brindlemark/activities");
    write("../brindlemark/activities/Sound.toml", trueFalse("Magnets true or false"));
    auto& menu5 = dynamic_cast<TopicMenu&>(*forms().show("menu5"));
    EXPECT_EQ(menu5.topics(1).Caption(), "Magnets true or false");
    real::click(menu5.topics(1));
    EXPECT_TRUE(forms().isLoaded("file:Sound.toml"));
    testing::internal::CaptureStdout();
    EXPECT_EQ(runCheck({}), 0);
    EXPECT_TRUE(QString::fromStdString(testing::internal::GetCapturedStdout())
                    .endsWith("word lists: no problems.\n"));
}
