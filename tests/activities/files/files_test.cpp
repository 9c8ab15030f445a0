// Activity files: each kind read right, each bad file named with its line, the slots rule,
// and each kind played to full marks by a pupil's pointer, laid out whole at both scales.
#include "tests/support/files.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

#include "activities/files/catalogue.h"
#include "activities/files/filescreens.h"
#include "activities/files/library.h"
#include "activities/files/placement.h"
#include "activities/files/problemwords.h"
#include "activities/files/shipped.h"
#include "app/checkcommand.h"
#include "menus/menupage.h"
#include "menus/topicmenu.h"
#include "speech/readaloud.h"
#include "speech/recordingvoice.h"
#include "tests/activities/labelling/labelling_helpers.h"
#include "tests/support/screentest.h"
#include "tests/support/touch.h"
#include "ui/blankwrap.h"
#include "ui/fonts.h"
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

const char* kPassage = R"(topic = "Rocks"
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
instruction = "Choose the best way to separate each mixture."
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

// What the screens below do not show of a file read: where each kind's answers are, and
// letters of every script read back as written.
TEST(ActivityReader, EachKindReadRight) {
    const Activity l = *read(kLabelling).activity;
    EXPECT_EQ(l.title, "The Water Cycle") << "the topic when there is no title";
    ASSERT_EQ(l.labels.size(), 2u);
    EXPECT_EQ(l.labels[0].at, QPointF(40, 60));
    EXPECT_EQ(l.labels[0].lineTo, QPointF(60, 80));
    EXPECT_FALSE(l.labels[1].lineTo);
    EXPECT_EQ(read(kSorting).activity->words[3].column, 2);
    const Activity p = *read(kPassage).activity;
    EXPECT_EQ(p.passages[0].pieces, QStringList({"Soil is made of ", " and ", "."}));
    EXPECT_EQ(read(kQuestions).activity->questions[0].right, 1);
    const QString words = QString::fromUtf8("Caf\u00e9, \u0451\u0436, \u304b\u3048\u308b\uff01");
    const Activity t = *read(QString(kTrueFalse).replace("Sound", words)).activity;
    EXPECT_EQ(t.statements[0].text, words + " travels through solids.");
    EXPECT_FALSE(t.statements[0].isTrue);
    EXPECT_FALSE(t.instruction.isEmpty()) << "the engine's own instruction";

    const Activity fixed = *read("background = [9, 63, 137]\n" +
                                 QString(kSorting)
                                     .replace("column =", "box = [0, 0]\ncolumn =")
                                     .replace("column =", "start = [0, 0]\ncolumn =") +
                                 "[layout]\nsize = [11790, 8520]\n"
                                 "score = [240, 4320, 3945, 1065]\nheadings = [{ at = [5280, 120],"
                                 " font = \"Times New Roman\", points = 24 }, [8400, 120]]\n")
                                .activity;
    EXPECT_EQ(fixed.background, 0x093F89u);
    ASSERT_TRUE(fixed.layout);
    EXPECT_EQ(fixed.layout->size, QSizeF(11790, 8520));
    EXPECT_EQ(fixed.layout->place("score")->rect(), QRectF(240, 4320, 3945, 1065));
    const auto& headings = fixed.layout->places.at("headings");
    ASSERT_EQ(headings.size(), 2u);
    EXPECT_STREQ(headings[0].font, "Times New Roman");
    EXPECT_EQ(headings[0].points, 24.f);
    EXPECT_EQ(headings[1].rect().topLeft(), QPointF(8400, 120));

    // A screen laid out by hand: sections with their own places, a backdrop that an answer
    // changes, the right answer flashing, pictures described, and texts kept as written.
    const QString byHand = R"(topic = "Magnets"
kind = "questions"
backdrop = "off.bmp"
wrong = "Wrong, Try Again"
flash = { fill = [[0, 0, 255], [0, 0, 0]], every = 250, first = 1 }
describe = { "off.bmp" = "A circuit" }
[layout]
size = [11790, 8400]
question = [720, 120, 10185, 705]
[[section]]
button = "Section 2"
[[section.question]]
text = "Attract? "
picture = "m1.bmp"
picture_at = [0, 2400, 12000, 1125]
answers = ["Attract", "Repel"]
right = "Repel"
answer_in_words = "The magnets will repel each other."
after = "on.bmp"
[[section]]
button = "Section 1"
[section.layout]
question = [720, 0, 10185, 1305]
[[section.question]]
text = "Iron?"
answers = ["Attractive", "No Force"]
right = "Attractive"
)";
    const Activity h = *read(byHand).activity;
    ASSERT_EQ(h.sections.size(), 2u);
    EXPECT_EQ(h.sections[1].button, "Section 1");
    ASSERT_EQ(h.questions.size(), 2u);
    EXPECT_EQ(h.questions[0].text, "Attract? ") << "as written, its blank too";
    EXPECT_EQ(h.questions[1].section, 1);
    EXPECT_EQ(h.questions[0].pictureAt, (std::vector<float>{0, 2400, 12000, 1125}));
    EXPECT_EQ(h.questions[0].after, "on.bmp");
    EXPECT_EQ(h.questions[0].answerInWords, "The magnets will repel each other.");
    EXPECT_EQ(h.layoutOf(0)->place("question")->rect(), QRectF(720, 120, 10185, 705));
    EXPECT_EQ(h.layoutOf(1)->place("question")->rect(), QRectF(720, 0, 10185, 1305));
    EXPECT_EQ(h.layoutOf(1)->size, QSizeF(11790, 8400));
    ASSERT_TRUE(h.flash);
    EXPECT_TRUE(h.flash->fill);
    EXPECT_EQ(h.flash->colours[1], 0u);
    EXPECT_EQ(h.flash->every, 250);
    EXPECT_EQ(h.flash->first, 1);
    EXPECT_EQ(h.describe.at("off.bmp"), "A circuit");
    EXPECT_EQ(h.wrong, "Wrong, Try Again");
    EXPECT_EQ(read(QString(kTrueFalse).replace("solids.", "solids. ")).activity->statements[0].text,
              "Sound travels through solids.")
        << "trimmed where the screen is laid out for it";
}

TEST(ActivityReader, BadFilesNameTheirLineAndColumn) {
    QString manyWords =
        "menu = 1\ntopic = \"Organs\"\nkind = \"sorting\"\ncolumns = [\"A\", \"B\"]\n";
    for (int i = 0; i < 41; ++i)
        manyWords += QString("[[word]]\ntext = \"w%1\"\ncolumn = \"A\"\n").arg(i);
    const QString head = "menu = 3\ntopic = \"T\"\nkind = ";
    const QString question =
        "[[question]]\ntext = \"Q?\"\nanswers = [\"A\", \"B\"]\nright = \"A\"\n";
    struct Case {
        QString text;
        int line, column;
        const char* message;
    };
    const Case cases[] = {
        // The common mistakes, in a teacher's words.
        {"menu = 3\ntopic = \"Rocks\n", 2, 15, "this text has no closing quote"},
        {"topic \"Rocks\"\n", 1, 7, "must be followed by ="},
        {"topic = Rocks\n", 1, 9, "put text in double quotes"},
        {"topic = \"a\"\ntopic = \"b\"\n", 2, 9, "\"topic\" is written twice"},
        {"[[label\nword = \"x\"\n", 1, 8, "this heading is not closed"},
        {"text = \"C:\\path\"\n", 1, 12, "must be written twice"},
        {"menu = 3\n[[[label]]\n", 2, 3, "expected bare key"},
        {"menu = 3\n[[\u00e9t\u00e9]]\n", 2, 3, "\u00e9"},  // a letter the parser is kept from
        {"menu = 3\ntopic = \"Rocks\"\nkind = \"quiz\"\n", 3, 1, "unknown kind \"quiz\""},
        {"menu = 3\nkind = \"truefalse\"\n[[statement]]\ntext = \"x\"\ntrue = true\n", 1, 1,
         "missing field \"topic\""},
        {"menu = 6\ntopic = \"Rocks\"\nkind = \"passage\"\n", 1, 1, "from 1 to 5"},
        {head + "\"passage\"\n[[passage]]\ntext = \"No gaps.\"\n", 5, 1, "a passage with no gap"},
        {head + "\"questions\"\n[[question]]\ntext = \"Q?\"\nanswers = [\"A\", \"B\"]\nright = "
                "\"C\"\n",
         7, 1, "right answer \"C\" is none of the answers"},
        {head + "\"questions\"\n[[question]]\ntext = \"Q?\"\nanswers = [\"2 N\", \"3 N\"]\n"
                "say_answers = [\"2 newtons\"]\nright = \"2 N\"\n",
         7, 1, "\"say_answers\" must be a list of 2 to 4 texts"},
        {head + "\"questions\"\n[[question]]\ntext = \"Q?\"\nanswers = [\"A\", \"B\"]\n"
                "say_answers = [\"a\", \"b\", \"c\"]\nright = \"A\"\n",
         7, 1, "must give 2 spoken forms, one for each answer"},
        {head + "\"truefalse\"\n[[statement]]\ntext = \"S\"\ntrue = \"yes\"\n", 6, 1,
         "must be true or false"},
        {head + "\"labelling\"\npicture = \"../x.png\"\n", 4, 1, "plain file name"},
        {head + "\"sorting\"\ncolums = [\"A\"]\n", 4, 1, "unknown field \"colums\""},
        {manyWords, 125, 1, "more than 40 [[word]]"},
        // A fixed layout, which only the shipped activities need.
        {head + "\"sorting\"\nbackground = [9, 63, 300]\n", 4, 1, "from 0 to 255"},
        {head + "\"sorting\"\n[layout]\nsize = [100, 100]\npicture = [1, 2]\n", 6, 1,
         "places no \"picture\""},
        {head + "\"passage\"\n[layout]\nsize = [1, 1]\nscore = { at = [1, 2, 3] }\n", 6, 11,
         "two or four numbers"},
        {head + "\"passage\"\n[layout]\nscore = { at = [1, 2], font = \"Comic Sans\" }\n", 4, 1,
         "missing field \"size\""},
        // What a screen laid out by hand adds.
        {head + "\"questions\"\n[[section]]\nbutton = \"S\"\n", 4, 3, "from 2 to 4 times"},
        {head + "\"questions\"\nflash = { text = [[1, 2, 3]], every = 200 }\n" + question, 4, 1,
         "either \"fill\" or \"text\""},
        {head + "\"truefalse\"\nflash = { text = [[1, 2, 3], [4, 5, 6]], every = 0 }\n" +
             "[[statement]]\ntext = \"S\"\ntrue = true\n",
         4, 42, "milliseconds from 1 to 5000"},
        {head + "\"questions\"\ndescribe = { \"a/b.png\" = \"x\" }\n" + question, 4, 14,
         "is not a picture's file name"},
        {head + "\"questions\"\n" + question + "picture_at = [1, 2, 3, 4]\n", 8, 1,
         "a screen with a [layout]"},
        {head + "\"questions\"\n" + question + "after = \"on.bmp\"\n", 8, 1, "give \"backdrop\""},
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
        EXPECT_NE(p.fault, Fault::None) << c.message;
    }
    const ReadResult utf16 = readActivity(QByteArray("\xFF\xFEm\0e\0", 6));
    ASSERT_EQ(utf16.problems.size(), 1u);
    EXPECT_TRUE(utf16.problems[0].message.contains("saved as UTF-16"));
}

// Every problem in plain words too, for a teacher who never reads the file: none of its keys,
// quotes or brackets, no line or column; led by the entry it is in.
TEST(ActivityReader, EveryProblemHasPlainWords) {
    static const QRegularExpression fileSyntax(
        "[\"\\[\\]{}=]|\\b[Ll]ines?\\b|\\bcolumn \\d|\\d:\\d");
    for (int f = 1; f <= static_cast<int>(Fault::Last); ++f) {
        const Problem p = fileProblem({5, 1}, Fault(f), {"answers", 0, 1}, {"Iron", "2", "4"});
        const QString plain = plainWords(p, Kind::Questions);
        EXPECT_FALSE(fileSyntax.match(plain).hasMatch()) << f << ": " << plain.toStdString();
        EXPECT_TRUE(plain.startsWith("Question 1: ")) << f << ": " << plain.toStdString();
        EXPECT_NE(p.message, plain) << f;
    }
    // The form's words, and a grey topic's: her line as the file has it, then what to do.
    const ReadResult r = read(QString(kQuestions).replace("\"Evaporating\"]", "\"\"]"));
    ASSERT_EQ(r.problems.size(), 1u);
    EXPECT_EQ(plainWords(r.problems[0], r.kind),
              "Question 1: type a third answer (each question needs 2 to 4).");
    EXPECT_EQ(r.problems[0].spot, (Spot{"answers", 0, 2}));
    const QByteArray file = QByteArray(kTrueFalse).replace("true = false", "true = \"no\"");
    const ReadResult no = readActivity(file);
    EXPECT_EQ(lineSays(no.problems.at(0), no.kind, file),
              "Line 6 says true = \"no\". Write true or false, without quotation marks.");
}

// Where each file goes: her file in the place of the file it hides, a topic by its caption,
// Our Activities for the rest, by caption, and a shipped file she displaced left unused.
TEST(ActivityPlacement, TopicsHiddenPlacesOurActivitiesAndConflicts) {
    std::vector<Candidate> c(12);
    const auto set = [&](size_t i, const char* file, int folder, int menu, const char* topic) {
        c[i].fileName = file;
        c[i].folder = folder;
        c[i].menu = menu;
        c[i].topic = topic;
    };
    set(0, "a.toml", 0, 3, "the water cycle");
    set(1, "b.toml", 0, 3, "The Water Cycle");
    set(2, "c.toml", 0, 5, "Scrambled Words");
    set(3, "d.toml", 0, 2, "Parts of a Flower");
    set(4, "e.toml", 0, 0, "Zebras");
    set(5, "sound.toml", 0, 2, "Magnets true or false");
    c[5].hides = true;
    c[5].hiddenMenu = 5;
    c[5].hiddenTopic = "Sound";
    set(6, "water-cycle.toml", 2, 3, "The Water Cycle");
    set(7, "f.toml", 0, 5, "Healthy Living");
    c[7].passage = true;
    set(8, "g.toml", 0, 0, "");
    set(9, "Skeleton.TOML", 2, 1, "The Skeleton");  // a shipped activity...
    set(10, "bones.toml", 0, 1, "the skeleton");    // ...whose place her file of another name takes
    set(11, "MAGNETS.toml", 2, 3, "Magnets");       // played under its own screens
    const Placement p = place(c);
    EXPECT_EQ(p.places[0].where, Place::Topic);
    EXPECT_EQ(p.holders[2][4], 0);
    EXPECT_EQ(p.places[0].caption, "The Water Cycle") << "the table's caption, whatever the case";
    EXPECT_EQ(p.places[1].problems[0].message,
              "\"The Water Cycle\" on menu 3 is taken by a.toml: give this file another topic");
    EXPECT_TRUE(p.places[2].problems[0].message.contains("one of the program's own"));
    EXPECT_EQ(p.places[9].where, Place::Displaced);
    EXPECT_EQ(p.holders[0][1], 10);
    EXPECT_EQ(p.places[10].caption, "The Skeleton");
    EXPECT_EQ(p.places[11].where, Place::Own);
    EXPECT_EQ(p.holders[2][1], 11);
    EXPECT_EQ(p.places[3].problems[0].message,
              "menu 2 has no topic \"Parts of a Flower\": leave out \"menu\" to put it in Our "
              "Activities, or give the topic of a menu 2 entry");
    EXPECT_EQ(p.holders[4][1], 5) << "where Sound stood, whatever its own fields say";
    EXPECT_EQ(p.places[5].caption, "Magnets true or false");
    EXPECT_EQ(p.places[6].where, Place::Displaced);
    EXPECT_TRUE(p.places[6].problems.empty());
    EXPECT_EQ(p.places[7].where, Place::Healthy);
    EXPECT_EQ(p.places[8].caption, "g.toml");
    EXPECT_EQ(p.ourActivities, std::vector<int>({8, 3, 2, 1, 4})) << "by caption, any case";

    Activity first = *read(kPassage).activity, second = first;
    first.passages[0].option = "alcohol";
    second.passages.resize(1);
    second.passages[0].option = "Smoking";
    const auto options = assignHealthyOptions({&first, &second});
    EXPECT_EQ(options[0][0].option, 2);
    EXPECT_EQ(options[0][1].option, 1) << "a new option takes the first free";
    EXPECT_EQ(options[1][0].option, -1);
    // Only Healthy Living's own file, first, gives the Smoking passage.
    const auto own = assignHealthyOptions({&second, &first}, true);
    EXPECT_EQ(own[0][0].option, 0);
    EXPECT_EQ(own[1][1].option, 1);
}

class FileScreenTest : public ScreenTest {
  protected:
    // A copy of the run folder whose activity files are only the test's own.
    void useOwnActivities() {
        useCopyOfRunFolder();
        QDir("activities").removeRecursively();
    }
    void write(const QString& name, const QByteArray& text) {
        writeFile("activities/" + name, text);
    }
    void writeAll() {
        useOwnActivities();
        write("water.toml", kLabelling);
        write("states.toml", kSorting);
        write("rocks.toml", kPassage);
        write("sep.toml", kQuestions);
        write("sound.toml", kTrueFalse);
        for (int m = 1; m <= 6; ++m) menus::menuPage(m, 0);
    }
    // What `--check FILE` prints of it, and its exit status.
    static QString check(const QStringList& files, int* status = nullptr) {
        testing::internal::CaptureStdout();
        const int s = runCheck(files);
        if (status) *status = s;
        return QString::fromStdString(testing::internal::GetCapturedStdout());
    }
};

TEST_F(FileScreenTest, LayoutProblemsNameTheirLine) {
    useOwnActivities();
    write("broken.png", "\x89PNG\r\n\x1a\n but not a picture");
    // Each a good file spoilt, in Our Activities (no menu) so that none takes another's topic.
    struct Case {
        const char *file, *good, *from, *to;
        int line;
        const char* message;
    } const cases[] = {
        {"long.toml", kLabelling, "\"Stem\"", "\"Photosynthesisingchlorophyllcontaining\"", 10,
         "too long to fit in its box"},
        {"missing.toml", kLabelling, "flower.jpg", "nowhere.png", 4,
         "neither beside the file nor in Images"},
        {"broken.toml", kLabelling, "flower.jpg", "broken.png", 4, "cannot be read"},
        {"crowded.toml", kLabelling, "[100, 180]", "[45, 62]", 10, "overlap"},
        {"byhand.toml", kLabelling, "line_to = [60, 80]", "line_to = [60, 80]\nbox = [40, 60]", 9,
         "\"box\" places a word by hand: it needs a [layout]"},
        {"wordy.toml", kQuestions, "Choose",
         "Look closely at each picture of a mixture, then choose", 1,
         "the instruction is too long to fit on one line"},
        {"placed.toml", kQuestions, "[[question]]\n",
         "[layout]\nsize = [11790, 8400]\npicture = [0, 2400, 3000, 2000]\n"
         "answers = [[1560, 4800, 2565, 495], [4560, 4800, 2565, 495]]\n[[question]]\n",
         9, "the [layout] places 2 answers, and this question has 3"},
    };
    for (const Case& c : cases)
        write(c.file, QByteArray(c.good)
                          .replace("menu = 3\n", "\n")
                          .replace("menu = 4\n", "\n")
                          .replace(c.from, c.to));
    // What a teacher sees of it: FILE:LINE:COLUMN: message, and the exit status.
    int status = 0;
    EXPECT_EQ(check({"activities/long.toml", "activities/crowded.toml"}, &status),
              "activities/long.toml:10:1: the word \"Photosynthesisingchlorophyllcontaining\" is "
              "too long to fit in its box\nactivities/crowded.toml:10:1: the boxes of "
              "\"Petal\" and \"Stem\" overlap: move their points further apart\n"
              "Checked 2 activity files: 2 problems.\n");
    EXPECT_EQ(status, 1);
    write("water.toml", kLabelling);
    EXPECT_TRUE(
        check({}, &status).endsWith("Checked 8 activity files and 6 word lists: 7 problems.\n"))
        << "every file of the folder and every word list";
    EXPECT_EQ(status, 1);
    EXPECT_EQ(check({"activities/water.toml"}, &status), "Checked 1 activity file: no problems.\n");
    EXPECT_EQ(status, 0);
    for (const Case& c : cases) {
        const QString out = check({QString("activities/") + c.file});
        EXPECT_TRUE(out.startsWith(QString("activities/%1:%2:").arg(c.file).arg(c.line)) &&
                    out.contains(c.message) && out.endsWith("1 problem.\n"))
            << out.toStdString();
    }
    // A translation beside it is checked with it: its texts, and its words in their boxes.
    write("water.cy.toml",
          "\"Petal\" = \"Petalaublodynhirhirhirhirhirhir\"\n\"Stam\" = \"Coesyn\"\n");
    EXPECT_EQ(check({"activities/water.toml"}, &status),
              "activities/water.cy.toml:1:1: the word \"Petalaublodynhirhirhirhirhirhir\" is too "
              "long to fit in its box\nactivities/water.cy.toml:2:1: \"Stam\" is no text of "
              "water.toml: write each text as the activity gives it\n"
              "Checked 1 activity file and 1 translation: 2 problems.\n");
    EXPECT_EQ(status, 1);
    EXPECT_TRUE(check({"activities/water.cy.toml"}).endsWith("translation: 2 problems.\n"));
    write("waters.cy.toml", "\"Stem\" = \"Coesyn\"\n");
    EXPECT_TRUE(check({}).contains("waters.cy.toml:1:1: there is no activity \"waters.toml\""));
}

// In the program's language an activity is played, listed and printed in its translation's
// words, text by text; a translation whose words do not fit is not played at all.
TEST_F(FileScreenTest, ActivitiesPlayInTheProgramsLanguage) {
    useOwnActivities();
    write("water.toml", kLabelling);
    write("water.cy.toml",
          "\"The Water Cycle\" = \"Y Gylchred Ddŵr\"\n\"Stem\" = \"Coesyn\"\n"
          "\"Petal\" = \"  \"\n\"Stam\" = \"Bonyn\"\n");
    const auto shown = [] {
        const Catalogue c = readCatalogue(activityFolders());
        const CatalogueEntry& e = c.entries.front();
        EXPECT_EQ(e.activity()->labels[1].word, "Stem") << "the file as read, for the Maker";
        EXPECT_TRUE(e.playable());
        const auto a = e.shown();
        return QStringList{e.place.caption, a->labels[0].word, a->labels[1].word};
    };
    const QStringList english{"The Water Cycle", "Petal", "Stem"};
    const QLocale before;
    EXPECT_EQ(shown(), english);
    QLocale::setDefault(QLocale(QLocale::Welsh));
    EXPECT_EQ(shown(), QStringList({"Y Gylchred Ddŵr", "Petal", "Coesyn"}))
        << "the empty and the unknown text are passed over";
    EXPECT_EQ(menus::menuPage(3, 0).slots[4].caption, "Y Gylchred Ddŵr");
    write("water.cy.toml", "\"Stem\" = \"Coesynblodynhirhirhirhirhirhirhir\"\n");
    EXPECT_EQ(shown(), english) << "a word cut off would break the screen";
    QLocale::setDefault(before);
    EXPECT_EQ(shown(), english);
}

// A file's passages join Healthy Living: Drugs in place of the built-in one, Fossils in a free
// option.
TEST_F(FileScreenTest, HealthyLivingTakesTheFilesPassages) {
    const QByteArray own = fileBytes("activities/healthy-living.toml");
    useOwnActivities();
    // Healthy Living's own file with its Smoking passage alone.
    write("healthy-living.toml",
          own.left(own.indexOf("[[passage]]", own.indexOf("[[passage]]") + 1)));
    write("healthy.toml", QByteArray(kPassage)
                              .replace("topic = \"Rocks\"", "menu = 5\ntopic = \"Healthy Living\"")
                              .replace("\"Soil\"", "\"Drugs\""));
    forms().show<TopicMenu5>();
    activityfiles::FileDragScreen& h = labelling_test::board("healthy");
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

TEST_F(FileScreenTest, ASpokenFormIsReadInPlaceOfTheWrittenOne) {
    auto owned = std::make_unique<speech::RecordingVoice>();
    speech::RecordingVoice& voice = *owned;
    speech::installVoice(std::move(owned));
    speech::setReading(true);
    useOwnActivities();
    QByteArray sorting = kSorting, questions = kQuestions, statements = kTrueFalse;
    sorting.replace("\"Ice\"", "\"Ice\"\nsay = \"frozen water\"");
    questions.replace("right",
                      "say = \"How is sand taken out of water?\"\nsay_answers = "
                      "[\"Sieving\", \"Filtering it\", \"Evaporating\"]\nright");
    statements.replace("true =", "say = \"Sound goes through solids.\"\ntrue =");
    write("states.toml", sorting);
    write("sep.toml", questions);
    write("sound.toml", statements);
    write("rocks.toml", kPassage);
    for (int m = 3; m <= 6; ++m) menus::menuPage(m, 0);  // registers the files' screens
    // Each gap, a run of no-break spaces, read as "blank".
    dynamic_cast<FileDragScreen*>(forms().show("file:rocks.toml"))->speaker.read();
    auto* s = dynamic_cast<FileDragScreen*>(forms().show("file:states.toml"));
    ASSERT_TRUE(s);
    s->onKey(&s->words(0), Key::Activate);
    auto* q = dynamic_cast<FileQuestionsScreen*>(forms().show("file:sep.toml"));
    q->speaker.read();
    q->answerClicked(0);
    auto* t = dynamic_cast<FileTrueFalseScreen*>(forms().show("file:sound.toml"));
    t->speaker.read();
    EXPECT_EQ(
        voice.said,
        (QStringList{"Drag and drop the words to complete the sentences below. Soil is made of "
                     "blank and blank .",
                     "frozen water",
                     q->messages(3).Caption() +
                         " How is sand taken out of water? Sieving. Filtering it. Evaporating.",
                     "The answer is: Filtering it",
                     t->messages(3).Caption() + " Sound goes through solids. TRUE. FALSE."}));
    EXPECT_EQ(s->words(0).Caption(), "Ice") << "the written form is shown";
    sorting.replace("frozen water", "");
    EXPECT_EQ(read(sorting).problems[0].message, "\"say\" is empty");
}

static void expectFullMarks(FileDragScreen& s) {
    EXPECT_EQ(s.scoreText.Caption(), QString("%1 out of %1 correct").arg(s.wordCount()))
        << s.name().toStdString();
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
    expectFullMarks(s);
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
    expectFullMarks(s);
}

// Every control shown lies inside the client area (a picture placed by hand may reach past its
// edge, as The Skeleton's does), and its caption whole and readable; nothing overlaps but
// words on their home slots, the passage under its boxes and the picture.
static void expectLaidOutWhole(const Form& form) {
    const std::string name = form.name().toStdString();
    std::vector<const Control*> shown;
    for (const Control* c : form.controls())
        if (c->Visible() && c->Width() > 0 && !dynamic_cast<const Line*>(c)) shown.push_back(c);
    const QRectF client(0, 0, form.ScaleWidth(), form.ScaleHeight());
    for (const Control* c : shown) {
        const QRectF r(c->Left(), c->Top(), c->Width(), c->Height());
        EXPECT_TRUE(client.contains(r) || c->name() == "Image1")
            << name << " " << c->name().toStdString();
        if (const auto* l = dynamic_cast<const Label*>(c)) {
            // Readable from the back: a capital at least kSmallestCapital pixels high.
            EXPECT_GE(QFontMetricsF(makeFont(l->font(), l->fittedPoints())).capHeight(),
                      kSmallestCapital)
                << name << " " << l->Caption().toStdString();
            EXPECT_TRUE(l->captionFitsAt(l->fittedPoints())) << l->Caption().toStdString();
        }
        for (const Control* d : shown) {
            const QRectF o(d->Left(), d->Top(), d->Width(), d->Height());
            static const QStringList mayOverlap{"Label4", "Label5", "Image1"};
            if (c < d && !mayOverlap.contains(c->name()) && !mayOverlap.contains(d->name())) {
                EXPECT_FALSE(r.intersects(o))
                    << name << " " << c->name().toStdString() << c->index() << " "
                    << d->name().toStdString() << d->index();
            }
        }
    }
}

// Each kind laid out whole at both scales, the drag kinds played to full marks by a finger's taps
// at the larger and by the pointer at scale 1; the answer kinds played at scale 1.
TEST_F(FileScreenTest, EachKindLaidOutWholeAndPlayedToFullMarks) {
    for (float scale : {1.75f, 1.0f}) {
        forms().clear();
        Twips::setScale(scale);
        writeAll();
        for (const char* name : {"file:water.toml", "file:states.toml", "file:rocks.toml",
                                 "file:rocks.toml#2", "file:sep.toml", "file:sound.toml"}) {
            Form* form = forms().show(name);
            ASSERT_TRUE(form) << name;
            settle();
            expectLaidOutWhole(*form);
            if (auto* drag = dynamic_cast<FileDragScreen*>(form)) solveByPointer(*drag, scale > 1);
            forms().unload(*form);
        }
    }
    // The words start dealt over the plan's start places, not in the file's order (which is
    // the answer), and Start Again deals them afresh from the random source.
    auto* states = dynamic_cast<FileDragScreen*>(forms().show("file:states.toml"));
    const auto homes = [&] {
        std::vector<QPointF> at;
        for (int i = 0; i < states->wordCount(); ++i)
            at.emplace_back(states->homes(i).Left(), states->homes(i).Top());
        return at;
    };
    std::vector<QPointF> starts;
    for (const Box& b : states->plan().boxes) starts.push_back(b.start);
    const std::vector<QPointF> dealt = homes();
    EXPECT_NE(dealt, starts);
    EXPECT_TRUE(std::is_permutation(dealt.begin(), dealt.end(), starts.begin()));
    fake->draws = {0.99, 0.99, 0.99};  // this time the file's order, which gives nothing away
    real::click(states->commands(1));
    EXPECT_EQ(homes(), starts);
    EXPECT_EQ(states->words(3).Left(), states->homes(3).Left());
    // A passage's words too: drawn in the gaps' order, which is the answer, they are dealt again.
    fake->draws = {0.99, 0.99, 0.99};
    auto* rocks = dynamic_cast<FileDragScreen*>(forms().show("file:rocks.toml"));
    EXPECT_GT(rocks->homes(0).Left(), rocks->homes(1).Left());
    real::click(rocks->passages(1));
    settle();
    auto* fossils = dynamic_cast<FileDragScreen*>(forms().find("file:rocks.toml#2"));
    ASSERT_TRUE(fossils) << "the option shows its own passage";
    EXPECT_EQ(fossils->words(0).Caption(), "fossil");
    auto* q = dynamic_cast<FileQuestionsScreen*>(forms().show("file:sep.toml"));
    ASSERT_TRUE(q);
    // The instruction, on one line above the question.
    EXPECT_EQ(q->messages(3).Caption(), "Choose the best way to separate each mixture.");
    EXPECT_LE(q->messages(3).Top() + q->messages(3).Height(), q->messages(1).Top());
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

// The shipped passages as laid out: no line starts with a comma or a full stop, no line
// before the last holds only a word or two, and a comma stands against its gap's box.
TEST_F(FileScreenTest, PassagesKeepPunctuationAgainstItsGap) {
    useCopyOfRunFolder();
    const Planned planned = plan(*readActivityFile("activities/healthy-living.toml").activity);
    ASSERT_EQ(planned.drags.size(), 4u);
    for (const DragPlan& p : planned.drags) {
        const QString& text = p.passage.caption;
        const QFontMetricsF metrics(makeFont({"Arial", p.passagePoints, true}));
        const auto lines = wrapCarryingBlankRuns(
            text, metrics, Twips::designRect(float(p.passage.rect.width()), 1).width());
        for (size_t k = 0; k < lines.size(); ++k) {
            const QString line = text.mid(lines[k].start, lines[k].length);
            const QString words = line.simplified();  // a gap's no-break run as a blank
            const QChar first = line.at(line.indexOf(QRegularExpression("[^ ]")));
            EXPECT_TRUE(first != ',' && first != '.') << line.toStdString();
            EXPECT_TRUE(k + 1 == lines.size() || words.count(' ') >= 2) << words.toStdString();
            const int comma = line.indexOf(QString(QChar(0xA0)) + ',') + 1;
            if (comma == 0) continue;
            // The comma's place, and the middle of its line: on the right edge of a box.
            const QPointF at(
                p.passage.rect.left() +
                    Twips::fromDesignPixels(metrics.horizontalAdvance(line.left(comma))),
                p.passage.rect.top() + Twips::fromDesignPixels(metrics.lineSpacing() * (k + 0.5)));
            EXPECT_TRUE(std::any_of(p.boxes.begin(), p.boxes.end(), [&](const Box& b) {
                return b.box.adjusted(0, 0, 30, 0).contains(at) && b.box.right() >= at.x() - 30;
            })) << words.toStdString();
        }
    }
}

// The activities the program ships, those laid out by hand included: no topic greyed on any
// menu, each opening a window with its activity's title, laid out whole and readable at both
// scales with the speaker button, and the drag kinds solved by the pointer.
TEST_F(FileScreenTest, EveryShippedActivityOpensLaidOutAndSolved) {
    // With reading aloud on, so that the speaker buttons are laid out too.
    speech::installVoice(std::make_unique<speech::RecordingVoice>());
    speech::setReading(true);
    // In English at one scale, in Welsh at the other: every translated word fits too.
    const QLocale before;
    for (float scale : {1.0f, 1.75f}) {
        const bool welsh = scale > 1;
        QLocale::setDefault(welsh ? QLocale(QLocale::Welsh) : before);
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
                // The menus' own entries play shipped files too, laid out by hand.
                const ShippedScreens* shipped = shippedByScreen(form->name());
                const QString file = form->name().startsWith("file:") ? form->name().mid(5)
                                     : shipped                        ? QString(shipped->file)
                                                                      : QString();
                if (file.isEmpty()) {
                    forms().unload(*form);
                    continue;
                }
                ++opened;
                const ReadResult read = readActivityFile("activities/" + file);
                ASSERT_TRUE(read.activity) << form->name().toStdString();
                const QString title =
                    welsh ? translated(*read.activity,
                                       readTranslation(fileBytes("activities/" +
                                                                 translationFileName(file, "cy"))))
                                .title
                          : read.activity->title;
                EXPECT_NE(title, welsh ? read.activity->title : QString());
                EXPECT_EQ(form->Caption(), title);
                expectLaidOutWhole(*form);
                // By the pointer at one scale, by keys at the other.
                if (auto* drag = dynamic_cast<FileDragScreen*>(form))
                    scale == 1.0f ? solveByPointer(*drag) : solveByKeys(*drag);
                forms().unload(*form);
                settle();
            }
        }
        EXPECT_EQ(opened, 24);
    }
    QLocale::setDefault(before);
}
