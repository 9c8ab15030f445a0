// The Scrambled Words screen: opening, the shuffle, the flight of the letters frame by
// frame, the busy rule through real clicks, categories, and word lists that break the limits.
#include <QFile>

#include "activities/wordgame/scrambledwordsscreen.h"
#include "menus/topicmenu.h"
#include "tests/support/mouse.h"
#include "tests/support/screentest.h"

using namespace ui;

namespace {

QByteArray list(const QStringList& words) {
    return QByteArray::number(words.size()) + "\r\n" + words.join("\r\n").toUtf8() + "\r\n";
}

}  // namespace

class ScrambledWordsTest : public ScreenTest {
  protected:
    // Word files in a scratch folder; a null list leaves that file out.
    void useLists(const QByteArray& life, const QByteArray& materials, const QByteArray& physical) {
        useEmptyFolder();
        write("life0.txt", life);
        write("materials0.txt", materials);
        write("physical0.txt", physical);
    }
    static void write(const char* name, const QByteArray& bytes) {
        if (bytes.isNull()) return;
        QFile file(name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

    // Opens the screen and runs its start-up and layout ticks.
    ScrambledWordsScreen& open() {
        ScrambledWordsScreen& s = forms().show<ScrambledWordsScreen>();
        s.loadTimer.fire();
        s.layoutTimer.fire();
        return s;
    }
    // Real clicks run the event loop; from here on only the test makes the timers tick.
    static void holdTimers(ScrambledWordsScreen& s) {
        for (Timer* t : {&s.layoutTimer, &s.flightTimer, &s.loadTimer}) t->setInterval(3600 * 1000);
    }
    static void layOut(ScrambledWordsScreen& s) { s.layoutTimer.fire(); }
    // Runs the animation until it switches itself off; gives the number of ticks.
    static int flyAll(ScrambledWordsScreen& s) {
        int ticks = 0;
        for (; s.flightTimer.Enabled() && ticks < 10000; ++ticks) s.flightTimer.fire();
        return ticks;
    }
    static QString row(const ControlArray<Label>& tiles, int n) {
        QString out;
        for (int i = 0; i < n; ++i) out += tiles(i).Caption();
        return out;
    }
    static int visibleTiles(const ControlArray<Label>& tiles) {
        int n = 0;
        for (int i = 0; i < ScrambledWordsScreen::kTiles; ++i) n += tiles(i).Visible();
        return n;
    }
    static int markedOption(const ScrambledWordsScreen& s) {
        for (int i = 0; i < 3; ++i)
            if (s.categories(i).Value()) return i;
        return -1;
    }
};

TEST_F(ScrambledWordsTest, OpensWithAShuffledWordOfARandomCategory) {
    // Category Int(3 x 0.5) = 1, Materials; wordnum Int(73 x 0) = 0, so the word of slot 1.
    fake->draws = {0.5, 0.0};
    for (int i = 0; i < 500 + 7; ++i) fake->draws.push_back(0.37 * (i % 3));
    ScrambledWordsScreen& s = forms().show<ScrambledWordsScreen>();
    s.loadTimer.fire();
    EXPECT_EQ(markedOption(s), 1);
    EXPECT_EQ(s.wordNumber, 1);
    EXPECT_EQ(s.wordlist[1], "metal");
    EXPECT_EQ(s.lists[1][1], "Metal") << "the category's own list keeps its word";
    EXPECT_EQ(fake->randomizeCalls, 2) << "once to draw the word, once before the shuffle";
    EXPECT_EQ(fake->draws.size(), 7u) << "100 passes of 5 draws";
    EXPECT_EQ(visibleTiles(s.scrambledTiles), 0) << "the layout tick shows the tiles";

    layOut(s);
    ASSERT_EQ(s.wordLength, 5);
    EXPECT_EQ(visibleTiles(s.scrambledTiles), 5);
    EXPECT_EQ(visibleTiles(s.answerTiles) + visibleTiles(s.flyingTiles), 0);
    EXPECT_EQ(row(s.answerTiles, 5), "metal");
    EXPECT_EQ(s.scrambledTiles(0).Left(), 6000 - 270 * 5);
    for (int i = 0; i < 5; ++i) {
        // Each scrambled letter is the letter of the answer row its origpos names.
        EXPECT_EQ(s.scrambledTiles(i).Caption(),
                  s.answerTiles(s.originalPlace[i + 1] - 1).Caption())
            << i;
        EXPECT_EQ(s.flyingTiles(i).Caption(), s.scrambledTiles(i).Caption());
        EXPECT_EQ(s.flyingTiles(i).Left(), s.scrambledTiles(i).Left());
    }
}

TEST_F(ScrambledWordsTest, FlightPositionsFrameByFrameAndReplay) {
    useLists(list({"Magnet"}), QByteArray(), QByteArray());
    ScrambledWordsScreen& s = open();
    s.commandClicked(2);
    ASSERT_TRUE(s.flightTimer.Enabled());

    const auto expectAt = [&s](int tile, int frame) {
        const Label& start = s.scrambledTiles(tile);
        const Label& target = s.answerTiles(s.originalPlace[tile + 1] - 1);
        EXPECT_TRUE(s.flyingTiles(tile).Visible());
        EXPECT_FLOAT_EQ(s.flyingTiles(tile).Left(),
                        (target.Left() - start.Left()) * frame / 40 + start.Left())
            << "tile " << tile << " frame " << frame;
        EXPECT_FLOAT_EQ(s.flyingTiles(tile).Top(), (5640.0f - 2880.0f) * frame / 40 + 2880.0f);
    };
    s.flightTimer.fire();
    expectAt(0, 1);
    EXPECT_FALSE(s.flyingTiles(1).Visible());
    for (int i = 2; i <= 20; ++i) s.flightTimer.fire();
    expectAt(0, 20);
    for (int i = 21; i <= 40; ++i) s.flightTimer.fire();
    EXPECT_EQ(s.flyingTiles(0).Left(), s.answerTiles(s.originalPlace[1] - 1).Left())
        << "lands exactly";
    s.flightTimer.fire();  // the next tile's frame 0: shown at its start for one tick
    expectAt(1, 0);

    // 41 ticks a letter in all, the last only switching the timer off.
    EXPECT_EQ(flyAll(s) + 41, 41 * 6);
    EXPECT_EQ(s.flightFrame + s.flightLetter, 0);
    for (int i = 0; i < 6; ++i) {
        const Label& target = s.answerTiles(s.originalPlace[i + 1] - 1);
        EXPECT_EQ(QPointF(s.flyingTiles(i).Left(), s.flyingTiles(i).Top()),
                  QPointF(target.Left(), target.Top()));
        EXPECT_EQ(s.flyingTiles(i).Caption(), target.Caption()) << "covers the same letter";
    }

    // Show Answer again: the second tile waits where it landed until its turn comes.
    s.commandClicked(2);
    s.flightTimer.fire();
    expectAt(0, 1);
    EXPECT_EQ(s.flyingTiles(1).Top(), 5640);
    for (int i = 0; i < 40; ++i) s.flightTimer.fire();
    expectAt(1, 0);
}

TEST_F(ScrambledWordsTest, RealClicksWaitForTheStartAndForTheLastTileToLand) {
    useLists(list({"Heart", "Lungs", "Blood"}), list({"Wood", "Metal"}), QByteArray());
    fake->draws = {0.0, 0.0};  // Life Processes, starting after slot 0: "lungs"
    ScrambledWordsScreen& s = forms().show<ScrambledWordsScreen>();
    holdTimers(s);
    real::click(s.categories(2));
    real::click(s.commands(1));
    real::click(s.commands(2));
    EXPECT_EQ(markedOption(s), -1) << "no category is marked before the words show";
    EXPECT_EQ(s.wordLength, 0);
    EXPECT_FALSE(s.layoutTimer.Enabled() || s.flightTimer.Enabled());

    s.loadTimer.fire();
    layOut(s);
    ASSERT_EQ(s.wordlist[1], "lungs");
    real::click(s.commands(2));
    ASSERT_TRUE(s.flightTimer.Enabled());
    for (int i = 0; i < 45; ++i) s.flightTimer.fire();
    const QString shown = row(s.scrambledTiles, 5);
    real::click(s.commands(1));
    real::click(s.commands(2));
    real::click(s.categories(1));
    EXPECT_EQ(s.wordNumber, 1);
    EXPECT_EQ(s.category, 0);
    EXPECT_EQ(row(s.scrambledTiles, 5), shown);
    EXPECT_EQ(s.flightLetter * 41 + s.flightFrame, 45) << "the flight goes on undisturbed";
    EXPECT_EQ(markedOption(s), 0) << "the refused category is not left marked";

    flyAll(s);
    real::click(s.commands(1));
    EXPECT_EQ(s.wordNumber, 2);
    EXPECT_EQ(visibleTiles(s.answerTiles) + visibleTiles(s.flyingTiles), 0);
    real::click(s.categories(1));  // refused while the layout tick is due
    EXPECT_EQ(markedOption(s), 0);
    layOut(s);
    real::click(s.categories(1));
    EXPECT_EQ(markedOption(s), 1);
    EXPECT_EQ(s.wordlist[s.wordNumber], "metal") << "slot (2 + 1) mod 2";
}

TEST_F(ScrambledWordsTest, NewCategoryGoesOnFromTheSameSlot) {
    QStringList ten, five;
    for (int i = 0; i < 10; ++i) ten << QString("Life%1").arg(i);
    for (int i = 0; i < 5; ++i) five << QString("Stuff%1").arg(i);
    useLists(list(ten), list(five), QByteArray());
    fake->draws = {0.0, 0.65};  // Life Processes, Int(10 x 0.65) = 6, so the word of slot 7
    ScrambledWordsScreen& s = open();
    ASSERT_EQ(s.wordNumber, 7);
    s.categories(1).setValue(true);
    EXPECT_EQ(s.category, 1);
    EXPECT_EQ(s.wordNumber, 3);
    EXPECT_EQ(row(s.answerTiles, s.wordLength), "stuff3");
}

TEST_F(ScrambledWordsTest, AfterNQuestionsTheFirstWordComesBackTheSame) {
    // Only A to Z lose their capital: "İ" would become two characters in lower case.
    useLists(list({"Seed", "\xC4\xB0nce", "\xC3\x89tamine", "Root"}), QByteArray(), QByteArray());
    ScrambledWordsScreen& s = open();
    const int first = s.wordNumber;
    const QString scrambled = row(s.scrambledTiles, s.wordLength);
    const QString answer = row(s.answerTiles, s.wordLength);
    QStringList seen;
    for (int i = 0; i < 4; ++i) {
        s.commandClicked(1);
        layOut(s);
        seen << row(s.answerTiles, s.wordLength);
    }
    seen.sort();
    EXPECT_EQ(seen, QStringList({"root", "seed", "\xC3\x89tamine", "\xC4\xB0nce"}));
    EXPECT_EQ(s.wordNumber, first);
    EXPECT_EQ(row(s.answerTiles, s.wordLength), answer);
    EXPECT_EQ(row(s.scrambledTiles, s.wordLength), scrambled);
}

TEST_F(ScrambledWordsTest, OneLetterAndSixteenLetterWords) {
    useLists(list({"A"}), list({"Electromagnetism"}), QByteArray());
    fake->draws = {0.0};
    ScrambledWordsScreen& one = open();
    EXPECT_EQ(one.scrambledTiles(0).Caption(), "a");
    EXPECT_EQ(one.scrambledTiles(0).Left(), 5730);
    one.commandClicked(2);
    for (int i = 0; i < 20; ++i) one.flightTimer.fire();
    EXPECT_EQ(one.flyingTiles(0).Left(), 5730) << "straight down";
    EXPECT_EQ(one.flyingTiles(0).Top(), 4260);
    EXPECT_EQ(flyAll(one), 21);

    forms().clear();
    fake->draws = {0.5};
    ScrambledWordsScreen& sixteen = open();
    EXPECT_EQ(sixteen.scrambledTiles(0).Left(), 1680);
    EXPECT_EQ(visibleTiles(sixteen.scrambledTiles), 16);
    const Label& last = sixteen.answerTiles(15);
    EXPECT_LE(last.Left() + last.Width(), sixteen.ScaleWidth());
}

TEST_F(ScrambledWordsTest, OpensFromMenu5AndExitsMidFlight) {
    forms().show("intro0");
    TopicMenu5& menu = forms().show<TopicMenu5>();
    real::click(menu.topics(3));
    ScrambledWordsScreen& s = forms().get<ScrambledWordsScreen>();
    holdTimers(s);
    s.loadTimer.fire();
    layOut(s);
    real::click(s.commands(2));
    s.flightTimer.fire();
    real::click(s.commands(0));
    EXPECT_FALSE(forms().isLoaded<ScrambledWordsScreen>());
    settle();
    EXPECT_TRUE(menu.window()->isVisible());
}

TEST_F(ScrambledWordsTest, AnEditedListTakesEffectOnTheNextOpening) {
    useCopyOfRunFolder();
    open().commandClicked(0);
    settle();
    write("life0.txt", list({"Zebra"}));
    QFile::remove("materials0.txt");
    QFile::remove("physical0.txt");
    ScrambledWordsScreen& after = open();
    EXPECT_EQ(after.wordCounts[0], 1);
    EXPECT_EQ(row(after.answerTiles, after.wordLength), "zebra");
}

TEST_F(ScrambledWordsTest, CategoriesWithoutWordsAreDisabledAndNeverDrawn) {
    // Life: 100 MB without a line end; Materials: a count of 0; Physical: one usable word.
    useLists(QByteArray(), "0\r\nWood\r\n", "3\r\n\"\"\r\nElectromagnetisms\r\nForce\r\n");
    QFile huge("life0.txt");
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(100 * 1024 * 1024));  // sparse: it takes no room on disk
    huge.close();
    fake->draws = {0.0, 0.0};
    ScrambledWordsScreen& s = open();
    EXPECT_FALSE(s.categories(0).Enabled() || s.categories(1).Enabled());
    EXPECT_TRUE(s.categories(2).Enabled());
    EXPECT_EQ(s.category, 2);
    EXPECT_EQ(row(s.answerTiles, s.wordLength), "force");
    real::click(s.categories(0));
    EXPECT_EQ(markedOption(s), 2);
}

TEST_F(ScrambledWordsTest, WithNoWordsAtAllOnlyExitDoesAnything) {
    useLists(QByteArray(), "", "x\r\n");
    ScrambledWordsScreen& s = open();
    for (int i = 0; i < 3; ++i) EXPECT_FALSE(s.categories(i).Enabled());
    real::click(s.commands(1));
    real::click(s.commands(2));
    s.categoryChosen(1);
    EXPECT_EQ(markedOption(s), -1);
    EXPECT_EQ(
        visibleTiles(s.scrambledTiles) + visibleTiles(s.answerTiles) + visibleTiles(s.flyingTiles),
        0);
    real::click(s.commands(0));
    EXPECT_FALSE(forms().isLoaded<ScrambledWordsScreen>());
}
