// The Maker through its widgets: each kind made from nothing with keys and clicks alone,
// tried on the pupils' screen and saved; undo; a save that fails; a shipped activity copied;
// a translation edited beside its original.
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <set>

#include "activities/files/translation.h"
#include "activities/labelling/labellingscreen.h"
#include "app/pseudolanguage.h"
#include "maker/formhost.h"
#include "maker/labelcanvas.h"
#include "menus/menuslots.h"
#include "tests/maker/makertest.h"
#include "tests/support/files.h"

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
        EXPECT_TRUE(judged().empty());
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
        // The pupils' program shows it in Our Activities, enabled: the library found no problem.
        const Document& made = window->session.document();
        EXPECT_EQ(opens(menus::kOurActivities, made.topic), made.title);
    }
};

TEST_F(MakerWindowTest, EachKindFromNothing) {
    startNew(Kind::Sorting, "Materials");
    type(field<QLineEdit>("word1"), "Spoon");
    click(field<QPushButton>("add"));
    settle();
    EXPECT_TRUE(field<QLineEdit>("word2")->hasFocus());
    type(field<QLineEdit>("word2"), "Ruler");
    // A column chosen before the headings are typed is kept: columns go by place.
    QTest::keyClick(field<QComboBox>("column2"), Qt::Key_Down);
    EXPECT_EQ(field<QComboBox>("column2")->currentText(), "Column 2");
    type(field<QLineEdit>("heading1"), "Metal");
    type(field<QLineEdit>("heading2"), "Wood");
    EXPECT_EQ(field<QComboBox>("column2")->currentText(), "Wood");
    EXPECT_EQ(window->session.document().words[0].column, 0);
    tryAndSave("materials.toml");
    EXPECT_TRUE(fileBytes(window->session.path()).contains("text = \"Ruler\"\ncolumn = \"Wood\""));

    startNew(Kind::Passage, "Bees");
    type(field<QPlainTextEdit>("passage1"), "Bees carry [pollen] from [flower] to flower.");
    EXPECT_EQ(field<QLabel>("gaps1")->text(), "Gaps: pollen, flower");
    tryAndSave("bees.toml");

    startNew(Kind::Questions, "Magnets again");
    type(field<QLineEdit>("question1"), "Which metal does a magnet pull?");
    type(field<QLineEdit>("answer1_1"), "Copper");
    type(field<QLineEdit>("answer1_2"), "Iron");
    click(field<QRadioButton>("right1_2"));
    EXPECT_EQ(window->session.document().questions[0].right, 1);
    // A screen reader's or a switch's press, through the accessibility interface.
    const auto press = [](QWidget* w) {
        QAccessibleActionInterface* actions =
            QAccessible::queryAccessibleInterface(w)->actionInterface();
        actions->doAction(actions->actionNames().value(0));
        QTest::qWait(200);  // a press may be an animated click
    };
    press(field<QRadioButton>("right1_1"));
    EXPECT_EQ(window->session.document().questions[0].right, 0);
    press(field<QRadioButton>("right1_2"));
    tryAndSave("magnets-again.toml");

    startNew(Kind::TrueFalse, "Light");
    type(field<QLineEdit>("statement1"), "Light travels in straight lines.");
    type(field<QLineEdit>("say1"), "Light goes straight.");
    press(field<QRadioButton>("false1"));
    EXPECT_FALSE(window->session.document().statements[0].isTrue);
    click(field<QRadioButton>("true1"));
    EXPECT_TRUE(window->session.document().statements[0].isTrue);
    tryAndSave("light.toml");
    ASSERT_TRUE(window->openFile(window->session.path()));
    EXPECT_EQ(field<QLineEdit>("say1")->text(), "Light goes straight.");
}

// Each label is placed at another scale: the click lands on its picture pixel, and a box
// dragged moves by as many picture pixels as the pointer went, its point staying.
TEST_F(MakerWindowTest, LabellingFromNothingAtTwoScales) {
    startNew(Kind::Labelling, "Árvore e flor");
    dialogs->picture = QString(BRINDLEMARK_RUN_DIR) + "/Images/arm-muscles.jpg";
    click(field<QPushButton>("choosePicture"));
    // Copied into her folder when she saves: an activity she abandons leaves nothing behind.
    EXPECT_EQ(filesWritten(), QStringList());
    auto* canvas = field<LabelCanvas>("labelCanvas");
    const std::vector<Label>& labels = window->session.document().labels;
    for (const auto& [word, pixel, scale] :
         {std::tuple{"Biceps", QPointF(212, 100), 1.0}, {"Bone", QPointF(300, 269), 1.75}}) {
        canvas->setFixedSize(QSize(794, 571) * scale);
        canvas->refresh();
        ASSERT_TRUE(canvas->hasPicture());
        QTest::mouseClick(canvas, Qt::LeftButton, {}, canvas->fromPicture(pixel).toPoint());
        type(canvas->wordEditor(), word);
        QTest::keyClick(canvas->wordEditor(), Qt::Key_Return);
        const Label made = labels.back();
        // Within the one screen pixel the click was rounded to.
        EXPECT_NEAR(made.lineTo->x(), pixel.x(), 0.5 / scale + 0.1) << scale;
        EXPECT_NEAR(made.lineTo->y(), pixel.y(), 0.5 / scale + 0.1) << scale;
        const QPoint from = canvas->fromPicture(made.at).toPoint(), by(40, 0);
        QTest::mousePress(canvas, Qt::LeftButton, {}, from);
        QMouseEvent move(QEvent::MouseMove, QPointF(from + by),
                         canvas->mapToGlobal(QPointF(from + by)), Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(canvas, &move);
        QTest::mouseRelease(canvas, Qt::LeftButton, {}, from + by);
        EXPECT_NEAR(labels.back().at.x() - made.at.x(),
                    canvas->toPicture(from + by).x() - canvas->toPicture(from).x(), 0.1);
        EXPECT_EQ(labels.back().lineTo, made.lineTo);
    }
    ASSERT_EQ(labels.size(), 2u);
    EXPECT_EQ(labels[1].word, "Bone");
    // Boxes stand clear of each other; Tab goes from label to label.
    EXPECT_EQ(canvas->misplaced(), std::vector<bool>(2, false));
    EXPECT_EQ(canvas->selected(), 1);  // the label just made
    QTest::keyClick(canvas, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(canvas->selected(), 0);
    QTest::keyClick(canvas, Qt::Key_Tab);
    EXPECT_EQ(canvas->selected(), 1);
    // Shift+arrow nudges by ten of the pupils' pixels; Delete takes it away; both undo.
    const Label chosen = labels[1];
    QTest::keyClick(canvas, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_GT(labels[1].at.x(), chosen.at.x() + 5);
    QTest::keyClick(canvas, Qt::Key_Delete);
    ASSERT_EQ(labels.size(), 1u);
    for (int i = 0; i < 2; ++i) QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    ASSERT_EQ(labels.size(), 2u);
    EXPECT_EQ(labels[1], chosen);
    // "Read aloud as" is that of the label chosen on the picture.
    canvas->select(1);
    type(field<QLineEdit>("labelSay"), "the bone");
    EXPECT_EQ(labels[1].say, "the bone");
    canvas->select(0);
    EXPECT_TRUE(field<QLineEdit>("labelSay")->text().isEmpty());
    EXPECT_EQ(unnamedOrAlike(), QStringList());
    tryAndSave("árvore-e-flor.toml");
    // Nothing written but the files the README names: hers and the Maker's one settings file.
    EXPECT_EQ(filesWritten(), (QStringList{"config/brindlemark/activity-maker.conf",
                                           "data/brindlemark/activities/arm-muscles.jpg",
                                           "data/brindlemark/activities/árvore-e-flor.toml"}));
}

namespace {

// The texts of a window that do not show whole: a label, a button or a group's title given
// less room than it asks for (a label that wraps takes what it is given).
QStringList clippedTexts(const QWidget& top) {
    QStringList clipped;
    for (const QWidget* w : top.findChildren<QWidget*>()) {
        const auto* label = qobject_cast<const QLabel*>(w);
        const auto* button = qobject_cast<const QAbstractButton*>(w);
        const auto* group = qobject_cast<const QGroupBox*>(w);
        const QString text = label    ? label->text()
                             : button ? button->text()
                             : group  ? group->title()
                                      : "";
        if (text.isEmpty() || !w->isVisibleTo(&top) || (label && label->wordWrap())) continue;
        const QSize wanted = group ? group->minimumSizeHint() : w->sizeHint();
        if (wanted.width() > w->width() || wanted.height() > w->height())
            clipped << QString("%1 \"%2\": wants %3x%4, has %5x%6")
                           .arg(w->objectName(), text)
                           .arg(wanted.width())
                           .arg(wanted.height())
                           .arg(w->width())
                           .arg(w->height());
    }
    // A form wider than the room it has, whose texts lie beyond a sideways scroll.
    for (const QScrollArea* area : top.findChildren<QScrollArea*>())
        if (area->isVisibleTo(&top) && area->horizontalScrollBar()->isVisibleTo(area))
            clipped << "the form scrolls sideways";
    return clipped;
}

// The clipped texts of the dialog that `open` shows, which is then closed unanswered.
QStringList clippedInDialog(const std::function<void()>& open) {
    QStringList clipped{"no dialog opened"};
    QTimer::singleShot(0, [&] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            clipped = clippedTexts(*dialog);
            dialog->close();
        }
    });
    open();
    return clipped;
}

// The forms known to need more than the 1100 pixels of the window in a language 40 % longer:
// rows of fields beside long captions, and the five places of a menu side by side.
const std::set<Kind> kScrollsSideways = {Kind::Labelling, Kind::Sorting, Kind::TrueFalse};
const QStringList sideways{"the form scrolls sideways"};

}  // namespace

// Every control a screen reader or switch reaches says what it is, apart from the others; and
// in a language whose texts are 40 % longer, each text of the window and its dialogs shows
// whole.
TEST_F(MakerWindowTest, EveryControlOfEachKindHasItsOwnNameAndRoomForItsText) {
    PseudoTranslator longer;
    QCoreApplication::installTranslator(&longer);
    auto scripted = std::make_unique<ScriptedDialogs>();
    dialogs = scripted.get();
    window = std::make_unique<MakerWindow>(std::move(scripted));
    window->resize(1100, 820);  // as the README shows it
    window->show();
    for (const Kind kind :
         {Kind::Labelling, Kind::Sorting, Kind::Passage, Kind::Questions, Kind::TrueFalse}) {
        dialogs->kind = kind;
        ASSERT_TRUE(window->newActivity(kind));
        if (auto* add = window->findChild<QPushButton*>("add")) click(add);
        settle();
        EXPECT_EQ(unnamedOrAlike(), QStringList()) << int(kind);
        EXPECT_EQ(clippedTexts(*window), kScrollsSideways.count(kind) ? sideways : QStringList())
            << int(kind);
        window->session.undoStack().setClean();
    }
    const std::unique_ptr<Dialogs> desktop = desktopDialogs();
    EXPECT_EQ(clippedInDialog([&] { desktop->chooseKind(window.get()); }), QStringList());
    EXPECT_EQ(clippedInDialog([&] { desktop->askUnsaved(window.get(), "Teeth"); }), QStringList());
    // A shipped topic, whose place in its menu is shown with the other four.
    ASSERT_TRUE(window->openFile(QString(BRINDLEMARK_RUN_DIR) + "/activities/separation.toml"));
    settle();
    EXPECT_EQ(clippedTexts(*window), sideways);
    EXPECT_EQ(clippedInDialog([&] { window->findChild<QAction*>("printSheets")->trigger(); }),
              QStringList());
    window.reset();
    QCoreApplication::removeTranslator(&longer);
}

TEST_F(MakerWindowTest, AFailedSaveKeepsTheWorkAndUndoRestoresIt) {
    ASSERT_TRUE(writeFile(ownFolder(), ""));  // a file where her folder should be
    startNew(Kind::TrueFalse, "Sound");
    type(field<QLineEdit>("say1"), "sownd");
    EXPECT_FALSE(window->save());
    ASSERT_EQ(dialogs->told.size(), 1);
    EXPECT_TRUE(dialogs->told[0].contains("Your work is still here"));
    EXPECT_TRUE(window->isWindowModified());
    EXPECT_TRUE(window->windowTitle().startsWith("Sound[*]"));
    const QAction* exportAction = window->findChild<QAction*>("exportActivity");
    EXPECT_FALSE(exportAction->isEnabled());  // greyed, it says why
    EXPECT_EQ(exportAction->toolTip(), "Save the activity first: what is sent is the saved file.");
    EXPECT_EQ(field<QAction>("undo")->text(), "&Undo");  // never a file's key
    // The keys reach the Maker's undo from the field she typed in; "Read aloud as" is an edit too.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(field<QLineEdit>("say1")->text(), "");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(window->session.document().topic, "");
    EXPECT_EQ(window->session.document().title, "Sound");  // one field's typing undoes at once
    EXPECT_EQ(field<QLineEdit>("topic")->text(), "");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Y, Qt::ControlModifier);  // the Guide's
    EXPECT_EQ(field<QLineEdit>("topic")->text(), "Sound");
    // Replacing or closing unsaved work asks first; Cancel keeps it.
    EXPECT_FALSE(window->newActivity(Kind::Sorting));
    EXPECT_FALSE(window->close());
    EXPECT_EQ(dialogs->asked, (QStringList{"Sound", "Sound"}));
    EXPECT_EQ(window->session.document().kind, Kind::TrueFalse);
    EXPECT_TRUE(window->isVisible());
}

// A blank field's problem stands at it alone until she fills it in, said in the form's words;
// the list leads there.
TEST_F(MakerWindowTest, ProblemsStandAtTheirFieldsAndTheListLeadsThere) {
    ASSERT_TRUE(window->newActivity(Kind::Questions));
    judged();
    const auto outlined = [this](std::initializer_list<const char*> names) {
        QStringList out;
        for (const char* name : names)
            if (field<QLineEdit>(name)->property("problem").toBool()) out << name;
        return out.join(' ');
    };
    const auto fields = {"topic", "question1", "answer1_1", "answer1_2"};
    EXPECT_EQ(outlined(fields), "topic question1 answer1_1");
    type(field<QLineEdit>("topic"), "Plants");
    type(field<QLineEdit>("question1"), "What do roots take in?");
    type(field<QLineEdit>("answer1_1"), "Water");
    judged();
    EXPECT_EQ(outlined(fields), "answer1_2");
    EXPECT_TRUE(field<QLineEdit>("say1")->toolTip().startsWith("How Read Aloud says it"))
        << "a field's help outlives the checks";
    auto* list = window->problems;
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(),
              "Question 1: type a second answer (each question needs 2 to 4).");
    Q_EMIT list->itemClicked(list->item(0));
    EXPECT_TRUE(field<QLineEdit>("answer1_2")->hasFocus());
}

// The Skeleton, laid out by hand, is copied whole; her copy with one label changed plays in
// Menu 1 in its place, laid out as it was.
TEST_F(MakerWindowTest, AShippedActivityOpensReadOnlyAndIsCopiedUnderItsName) {
    const QString shipped = QString(BRINDLEMARK_RUN_DIR) + "/activities/skeleton.toml";
    ASSERT_TRUE(window->openFile(shipped));
    EXPECT_TRUE(window->session.readOnly());
    EXPECT_TRUE(window->readOnlyBar->isVisible());
    EXPECT_FALSE(field<QLineEdit>("title")->isEnabled());
    EXPECT_TRUE(field<QLabel>("keptAsMade")->text().contains("where everything stands"));
    click(field<QPushButton>("saveCopy"));
    EXPECT_EQ(window->session.path(), ownFolder() + "/skeleton.toml");
    EXPECT_FALSE(window->session.readOnly());
    EXPECT_TRUE(field<QLineEdit>("title")->isEnabled());
    EXPECT_TRUE(field<QToolButton>("place2")->isEnabled()) << "The Skeleton's own place";
    // Her copy has the shipped one's comments; its meaning, layout included, the writer keeps.
    EXPECT_TRUE(fileBytes(window->session.path()).startsWith("# The Skeleton: eight bone"));
    window->session.edit({"word", 1}, [](Document& d) { d.labels[1].word = "Cranium"; });
    ASSERT_TRUE(window->save());
    EXPECT_EQ(opens(1, "The Skeleton"), "The Skeleton");
    const auto& board = dynamic_cast<const LabellingScreen&>(*ui::forms().find("boneslab"));
    EXPECT_EQ(board.words(1).Caption(), "Cranium");
    EXPECT_EQ(board.targets(1).Left(), 3720);
    // Copied again over the one she has, it asks before replacing hers.
    ASSERT_TRUE(window->openFile(shipped));
    dialogs->confirmAnswer = false;
    EXPECT_FALSE(window->save());
    EXPECT_TRUE(dialogs->asked.last().contains("Replace it?"));
    EXPECT_TRUE(window->session.readOnly());
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
    EXPECT_EQ(opens(5, "Sound"), "Sound in water");  // the menu opens her file, with her title
}

// A hand-written file with a comment the Maker cannot keep: she is told before it goes.
TEST_F(MakerWindowTest, SavingAsksBeforeDroppingAComment) {
    const QString hand = ownFolder() + "/forces.toml";
    ASSERT_TRUE(writeFile(hand,
                          "# My forces\nmenu = 4\ntopic = \"Forces\"\nkind = \"truefalse\"\n\n"
                          "[[statement]]\ntext = \"Pushes are forces.\" # check this\n"
                          "true = true\n"));
    ASSERT_TRUE(window->openFile(hand));
    EXPECT_FALSE(window->session.readOnly());
    type(field<QLineEdit>("statement1"), " Pulls too.");
    dialogs->confirmAnswer = false;
    EXPECT_FALSE(window->save());
    ASSERT_EQ(dialogs->asked.size(), 1);
    EXPECT_TRUE(dialogs->asked[0].contains("comments"));
    dialogs->confirmAnswer = true;
    EXPECT_TRUE(window->save());
    EXPECT_TRUE(fileBytes(hand).startsWith("# My forces\nmenu = 4\n"));
}

// Her activity in Welsh, begun by hand: each field shows its original above and takes its
// translation, and nothing but texts can change; two answers alike are a problem at the
// second; saving writes the translation's file alone, without the translation of a text the
// activity no longer has, and it reads back; Try plays the activity in Welsh.
TEST_F(MakerWindowTest, ATranslationIsEditedBesideItsOriginal) {
    const QString own = ownFolder() + "/light.toml";
    const QByteArray activity =
        "topic = \"Light\"\ntitle = \"Light\"\nkind = \"questions\"\n\n[[question]]\n"
        "text = \"What gives light?\"\nanswers = [\"The Sun\", \"The Moon\"]\nright = \"The "
        "Sun\"\n";
    ASSERT_TRUE(writeFile(own, activity));
    ASSERT_TRUE(writeFile(ownFolder() + "/light.cy.toml",
                          "\"Dark\" = \"Tywyll\"\n"
                          "\"Light\" = \"Golau\"\n"));
    ASSERT_TRUE(window->openFile(own));
    auto* languages = field<QMenu>("language");
    const auto choose = [languages](const QString& code) {
        Q_EMIT languages->aboutToShow();
        for (QAction* a : languages->actions())
            if (a->data() == code && !a->isSeparator()) a->trigger();
    };
    choose("cy");
    ASSERT_EQ(window->session.language(), "cy");
    EXPECT_TRUE(window->windowTitle().startsWith("light.toml[*] in Cymraeg"));
    EXPECT_TRUE(window->translationBar->isVisible());
    auto* title = field<QLineEdit>("title");
    EXPECT_EQ(title->text(), "Golau");
    EXPECT_EQ(title->parentWidget()->findChild<QLabel*>("original")->text(), "Light");
    EXPECT_EQ(field<QLineEdit>("question1")->text(), "");
    EXPECT_FALSE(field<QRadioButton>("right1_2")->isEnabled());
    EXPECT_FALSE(field<QPushButton>("add")->isEnabled());
    window->session.edit({}, [](Document& d) { appendEntry(d); });
    EXPECT_EQ(window->session.document().entryCount(), 1) << "a translation keeps the shape";
    type(field<QLineEdit>("question1"), "Beth sy'n rhoi golau?");
    type(field<QLineEdit>("answer1_1"), "Yr Haul");
    type(field<QLineEdit>("answer1_2"), "Yr Haul");
    window->check.runNow();
    EXPECT_TRUE(field<QLineEdit>("answer1_2")->property("problem").toBool());
    EXPECT_FALSE(field<QLineEdit>("answer1_1")->property("problem").toBool());
    EXPECT_EQ(window->problems->item(0)->text(),
              "Question 1: The Sun and The Moon would both read Yr Haul: give each its own "
              "translation.");
    field<QLineEdit>("answer1_2")->selectAll();
    type(field<QLineEdit>("answer1_2"), "Y Lleuad");

    ASSERT_TRUE(window->save());
    EXPECT_TRUE(dialogs->told.isEmpty()) << dialogs->told.join('\n').toStdString();
    EXPECT_EQ(fileBytes(own), activity);
    const activityfiles::Translation saved =
        activityfiles::readTranslation(fileBytes(ownFolder() + "/light.cy.toml"));
    QStringList pairs;
    for (const activityfiles::TextPair& p : saved.pairs) pairs << p.original + "=" + p.translated;
    EXPECT_EQ(pairs, (QStringList{"Light=Golau", "What gives light?=Beth sy'n rhoi golau?",
                                  "The Sun=Yr Haul", "The Moon=Y Lleuad"}));
    EXPECT_TRUE(window->tryIt());
    ui::Form* screen = ui::forms().find(TryOut::kScreen);
    ASSERT_TRUE(screen);
    EXPECT_EQ(screen->Caption(), "Golau");
    screen->onCloseRequested();
    settle();

    click(field<QPushButton>("ownWords"));
    EXPECT_EQ(field<QLineEdit>("title")->text(), "Light");
    choose("cy");
    EXPECT_EQ(field<QLineEdit>("answer1_2")->text(), "Y Lleuad");
}
