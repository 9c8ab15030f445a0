// The Scrambled Words screen: opening, the shuffle, the flight of the letters frame by
// frame, the busy rule through real clicks, categories, and word lists that break the limits.
#include "activities/wordgame/scramble.h"

#include <QFile>

#include "menus/menuscreen.h"
#include "tests/support/mouse.h"
#include "tests/support/screentest.h"

using namespace ui;

namespace {

QByteArray list(const QStringList& words) {
    return QByteArray::number(words.size()) + "\r\n" + words.join("\r\n").toUtf8() + "\r\n";
}

}  // namespace

class ScrambleTest : public ScreenTest {
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
    scramble& open() {
        scramble& s = forms().show<scramble>();
        s.Timer3.fire();
        s.Timer1.fire();
        return s;
    }
    // Real clicks run the event loop; from here on only the test makes the timers tick.
    static void holdTimers(scramble& s) {
        for (Timer* t : {&s.Timer1, &s.Timer2, &s.Timer3}) t->setInterval(3600 * 1000);
    }
    static void layOut(scramble& s) { s.Timer1.fire(); }
    // Runs the animation until it switches itself off; gives the number of ticks.
    static int flyAll(scramble& s) {
        int ticks = 0;
        for (; s.Timer2.Enabled() && ticks < 10000; ++ticks) s.Timer2.fire();
        return ticks;
    }
    static QString row(const ControlArray<Label>& tiles, int n) {
        QString out;
        for (int i = 0; i < n; ++i) out += tiles(i).Caption();
        return out;
    }
    static int visibleTiles(const ControlArray<Label>& tiles) {
        int n = 0;
        for (int i = 0; i < scramble::kTiles; ++i) n += tiles(i).Visible();
        return n;
    }
    static int markedOption(const scramble& s) {
        for (int i = 0; i < 3; ++i)
            if (s.Option1(i).Value()) return i;
        return -1;
    }
};

TEST_F(ScrambleTest, OpensWithAShuffledWordOfARandomCategory) {
    // Category Int(3 x 0.5) = 1, Materials; wordnum Int(73 x 0) = 0, so the word of slot 1.
    fake->draws = {0.5, 0.0};
    for (int i = 0; i < 500 + 7; ++i) fake->draws.push_back(0.37 * (i % 3));
    scramble& s = forms().show<scramble>();
    s.Timer3.fire();
    EXPECT_EQ(markedOption(s), 1);
    EXPECT_EQ(s.wordnum, 1);
    EXPECT_EQ(s.wordlist[1], "metal");
    EXPECT_EQ(s.lists[1][1], "Metal") << "the category's own list keeps its word";
    EXPECT_EQ(fake->randomizeCalls, 2) << "once to draw the word, once before the shuffle";
    EXPECT_EQ(fake->draws.size(), 7u) << "100 passes of 5 draws";
    EXPECT_EQ(visibleTiles(s.Label5), 0) << "the layout tick shows the tiles";

    layOut(s);
    ASSERT_EQ(s.L, 5);
    EXPECT_EQ(visibleTiles(s.Label5), 5);
    EXPECT_EQ(visibleTiles(s.Label6) + visibleTiles(s.Label7), 0);
    EXPECT_EQ(row(s.Label6, 5), "metal");
    EXPECT_EQ(s.Label5(0).Left(), 6000 - 270 * 5);
    for (int i = 0; i < 5; ++i) {
        // Each scrambled letter is the letter of the answer row its origpos names.
        EXPECT_EQ(s.Label5(i).Caption(), s.Label6(s.origpos[i + 1] - 1).Caption()) << i;
        EXPECT_EQ(s.Label7(i).Caption(), s.Label5(i).Caption());
        EXPECT_EQ(s.Label7(i).Left(), s.Label5(i).Left());
    }
}

TEST_F(ScrambleTest, FlightPositionsFrameByFrameAndReplay) {
    useLists(list({"Magnet"}), QByteArray(), QByteArray());
    scramble& s = open();
    s.Label3_Click(2);
    ASSERT_TRUE(s.Timer2.Enabled());

    const auto expectAt = [&s](int tile, int frame) {
        const Label& start = s.Label5(tile);
        const Label& target = s.Label6(s.origpos[tile + 1] - 1);
        EXPECT_TRUE(s.Label7(tile).Visible());
        EXPECT_FLOAT_EQ(s.Label7(tile).Left(),
                        (target.Left() - start.Left()) * frame / 40 + start.Left())
            << "tile " << tile << " frame " << frame;
        EXPECT_FLOAT_EQ(s.Label7(tile).Top(), (5640.0f - 2880.0f) * frame / 40 + 2880.0f);
    };
    s.Timer2.fire();
    expectAt(0, 1);
    EXPECT_FALSE(s.Label7(1).Visible());
    for (int i = 2; i <= 20; ++i) s.Timer2.fire();
    expectAt(0, 20);
    for (int i = 21; i <= 40; ++i) s.Timer2.fire();
    EXPECT_EQ(s.Label7(0).Left(), s.Label6(s.origpos[1] - 1).Left()) << "lands exactly";
    s.Timer2.fire();  // the next tile's frame 0: shown at its start for one tick
    expectAt(1, 0);

    // 41 ticks a letter in all, the last only switching the timer off.
    EXPECT_EQ(flyAll(s) + 41, 41 * 6);
    EXPECT_EQ(s.flyframe + s.flyletter, 0);
    for (int i = 0; i < 6; ++i) {
        const Label& target = s.Label6(s.origpos[i + 1] - 1);
        EXPECT_EQ(QPointF(s.Label7(i).Left(), s.Label7(i).Top()),
                  QPointF(target.Left(), target.Top()));
        EXPECT_EQ(s.Label7(i).Caption(), target.Caption()) << "covers the same letter";
    }

    // Show Answer again: the second tile waits where it landed until its turn comes.
    s.Label3_Click(2);
    s.Timer2.fire();
    expectAt(0, 1);
    EXPECT_EQ(s.Label7(1).Top(), 5640);
    for (int i = 0; i < 40; ++i) s.Timer2.fire();
    expectAt(1, 0);
}

TEST_F(ScrambleTest, RealClicksWaitForTheStartAndForTheLastTileToLand) {
    useLists(list({"Heart", "Lungs", "Blood"}), list({"Wood", "Metal"}), QByteArray());
    fake->draws = {0.0, 0.0};  // Life Processes, starting after slot 0: "lungs"
    scramble& s = forms().show<scramble>();
    holdTimers(s);
    real::click(s.Option1(2));
    real::click(s.Label3(1));
    real::click(s.Label3(2));
    EXPECT_EQ(markedOption(s), -1) << "no category is marked before the words show";
    EXPECT_EQ(s.L, 0);
    EXPECT_FALSE(s.Timer1.Enabled() || s.Timer2.Enabled());

    s.Timer3.fire();
    layOut(s);
    ASSERT_EQ(s.wordlist[1], "lungs");
    real::click(s.Label3(2));
    ASSERT_TRUE(s.Timer2.Enabled());
    for (int i = 0; i < 45; ++i) s.Timer2.fire();
    const QString shown = row(s.Label5, 5);
    real::click(s.Label3(1));
    real::click(s.Label3(2));
    real::click(s.Option1(1));
    EXPECT_EQ(s.wordnum, 1);
    EXPECT_EQ(s.category, 0);
    EXPECT_EQ(row(s.Label5, 5), shown);
    EXPECT_EQ(s.flyletter * 41 + s.flyframe, 45) << "the flight goes on undisturbed";
    EXPECT_EQ(markedOption(s), 0) << "the refused category is not left marked";

    flyAll(s);
    real::click(s.Label3(1));
    EXPECT_EQ(s.wordnum, 2);
    EXPECT_EQ(visibleTiles(s.Label6) + visibleTiles(s.Label7), 0);
    real::click(s.Option1(1));  // refused while the layout tick is due
    EXPECT_EQ(markedOption(s), 0);
    layOut(s);
    real::click(s.Option1(1));
    EXPECT_EQ(markedOption(s), 1);
    EXPECT_EQ(s.wordlist[s.wordnum], "metal") << "slot (2 + 1) mod 2";
}

TEST_F(ScrambleTest, NewCategoryGoesOnFromTheSameSlot) {
    QStringList ten, five;
    for (int i = 0; i < 10; ++i) ten << QString("Life%1").arg(i);
    for (int i = 0; i < 5; ++i) five << QString("Stuff%1").arg(i);
    useLists(list(ten), list(five), QByteArray());
    fake->draws = {0.0, 0.65};  // Life Processes, Int(10 x 0.65) = 6, so the word of slot 7
    scramble& s = open();
    ASSERT_EQ(s.wordnum, 7);
    s.Option1(1).setValue(true);
    EXPECT_EQ(s.category, 1);
    EXPECT_EQ(s.wordnum, 3);
    EXPECT_EQ(row(s.Label6, s.L), "stuff3");
}

TEST_F(ScrambleTest, AfterNQuestionsTheFirstWordComesBackTheSame) {
    // Only A to Z lose their capital: "İ" would become two characters in lower case.
    useLists(list({"Seed", "\xC4\xB0nce", "\xC3\x89tamine", "Root"}), QByteArray(), QByteArray());
    scramble& s = open();
    const int first = s.wordnum;
    const QString scrambled = row(s.Label5, s.L);
    const QString answer = row(s.Label6, s.L);
    QStringList seen;
    for (int i = 0; i < 4; ++i) {
        s.Label3_Click(1);
        layOut(s);
        seen << row(s.Label6, s.L);
    }
    seen.sort();
    EXPECT_EQ(seen, QStringList({"root", "seed", "\xC3\x89tamine", "\xC4\xB0nce"}));
    EXPECT_EQ(s.wordnum, first);
    EXPECT_EQ(row(s.Label6, s.L), answer);
    EXPECT_EQ(row(s.Label5, s.L), scrambled);
}

TEST_F(ScrambleTest, OneLetterAndSixteenLetterWords) {
    useLists(list({"A"}), list({"Electromagnetism"}), QByteArray());
    fake->draws = {0.0};
    scramble& one = open();
    EXPECT_EQ(one.Label5(0).Caption(), "a");
    EXPECT_EQ(one.Label5(0).Left(), 5730);
    one.Label3_Click(2);
    for (int i = 0; i < 20; ++i) one.Timer2.fire();
    EXPECT_EQ(one.Label7(0).Left(), 5730) << "straight down";
    EXPECT_EQ(one.Label7(0).Top(), 4260);
    EXPECT_EQ(flyAll(one), 21);

    forms().clear();
    fake->draws = {0.5};
    scramble& sixteen = open();
    EXPECT_EQ(sixteen.Label5(0).Left(), 1680);
    EXPECT_EQ(visibleTiles(sixteen.Label5), 16);
    const Label& last = sixteen.Label6(15);
    EXPECT_LE(last.Left() + last.Width(), sixteen.ScaleWidth());
}

TEST_F(ScrambleTest, OpensFromMenu5AndExitsMidFlight) {
    forms().show("intro0");
    menu5& menu = forms().show<menu5>();
    real::click(menu.Label3(3));
    scramble& s = forms().get<scramble>();
    holdTimers(s);
    s.Timer3.fire();
    layOut(s);
    real::click(s.Label3(2));
    s.Timer2.fire();
    real::click(s.Label3(0));
    EXPECT_FALSE(forms().isLoaded<scramble>());
    settle();
    EXPECT_TRUE(menu.window()->isVisible());
}

TEST_F(ScrambleTest, AnEditedListTakesEffectOnTheNextOpening) {
    useCopyOfRunFolder();
    open().Label3_Click(0);
    settle();
    write("life0.txt", list({"Zebra"}));
    QFile::remove("materials0.txt");
    QFile::remove("physical0.txt");
    scramble& after = open();
    EXPECT_EQ(after.wordcount[0], 1);
    EXPECT_EQ(row(after.Label6, after.L), "zebra");
}

TEST_F(ScrambleTest, CategoriesWithoutWordsAreDisabledAndNeverDrawn) {
    // Life: 100 MB without a line end; Materials: a count of 0; Physical: one usable word.
    useLists(QByteArray(), "0\r\nWood\r\n", "3\r\n\"\"\r\nElectromagnetisms\r\nForce\r\n");
    QFile huge("life0.txt");
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(100 * 1024 * 1024));  // sparse: it takes no room on disk
    huge.close();
    fake->draws = {0.0, 0.0};
    scramble& s = open();
    EXPECT_FALSE(s.Option1(0).Enabled() || s.Option1(1).Enabled());
    EXPECT_TRUE(s.Option1(2).Enabled());
    EXPECT_EQ(s.category, 2);
    EXPECT_EQ(row(s.Label6, s.L), "force");
    real::click(s.Option1(0));
    EXPECT_EQ(markedOption(s), 2);
}

TEST_F(ScrambleTest, WithNoWordsAtAllOnlyExitDoesAnything) {
    useLists(QByteArray(), "", "x\r\n");
    scramble& s = open();
    for (int i = 0; i < 3; ++i) EXPECT_FALSE(s.Option1(i).Enabled());
    real::click(s.Label3(1));
    real::click(s.Label3(2));
    s.Option1_Click(1);
    EXPECT_EQ(markedOption(s), -1);
    EXPECT_EQ(visibleTiles(s.Label5) + visibleTiles(s.Label6) + visibleTiles(s.Label7), 0);
    real::click(s.Label3(0));
    EXPECT_FALSE(forms().isLoaded<scramble>());
}
