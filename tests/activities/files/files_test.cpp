// Activity files: each kind read right, each bad file named with its line, the slots rule,
// and each kind played to full marks by a pupil's pointer, laid out whole at both scales.
#include <QFile>
#include <QTest>

#include "activities/files/catalogue.h"
#include "activities/files/check.h"
#include "activities/files/filescreens.h"
#include "activities/labelling/healthylivingscreen.h"
#include "menus/topicmenu.h"
#include "tests/activities/labelling/labelling_helpers.h"
#include "tests/support/screentest.h"
#include "tests/support/touch.h"
#include "ui/twips.h"

using namespace activityfiles;
using namespace ui;

namespace {

const char* kLabelling = R"(menu = 3
topic = "The Water Cycle"
kind = "labelling"
picture = "flower.jpg"
[[label]]
word = "Petal"
at = [40, 60]
line_to = [60, 80]
[[label]]
word = "Stem"
at = [100, 180]
)";

const char* kSorting = R"(menu = 3
topic = "Solids, Liquids and Gases"
kind = "sorting"
columns = ["Solids", "Liquids", "Gases"]
[[word]]
text = "Ice"
column = "Solids"
[[word]]
text = "Wood"
column = "Solids"
[[word]]
text = "Milk"
column = "Liquids"
[[word]]
text = "Steam"
column = "Gases"
)";

const char* kPassage = R"(menu = 4
topic = "Rocks"
kind = "passage"
[[passage]]
option = "Soil"
text = "Soil is made of [rock] and [humus]."
[[passage]]
option = "Fossils"
text = "A [fossil] forms in [sedimentary] rock."
)";

const char* kQuestions = R"(menu = 4
topic = "Separation"
kind = "questions"
[[question]]
text = "Which way separates sand from water?"
picture = "flower.jpg"
answers = ["Sieving", "Filtering", "Evaporating"]
right = "Filtering"
)";

const char* kTrueFalse = R"(menu = 5
topic = "Sound"
kind = "truefalse"
[[statement]]
text = "Sound travels through solids."
true = false
)";

ReadResult read(const QString& text) {
    return readActivity(text.toUtf8(), "test.toml");
}

}  // namespace

TEST(ActivityReader, EachKindReadRight) {
    const Activity l = *read(kLabelling).activity;
    EXPECT_EQ(l.menu, 3);
    EXPECT_EQ(l.title, "The Water Cycle") << "the topic when there is no title";
    EXPECT_EQ(l.picture, "flower.jpg");
    ASSERT_EQ(l.labels.size(), 2u);
    EXPECT_EQ(l.labels[0].at, QPointF(40, 60));
    EXPECT_EQ(l.labels[0].lineTo, QPointF(60, 80));
    EXPECT_FALSE(l.labels[1].lineTo);

    const Activity s = *read(kSorting).activity;
    ASSERT_EQ(s.words.size(), 4u);
    EXPECT_EQ(s.columns, QStringList({"Solids", "Liquids", "Gases"}));
    EXPECT_EQ(s.words[3].column, 2);

    const Activity p = *read(kPassage).activity;
    ASSERT_EQ(p.passages.size(), 2u);
    EXPECT_EQ(p.passages[0].gaps, QStringList({"rock", "humus"}));
    EXPECT_EQ(p.passages[0].pieces, QStringList({"Soil is made of ", " and ", "."}));

    const Activity q = *read(kQuestions).activity;
    EXPECT_EQ(q.questions[0].right, 1);
    EXPECT_EQ(q.questions[0].picture, "flower.jpg");

    const Activity t = *read(kTrueFalse).activity;
    EXPECT_FALSE(t.statements[0].isTrue);
    EXPECT_FALSE(t.instruction.isEmpty()) << "the engine's own instruction";
}

TEST(ActivityReader, BadFilesNameTheirLineAndColumn) {
    QString manyWords =
        "menu = 1\ntopic = \"Organs\"\nkind = \"sorting\"\ncolumns = [\"A\", \"B\"]\n";
    for (int i = 0; i < 41; ++i)
        manyWords += QString("[[word]]\ntext = \"w%1\"\ncolumn = \"A\"\n").arg(i);
    struct Case {
        QString text;
        int line, column;
        const char* message;
    };
    const Case cases[] = {
        {"menu = 3\ntopic = \"Rocks\n", 2, 15, "while parsing string"},
        {"menu = 3\n[[[label]]\n", 2, 3, "expected bare key"},
        {"menu = 3\n[[\u00e9t\u00e9]]\n", 2, 3, "\u00e9"},  // a letter the parser is kept from
        {"menu = 3\ntopic = \"Rocks\"\nkind = \"quiz\"\n", 3, 1, "unknown kind \"quiz\""},
        {"menu = 3\nkind = \"truefalse\"\n[[statement]]\ntext = \"x\"\ntrue = true\n", 1, 1,
         "missing field \"topic\""},
        {"menu = 6\ntopic = \"Rocks\"\nkind = \"passage\"\n", 1, 1, "from 1 to 5"},
        {"menu = 3\ntopic = \"T\"\nkind = \"passage\"\n[[passage]]\ntext = \"No gaps.\"\n", 5, 1,
         "a passage with no gap"},
        {"menu = 3\ntopic = \"T\"\nkind = \"questions\"\n[[question]]\ntext = \"Q?\"\n"
         "answers = [\"A\", \"B\"]\nright = \"C\"\n",
         7, 1, "right answer \"C\" is none of the answers"},
        {"menu = 3\ntopic = \"T\"\nkind = \"truefalse\"\n[[statement]]\ntext = \"S\"\ntrue = "
         "\"yes\"\n",
         6, 1, "must be true or false"},
        {"menu = 3\ntopic = \"T\"\nkind = \"labelling\"\npicture = \"../x.png\"\n", 4, 1,
         "plain file name"},
        {"menu = 3\ntopic = \"T\"\nkind = \"sorting\"\ncolums = [\"A\"]\n", 4, 1,
         "unknown field \"colums\""},
        {manyWords, 125, 1, "more than 40 [[word]]"},
        {QString(300 * 1024, '#'), 1, 1, "larger than 256 KiB"},
    };
    for (const Case& c : cases) {
        const ReadResult r = read(c.text);
        ASSERT_FALSE(r.problems.empty()) << c.message;
        EXPECT_FALSE(r.activity);
        const Problem& p = r.problems.front();
        EXPECT_EQ(p.at.line, c.line) << c.message << ": " << p.message.toStdString();
        EXPECT_EQ(p.at.column, c.column) << c.message;
        EXPECT_TRUE(p.message.contains(c.message)) << p.message.toStdString();
    }
}

TEST(ActivityReader, LettersOfEveryScriptReadBackAsWritten) {
    const QString words = QString::fromUtf8("Caf\u00e9, \u0451\u0436, \u304b\u3048\u308b\uff01");
    const ReadResult r = read(QString(kTrueFalse).replace("Sound", words));
    ASSERT_TRUE(r.activity);
    EXPECT_EQ(r.activity->statements[0].text, words + " travels through solids.");
}

TEST(ActivitySlots, CaptionsBuiltInsNewTopicsAndConflicts) {
    const std::vector<Claim> claims = {
        {3, "New Topic", Kind::Sorting, {2, 1}, "a.toml"},                  // first free: slot 2
        {3, "the water cycle", Kind::Labelling, {2, 1}, "b.toml"},          // its caption: 4
        {3, "The Water Cycle", Kind::Labelling, {2, 1}, "c.toml"},          // taken by b
        {3, "Magnets", Kind::Questions, {2, 1}, "d.toml"},                  // built in
        {5, "Healthy Living", Kind::Passage, {2, 1}, "e.toml"},             // adds passages
        {3, "Solids, Liquids and Gases", Kind::Sorting, {2, 1}, "f.toml"},  // named: 2
    };
    const std::vector<Assignment> a = assignSlots(claims);
    EXPECT_EQ(a[5].slot, 2) << "a named caption is served before a new topic";
    EXPECT_EQ(a[0].slot, 3);
    EXPECT_EQ(a[1].slot, 4);
    EXPECT_EQ(a[2].slot, -1);
    EXPECT_EQ(a[2].problems[0].message, "\"The Water Cycle\" on menu 3 is taken by b.toml");
    EXPECT_EQ(a[3].slot, -1);
    EXPECT_TRUE(a[3].problems[0].message.contains("built-in"));
    EXPECT_EQ(a[4].slot, kHealthySlot);

    Activity first = *read(kPassage).activity, second = first;
    first.passages[0].option = "alcohol";
    second.passages.resize(1);
    second.passages[0].option = "Smoking";
    const auto options = assignHealthyOptions({&first, &second});
    EXPECT_EQ(options[0][0].option, 2);
    EXPECT_EQ(options[0][1].option, 1) << "a new option takes the first free";
    EXPECT_EQ(options[1][0].option, -1);
}

class FileScreenTest : public ScreenTest {
  protected:
    // A copy of the run folder whose activity files are only the test's own.
    void useOwnActivities() {
        useCopyOfRunFolder();
        QDir("activities").removeRecursively();
    }
    void write(const QString& name, const QByteArray& text) {
        QDir().mkpath("activities");
        QFile f("activities/" + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    void writeAll() {
        useOwnActivities();
        write("water.toml", kLabelling);
        write("states.toml", kSorting);
        write("rocks.toml", kPassage);
        write("sep.toml", kQuestions);
        write("sound.toml", kTrueFalse);
        for (int m = 1; m <= 5; ++m) menus::slotSource(m);
    }
    std::vector<Problem> problemsOf(const QString& name) {
        const auto reports = checkFiles({{"activities/" + name, name, 0}}, true);
        return reports[0].problems;
    }
};

TEST_F(FileScreenTest, LayoutProblemsNameTheirLine) {
    useOwnActivities();
    QByteArray tooLong = kLabelling;
    tooLong.replace("\"Stem\"", "\"Photosynthesisingchlorophyllcontaining\"");
    write("long.toml", tooLong);
    QByteArray missing = kLabelling;
    missing.replace("flower.jpg", "nowhere.png");
    write("missing.toml", missing);
    write("broken.png", "\x89PNG\r\n\x1a\n but not a picture");
    missing.replace("nowhere.png", "broken.png");
    write("broken.toml", missing);
    QByteArray crowded = kLabelling;
    crowded.replace("[100, 180]", "[45, 62]");
    write("crowded.toml", crowded);
    struct Case {
        const char* file;
        int line;
        const char* message;
    } const cases[] = {
        {"long.toml", 9, "too long to fit in its box"},
        {"missing.toml", 4, "neither beside the file nor in Images"},
        {"broken.toml", 4, "cannot be read"},
        {"crowded.toml", 9, "overlap"},
    };
    // What a teacher sees of it: FILE:LINE:COLUMN: message, and the exit status.
    testing::internal::CaptureStdout();
    EXPECT_EQ(runCheck({"activities/long.toml", "activities/crowded.toml"}), 1);
    EXPECT_EQ(
        testing::internal::GetCapturedStdout(),
        "activities/long.toml:9:1: the word \"Photosynthesisingchlorophyllcontaining\" is too "
        "long to fit in its box\nactivities/crowded.toml:9:1: the boxes of "
        "\"Petal\" and \"Stem\" overlap: move their points further apart\n");
    write("water.toml", kLabelling);
    EXPECT_EQ(runCheck({}), 1) << "every file of the folder";
    EXPECT_EQ(runCheck({"activities/water.toml"}), 0);
    for (const Case& c : cases) {
        const auto problems = problemsOf(c.file);
        ASSERT_EQ(problems.size(), 1u) << c.file;
        EXPECT_EQ(problems[0].at.line, c.line) << c.file;
        EXPECT_TRUE(problems[0].message.contains(c.message)) << problems[0].message.toStdString();
    }
}

TEST_F(FileScreenTest, MenusTakeTheFilesTopicsAndHealthyLivingItsPassages) {
    useOwnActivities();
    QByteArray rocks = kPassage;
    write("rocks.toml", rocks);
    rocks.replace("menu = 4\ntopic = \"Rocks\"", "menu = 5\ntopic = \"Healthy Living\"");
    rocks.replace("\"Soil\"", "\"Drugs\"");
    write("healthy.toml", rocks);
    TopicMenu& menu4 = forms().show<TopicMenu4>();
    EXPECT_EQ(menu4.topics(0).Caption(), "Rocks") << "the first free slot, its caption replaced";
    EXPECT_TRUE(menu4.topics(0).Enabled());
    EXPECT_FALSE(menu4.topics(1).Enabled());
    real::click(menu4.topics(0));
    EXPECT_TRUE(forms().isLoaded("file:rocks.toml"));

    forms().show<TopicMenu5>();
    HealthyLivingScreen& h = forms().show<HealthyLivingScreen>();
    h.showOptions();
    EXPECT_EQ(h.passages(1).Caption(), "Fossils");
    EXPECT_TRUE(h.passages(1).Enabled());
    EXPECT_FALSE(h.passages(2).Enabled());
    EXPECT_TRUE(h.passages(3).Enabled());
    real::click(h.passages(3));
    settle();
    EXPECT_FALSE(forms().isLoaded("healthy"));
    auto* drugs = dynamic_cast<FileDragScreen*>(forms().find("healthy#4"));
    ASSERT_TRUE(drugs);
    EXPECT_EQ(drugs->words(0).Caption(), "rock");
    real::click(drugs->passages(0));
    settle();
    EXPECT_TRUE(forms().isLoaded("healthy")) << "Smoking brings the built-in passage back";
}

// Every word dragged by the pointer to a box of its own (or tapped by a finger, then its box),
// then Check Score.
static void solveByPointer(FileDragScreen& s, bool byTaps = false) {
    real::Fingers finger(s.window());
    for (int i = 0; i < s.wordCount(); ++i) {
        int box = i;
        // A sorting word goes to the other box of its column where there is one.
        for (int j = 0; j < s.wordCount(); ++j)
            if (j != i && s.plan().boxes[j].group == s.plan().boxes[i].group &&
                s.plan().headings.size())
                box = j;
        if (byTaps) {
            finger.tap(s.words(i));
            finger.tap(s.targets(box));
        } else {
            real::drag(s.words(i), real::centreOf(s.targets(box)));
        }
    }
    real::click(s.commands(2));
    EXPECT_EQ(s.scoreText.Caption(),
              QString("%1 out of %1 correct").arg(s.wordCount()).toStdString().c_str());
}

// The same by keys alone: each word picked up, carried over its box and dropped.
static void solveByKeys(FileDragScreen& s) {
    const auto press = [&](Qt::Key key) { QTest::keyClick(s.window(), key); };
    const auto tabTo = [&](const Control& c) {
        for (int k = 0; k < 80 && s.keyboard().focused() != &c; ++k) press(Qt::Key_Tab);
        ASSERT_EQ(s.keyboard().focused(), &c) << s.name().toStdString();
    };
    for (int i = 0; i < s.wordCount(); ++i) {
        tabTo(s.words(i));
        press(Qt::Key_Return);  // picked up, over box 0
        for (int k = 0; k < i; ++k) press(Qt::Key_Tab);
        press(Qt::Key_Return);
    }
    tabTo(s.commands(2));
    press(Qt::Key_Return);
    EXPECT_EQ(s.scoreText.Caption(),
              QString("%1 out of %1 correct").arg(s.wordCount()).toStdString().c_str())
        << s.name().toStdString();
}

TEST_F(FileScreenTest, EachDragKindPlayedToFullMarksByTapsOfAFingerAtALargerScale) {
    writeAll();
    Twips::setScale(1.75f);
    for (const char* name : {"file:water.toml", "file:states.toml", "file:rocks.toml"}) {
        auto* s = dynamic_cast<FileDragScreen*>(forms().show(name));
        EXPECT_TRUE(s) << name;
        if (s) solveByPointer(*s, true);
    }
    Twips::setScale(1.0f);
}

TEST_F(FileScreenTest, EachKindPlayedToFullMarksByThePointer) {
    writeAll();
    for (const char* name : {"file:water.toml", "file:states.toml", "file:rocks.toml"}) {
        auto* s = dynamic_cast<FileDragScreen*>(forms().show(name));
        ASSERT_TRUE(s) << name;
        solveByPointer(*s);
    }
    auto* rocks = dynamic_cast<FileDragScreen*>(forms().find("file:rocks.toml"));
    real::click(rocks->passages(1));
    settle();
    auto* fossils = dynamic_cast<FileDragScreen*>(forms().find("file:rocks.toml#2"));
    ASSERT_TRUE(fossils) << "the option shows its own passage";
    EXPECT_EQ(fossils->words(0).Caption(), "fossil");
    solveByPointer(*fossils);

    auto* q = dynamic_cast<FileQuestionsScreen*>(forms().show("file:sep.toml"));
    ASSERT_TRUE(q);
    EXPECT_FALSE(q->answerButtons(3).Visible());
    real::click(q->answerButtons(0));
    EXPECT_TRUE(q->messages(0).Visible()) << "a wrong answer shows the right one";
    EXPECT_EQ(q->messages(0).Caption(), "The answer is: Filtering");
    real::click(q->answerButtons(1));
    EXPECT_TRUE(q->messages(2).Visible());

    auto* t = dynamic_cast<FileTrueFalseScreen*>(forms().show("file:sound.toml"));
    ASSERT_TRUE(t);
    real::click(t->answerButtons(0));
    EXPECT_EQ(t->messages(1).Caption(), "Wrong, Try Again.");
    real::click(t->answerButtons(1));
    EXPECT_EQ(t->messages(1).Caption(), "Correct, Well Done!");
}

// Every control shown lies inside the client area, and its caption whole at 12 pt or more;
// nothing overlaps but words on their home slots, the passage under its boxes and the picture.
static void expectLaidOutWhole(const Form& form) {
    const std::string name = form.name().toStdString();
    std::vector<const Control*> shown;
    for (const Control* c : form.controls())
        if (c->Visible() && c->Width() > 0 && !dynamic_cast<const Line*>(c)) shown.push_back(c);
    const QRectF client(0, 0, form.ScaleWidth(), form.ScaleHeight());
    for (const Control* c : shown) {
        const QRectF r(c->Left(), c->Top(), c->Width(), c->Height());
        EXPECT_TRUE(client.contains(r)) << name << " " << c->name().toStdString();
        if (const auto* l = dynamic_cast<const Label*>(c)) {
            EXPECT_GE(l->fittedPoints(), 12) << name << " " << l->Caption().toStdString();
            EXPECT_TRUE(l->captionFitsAt(l->fittedPoints())) << l->Caption().toStdString();
        }
        for (const Control* d : shown) {
            const QRectF o(d->Left(), d->Top(), d->Width(), d->Height());
            const bool expected = c->name() == "Label4" || d->name() == "Label4" ||
                                  c->name() == "Label5" || d->name() == "Label5" ||
                                  c->name() == "Image1" || d->name() == "Image1";
            if (c < d && !expected) {
                EXPECT_FALSE(r.intersects(o))
                    << name << " " << c->name().toStdString() << c->index() << " "
                    << d->name().toStdString() << d->index();
            }
        }
    }
}

TEST_F(FileScreenTest, LaidOutWholeAtBothScales) {
    for (float scale : {1.0f, 1.75f}) {
        forms().clear();
        Twips::setScale(scale);
        writeAll();
        for (const char* name : {"file:water.toml", "file:states.toml", "file:rocks.toml",
                                 "file:rocks.toml#2", "file:sep.toml", "file:sound.toml"}) {
            Form* form = forms().show(name);
            ASSERT_TRUE(form) << name;
            settle();
            expectLaidOutWhole(*form);
            forms().unload(*form);
        }
    }
}

// The activities the program ships: no topic greyed on any menu, each opening a window with
// its activity's title, laid out whole at both scales, and the drag kinds solved by the pointer.
TEST_F(FileScreenTest, EveryShippedActivityOpensLaidOutAndSolved) {
    for (float scale : {1.0f, 1.75f}) {
        forms().clear();
        Twips::setScale(scale);
        useCopyOfRunFolder();
        forms().show("intro0");
        int opened = 0;
        for (int m = 1; m <= 5; ++m) {
            auto* menu = static_cast<TopicMenu*>(forms().show(QString("menu%1").arg(m)));
            for (int t = 0; t < 5; ++t) {
                ASSERT_TRUE(menu->topics(t).Enabled()) << "menu " << m << " topic " << t;
                real::click(menu->topics(t));
                settle();
                // The window the topic opened is the one shown last.
                Form* form = menu;
                for (Form* f : forms().loaded())
                    if (f->shownOrder() > form->shownOrder()) form = f;
                ASSERT_NE(form, menu) << "menu " << m << " topic " << t;
                if (!form->name().startsWith("file:")) {
                    forms().unload(*form);
                    continue;
                }
                ++opened;
                const ReadResult read = readActivityFile("activities/" + form->name().mid(5));
                ASSERT_TRUE(read.activity) << form->name().toStdString();
                EXPECT_EQ(form->Caption(), read.activity->title);
                expectLaidOutWhole(*form);
                // By the pointer at one scale, by keys at the other.
                if (auto* drag = dynamic_cast<FileDragScreen*>(form))
                    scale == 1.0f ? solveByPointer(*drag) : solveByKeys(*drag);
                forms().unload(*form);
                settle();
            }
        }
        EXPECT_EQ(opened, 18);
    }
}
