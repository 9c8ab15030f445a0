// The Maker through its widgets: each kind made from nothing with keys and clicks alone,
// tried on the pupils' screen and saved; undo; a save that fails; a shipped activity copied.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "app/activitymenus.h"
#include "maker/formhost.h"
#include "maker/labelcanvas.h"
#include "maker/labellingform.h"
#include "tests/maker/makertest.h"
#include "ui/formregistry.h"

using namespace maker;

namespace {

void type(QWidget* w, const QString& text) {
    QTest::keyClicks(w, text);
}

void click(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

}  // namespace

class MakerWindowTest : public MakerTest {
  protected:
    void startNew(Kind kind, const QString& title) {
        dialogs->kind = kind;
        QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier);
        ASSERT_TRUE(window->session.isOpen());
        type(field<QLineEdit>("title"), title);
        type(field<QLineEdit>("topic"), title);
    }

    // Try it shows the screen the menus would; its Exit brings the Maker back.
    void tryAndSave(const QString& fileName) {
        auto* tools = window->findChild<QToolBar*>("tools");
        click(tools->widgetForAction(window->findChild<QAction*>("tryIt")));
        ASSERT_TRUE(dialogs->told.isEmpty()) << dialogs->told.join('\n').toStdString();
        ui::Form* screen = ui::forms().find(TryOut::kScreen);
        ASSERT_TRUE(screen);
        screen->onCloseRequested();
        settle();
        EXPECT_FALSE(ui::forms().isLoaded(TryOut::kScreen));

        QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
        EXPECT_TRUE(dialogs->told.isEmpty()) << dialogs->told.join('\n').toStdString();
        const QString path = ownFolder() + '/' + fileName;
        ASSERT_EQ(window->session.path(), path);
        EXPECT_FALSE(window->isWindowModified());
        EXPECT_EQ(window->files.recent.list().value(0), path);
        QFile saved(path);
        ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
        const auto read = window->library.check(saved.readAll(), fileName, ownFolder());
        EXPECT_TRUE(read.problems.empty()) << read.problems.front().message.toStdString();
        EXPECT_TRUE(read.activity);
        // The pupils' program shows it in Our Activities, enabled.
        const menus::MenuPage ours = activityMenuPage(menus::kOurActivities, 0);
        const auto end = ours.slots.begin() + ours.shown;
        const auto entry = std::find_if(ours.slots.begin(), end, [&](const menus::Slot& s) {
            return s.caption == window->session.document().topic;
        });
        ASSERT_NE(entry, end);
        EXPECT_FALSE(entry->screen.isEmpty());
    }
};

TEST_F(MakerWindowTest, SortingFromNothing) {
    startNew(Kind::Sorting, "Materials");
    type(field<QLineEdit>("heading1"), "Metal");
    type(field<QLineEdit>("heading2"), "Wood");
    type(field<QLineEdit>("word1"), "Spoon");
    click(field<QPushButton>("add"));
    settle();
    EXPECT_TRUE(field<QLineEdit>("word2")->hasFocus());
    type(field<QLineEdit>("word2"), "Ruler");
    QTest::keyClick(field<QComboBox>("column2"), Qt::Key_Down);
    EXPECT_EQ(window->session.document().words[1].column, "Wood");
    tryAndSave("materials.toml");
}

TEST_F(MakerWindowTest, PassageFromNothing) {
    startNew(Kind::Passage, "Bees");
    type(field<QPlainTextEdit>("passage1"), "Bees carry [pollen] from [flower] to flower.");
    EXPECT_EQ(field<QLabel>("gaps1")->text(), "Gaps: pollen, flower");
    tryAndSave("bees.toml");
}

TEST_F(MakerWindowTest, QuestionsFromNothing) {
    startNew(Kind::Questions, "Magnets again");
    type(field<QLineEdit>("question1"), "Which metal does a magnet pull?");
    type(field<QLineEdit>("answer1_1"), "Copper");
    type(field<QLineEdit>("answer1_2"), "Iron");
    click(field<QRadioButton>("right1_2"));
    EXPECT_EQ(window->session.document().questions[0].right, 1);
    tryAndSave("magnets-again.toml");
}

TEST_F(MakerWindowTest, TrueFalseFromNothing) {
    startNew(Kind::TrueFalse, "Light");
    type(field<QLineEdit>("statement1"), "Light travels in straight lines.");
    click(field<QRadioButton>("false1"));
    click(field<QRadioButton>("true1"));
    EXPECT_TRUE(window->session.document().statements[0].isTrue);
    tryAndSave("light.toml");
}

TEST_F(MakerWindowTest, LabellingFromNothing) {
    startNew(Kind::Labelling, "Árvore e flor");
    dialogs->picture = QString(BRINDLEMARK_RUN_DIR) + "/Images/arm-muscles.jpg";
    click(field<QPushButton>("choosePicture"));
    ASSERT_TRUE(QFileInfo::exists(ownFolder() + "/arm-muscles.jpg"));
    auto* canvas = field<LabelCanvas>("labelCanvas");
    canvas->resize(794, 571);
    canvas->refresh();
    ASSERT_TRUE(canvas->hasPicture());
    for (const auto& [word, at] :
         {std::pair{"Biceps", QPointF(212, 100)}, {"Bone", QPointF(300, 269)}}) {
        QTest::mouseClick(canvas, Qt::LeftButton, {}, canvas->fromPicture(at).toPoint());
        type(canvas->wordEditor(), word);
        QTest::keyClick(canvas->wordEditor(), Qt::Key_Return);
    }
    const auto& labels = window->session.document().labels;
    ASSERT_EQ(labels.size(), 2u);
    EXPECT_EQ(labels[1].word, "Bone");
    // Boxes stand clear of each other, and Shift+arrow nudges by ten of the pupils' pixels.
    EXPECT_EQ(canvas->misplaced(), std::vector<bool>(2, false));
    EXPECT_EQ(canvas->selected(), 1);  // the label just made
    QTest::keyClick(canvas, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(canvas->selected(), 0);
    QTest::keyClick(canvas, Qt::Key_Tab);
    EXPECT_EQ(canvas->selected(), 1);
    const QPointF before = labels[1].at;
    QTest::keyClick(canvas, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_GT(window->session.document().labels[1].at.x(), before.x() + 5);
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(window->session.document().labels[1].at, before);
    tryAndSave("árvore-e-flor.toml");
}

TEST_F(MakerWindowTest, AClickLandsOnItsPicturePixelAtTwoScales) {
    startNew(Kind::Labelling, "Arm");
    dialogs->picture = QString(BRINDLEMARK_RUN_DIR) + "/Images/arm-muscles.jpg";
    click(field<QPushButton>("choosePicture"));
    auto* canvas = field<LabelCanvas>("labelCanvas");
    int made = 0;
    for (const double scale : {1.0, 1.75}) {
        canvas->setFixedSize(QSize(794, 571) * scale);
        canvas->refresh();
        const QPointF pixel(150, 77);
        QTest::mouseClick(canvas, Qt::LeftButton, {}, canvas->fromPicture(pixel).toPoint());
        QTest::keyClick(canvas->wordEditor(), Qt::Key_Escape);
        ASSERT_EQ(window->session.document().labels.size(), size_t(++made));
        const QPointF tip = *window->session.document().labels.back().lineTo;
        // Within the one screen pixel the click was rounded to.
        EXPECT_NEAR(tip.x(), pixel.x(), 0.5 / scale + 0.1) << scale;
        EXPECT_NEAR(tip.y(), pixel.y(), 0.5 / scale + 0.1) << scale;
        // A box dragged moves its point by as many picture pixels as the pointer went.
        const Label made1 = window->session.document().labels.back();
        const QPoint from = canvas->fromPicture(made1.at).toPoint(), by(40, 0);
        QTest::mousePress(canvas, Qt::LeftButton, {}, from);
        QMouseEvent move(QEvent::MouseMove, QPointF(from + by),
                         canvas->mapToGlobal(QPointF(from + by)), Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(canvas, &move);
        QTest::mouseRelease(canvas, Qt::LeftButton, {}, from + by);
        const Label moved = window->session.document().labels.back();
        EXPECT_NEAR(moved.at.x() - made1.at.x(),
                    canvas->toPicture(from + by).x() - canvas->toPicture(from).x(), 0.1);
        EXPECT_EQ(moved.lineTo, made1.lineTo);
        QTest::keyClick(canvas, Qt::Key_Delete);
        --made;
    }
}

TEST_F(MakerWindowTest, UndoRestoresAndTheTitleSaysModified) {
    startNew(Kind::TrueFalse, "Sound");
    EXPECT_TRUE(window->isWindowModified());
    EXPECT_TRUE(window->windowTitle().startsWith("Sound[*]"));
    // The keys reach the Maker's undo from the field she typed in.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(window->session.document().topic, "");
    EXPECT_EQ(window->session.document().title, "Sound");  // one field's typing undoes at once
    EXPECT_EQ(field<QLineEdit>("topic")->text(), "");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z,
                    Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(field<QLineEdit>("topic")->text(), "Sound");
    // Replacing or closing unsaved work asks first; Cancel keeps it.
    EXPECT_FALSE(window->newActivity(Kind::Sorting));
    EXPECT_FALSE(window->close());
    EXPECT_EQ(dialogs->asked, (QStringList{"Sound", "Sound"}));
    EXPECT_EQ(window->session.document().kind, Kind::TrueFalse);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(MakerWindowTest, ProblemsStandAtTheirFieldsAndTheListLeadsThere) {
    startNew(Kind::Questions, "Plants");
    type(field<QLineEdit>("question1"), "What do roots take in?");
    window->check.runNow();
    auto* answers = field<QLineEdit>("answer1_1");
    EXPECT_TRUE(answers->property("problem").toBool());
    EXPECT_FALSE(field<QLineEdit>("question1")->property("problem").toBool());
    auto* list = window->problems;
    ASSERT_GE(list->count(), 1);
    QListWidgetItem* item = list->item(0);
    EXPECT_TRUE(item->text().contains("\"answers\" must be a list"));
    Q_EMIT list->itemClicked(item);
    EXPECT_TRUE(answers->hasFocus() || field<QLineEdit>("answer1_2")->hasFocus());
}

TEST_F(MakerWindowTest, AFailedSaveKeepsTheWork) {
    QDir().mkpath(QFileInfo(ownFolder()).path());
    QFile blocker(ownFolder());  // a file where her folder should be
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    startNew(Kind::TrueFalse, "Forces");
    EXPECT_FALSE(window->save());
    ASSERT_EQ(dialogs->told.size(), 1);
    EXPECT_TRUE(dialogs->told[0].contains("Your work is still here"));
    EXPECT_TRUE(window->isWindowModified());
    EXPECT_EQ(window->session.document().title, "Forces");
}

TEST_F(MakerWindowTest, AShippedActivityOpensReadOnlyAndIsCopiedUnderItsName) {
    const QString shipped = QString(BRINDLEMARK_RUN_DIR) + "/activities/sound.toml";
    ASSERT_TRUE(window->openFile(shipped));
    EXPECT_TRUE(window->session.readOnly());
    EXPECT_TRUE(window->readOnlyBar->isVisible());
    EXPECT_FALSE(field<QLineEdit>("title")->isEnabled());
    click(field<QPushButton>("saveCopy"));
    EXPECT_EQ(window->session.path(), ownFolder() + "/sound.toml");
    EXPECT_FALSE(window->session.readOnly());
    EXPECT_TRUE(field<QLineEdit>("title")->isEnabled());
    // Her copy has the shipped one's meaning and comments.
    QFile a(shipped), b(window->session.path());
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    EXPECT_EQ(a.readAll(), b.readAll());
}

TEST_F(MakerWindowTest, PutInPlaceOfAShippedTopicItIsThatTopicInTheMenu) {
    startNew(Kind::TrueFalse, "Sound in water");
    auto* where = field<QComboBox>("where");
    where->setFocus();
    for (int i = 0; i < 5; ++i) QTest::keyClick(where, Qt::Key_Down);
    ASSERT_EQ(window->session.document().menu, 5);
    EXPECT_TRUE(where->hasFocus());
    settle();                             // the places of the menus passed over go
    click(field<QToolButton>("place2"));  // Sound, which comes with the program
    EXPECT_EQ(window->session.document().topic, "Sound");
    EXPECT_FALSE(field<QToolButton>("place4")->isEnabled());  // Scrambled Words is built in
    type(field<QLineEdit>("statement1"), "Sound travels through water.");
    ASSERT_TRUE(window->save());
    EXPECT_EQ(window->session.path(), ownFolder() + "/sound.toml");
    EXPECT_EQ(dialogs->asked.size(), 0);

    // The menu now opens her file, with her title.
    const menus::MenuSlots slots = activityMenuPage(5, 0).slots;
    EXPECT_EQ(slots[1].caption, "Sound");
    ASSERT_FALSE(slots[1].screen.isEmpty());
    ui::Form* screen = ui::forms().get(slots[1].screen);
    ASSERT_TRUE(screen);
    EXPECT_EQ(screen->Caption(), "Sound in water");
}

TEST_F(MakerWindowTest, SavingAsksBeforeLosingAnything) {
    // A hand-written file with a comment the Maker cannot keep: she is told before it goes.
    QDir().mkpath(ownFolder());
    QFile hand(ownFolder() + "/forces.toml");
    ASSERT_TRUE(hand.open(QIODevice::WriteOnly));
    hand.write(
        "# My forces\nmenu = 4\ntopic = \"Forces\"\nkind = \"truefalse\"\n\n"
        "[[statement]]\ntext = \"Pushes are forces.\" # check this\ntrue = true\n");
    hand.close();
    ASSERT_TRUE(window->openFile(hand.fileName()));
    EXPECT_FALSE(window->session.readOnly());
    type(field<QLineEdit>("statement1"), " Pulls too.");
    dialogs->confirmAnswer = false;
    EXPECT_FALSE(window->save());
    ASSERT_EQ(dialogs->asked.size(), 1);
    EXPECT_TRUE(dialogs->asked[0].contains("comments"));
    dialogs->confirmAnswer = true;
    EXPECT_TRUE(window->save());
    ASSERT_TRUE(hand.open(QIODevice::ReadOnly));
    EXPECT_TRUE(hand.readAll().startsWith("# My forces\nmenu = 4\n"));

    // A copy of a shipped activity over one she has already asks before replacing it.
    ASSERT_TRUE(window->openFile(QString(BRINDLEMARK_RUN_DIR) + "/activities/forces.toml"));
    EXPECT_TRUE(window->session.readOnly());
    dialogs->confirmAnswer = false;
    EXPECT_FALSE(window->save());
    EXPECT_TRUE(dialogs->asked.last().contains("Replace it?"));
    EXPECT_TRUE(window->session.readOnly());
}

TEST_F(MakerWindowTest, SpokenAsIsAnEditLikeAnyOtherAndIsSaved) {
    startNew(Kind::TrueFalse, "Water");
    type(field<QLineEdit>("statement1"), "H2O is water.");
    type(field<QLineEdit>("say1"), "H two O is water.");
    window->session.undoStack().undo();
    EXPECT_TRUE(field<QLineEdit>("say1")->text().isEmpty());
    window->session.undoStack().redo();
    ASSERT_TRUE(window->save());
    ASSERT_TRUE(window->openFile(window->session.path()));
    EXPECT_EQ(field<QLineEdit>("say1")->text(), "H two O is water.");

    // A label's is the one of the label chosen on the picture.
    QFile::copy(QString(BRINDLEMARK_RUN_DIR) + "/activities/organs.toml", ownFolder() + "/o.toml");
    ASSERT_TRUE(window->openFile(ownFolder() + "/o.toml"));
    auto* canvas = window->findChild<LabelCanvas*>();
    canvas->select(1);
    type(field<QLineEdit>("labelSay"), "the heart");
    EXPECT_EQ(window->session.document().labels[1].say, "the heart");
    canvas->select(0);
    EXPECT_TRUE(field<QLineEdit>("labelSay")->text().isEmpty());
}
