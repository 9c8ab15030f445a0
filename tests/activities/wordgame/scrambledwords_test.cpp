// The Scrambled Words screen: opening, the shuffle, the flight of the letters frame by
// frame, the busy rule through real clicks, categories, and word lists that break the limits.
#include <QFile>
#include <cstring>
#include <numeric>

#include "activities/wordgame/scrambledwordsscreen.h"
#include "activities/wordgame/shownrow.h"
#include "tests/support/files.h"
#include "tests/support/mouse.h"
#include "tests/support/screentest.h"

using namespace ui;

namespace {

QByteArray list(const QStringList& words) {
    return QByteArray::number(words.size()) + "\r\n" + words.join("\r\n").toUtf8() + "\r\n";
}

QString row(const ControlArray<Label>& tiles, int n) {
    QString out;
    for (int i = 0; i < n; ++i) out += tiles(i).Caption();
    return out;
}

int visibleTiles(const ControlArray<Label>& tiles) {
    int n = 0;
    for (int i = 0; i < ScrambledWordsScreen::kTiles; ++i) n += tiles(i).Visible();
    return n;
}

int markedOption(const ScrambledWordsScreen& s) {
    for (int i = 0; i < 3; ++i)
        if (s.categories(i).Value()) return i;
    return -1;
}

// Runs the animation until it switches itself off; gives the number of ticks.
int flyAll(ScrambledWordsScreen& s) {
    int ticks = 0;
    for (; s.flightTimer.Enabled() && ticks < 10000; ++ticks) s.flightTimer.fire();
    return ticks;
}

}  // namespace

class ScrambledWordsTest : public ScreenTest {
  protected:
    // Word files in a scratch folder; a null list leaves that file out.
    void useLists(const QByteArray& life, const QByteArray& materials, const QByteArray& physical) {
        useEmptyFolder();
        for (const auto& [name, bytes] : {std::pair{"life0.txt", life},
                                          {"materials0.txt", materials},
                                          {"physical0.txt", physical}})
            if (!bytes.isNull()) {
                ASSERT_TRUE(writeFile(name, bytes));
            }
    }
    // Opens the screen and lets its start-up and layout ticks come.
    ScrambledWordsScreen& open() {
        ScrambledWordsScreen& s = forms().show<ScrambledWordsScreen>();
        passTime(2);
        return s;
    }
};

TEST_F(ScrambledWordsTest, OpensWithAShuffledWordOfARandomCategory) {
    // Category Int(3 x 0.5) = 1, Materials; wordnum Int(73 x 0) = 0, so the word of slot 1.
    fake->draws = {0.5, 0.0};
    for (int i = 0; i < 500 + 7; ++i) fake->draws.push_back(0.37 * (i % 3));
    ScrambledWordsScreen& s = forms().show<ScrambledWordsScreen>();
    EXPECT_EQ(markedOption(s), -1) << "the words are read 1 ms after the screen is up";
    passTime(1);
    EXPECT_EQ(markedOption(s), 1);
    EXPECT_EQ(s.wordlist[1], "metal");
    EXPECT_EQ(s.lists[1][1], "Metal") << "the category's own list keeps its word";
    EXPECT_EQ(fake->draws.size(), 7u) << "100 passes of 5 draws";
    EXPECT_EQ(visibleTiles(s.scrambledTiles), 0) << "the layout tick shows the tiles";

    passTime(1);
    ASSERT_EQ(s.wordLength, 5);
    EXPECT_EQ(visibleTiles(s.scrambledTiles), 5);
    EXPECT_EQ(visibleTiles(s.answerTiles) + visibleTiles(s.flyingTiles), 0);
    EXPECT_EQ(row(s.answerTiles, 5), "metal");
    EXPECT_EQ(s.scrambledTiles(0).Left(), 6000 - 270 * 5);
    for (int i = 0; i < 5; ++i) {
        // Each scrambled letter is the letter of the answer row its origpos names.
        EXPECT_EQ(s.scrambledTiles(i).Caption(),
                  s.answerTiles(s.originalPlace[i + 1] - 1).Caption());
        EXPECT_EQ(s.flyingTiles(i).Caption(), s.scrambledTiles(i).Caption());
        EXPECT_EQ(s.flyingTiles(i).Left(), s.scrambledTiles(i).Left());
    }
}

TEST_F(ScrambledWordsTest, FlightPositionsFrameByFrameAndTheBusyRule) {
    useLists(list({"Magnet"}), list({"Wood"}), QByteArray());
    ScrambledWordsScreen& s = open();
    const auto expectAt = [&s](int tile, int frame) {
        const Label& start = s.scrambledTiles(tile);
        const Label& target = s.answerTiles(s.originalPlace[tile + 1] - 1);
        EXPECT_TRUE(s.flyingTiles(tile).Visible());
        EXPECT_FLOAT_EQ(s.flyingTiles(tile).Left(),
                        (target.Left() - start.Left()) * frame / 40 + start.Left())
            << "tile " << tile << " frame " << frame;
        EXPECT_FLOAT_EQ(s.flyingTiles(tile).Top(), (5640.0f - 2880.0f) * frame / 40 + 2880.0f);
    };
    s.commandClicked(2);
    passTime(24);
    EXPECT_EQ(s.flightFrame + s.flightLetter, 0) << "a frame every 25 ms";
    passTime(1);
    expectAt(0, 1);
    EXPECT_FALSE(s.flyingTiles(1).Visible());
    passTime(19 * 25);
    // Busy: New Question, Show Answer and the categories wait for the last tile to land.
    s.commandClicked(1);
    s.commandClicked(2);
    s.categoryChosen(1);
    EXPECT_EQ(std::tuple(s.category, s.flightFrame, markedOption(s)), std::tuple(0, 20, 0));
    expectAt(0, 20);
    passTime(20 * 25);
    expectAt(0, 40);  // lands exactly
    passTime(25);     // the next tile's frame 0: shown at its start for one tick
    expectAt(1, 0);

    // 41 ticks a letter in all, the last only switching the timer off.
    EXPECT_EQ(flyAll(s) + 41, 41 * 6);
    for (int i = 0; i < 6; ++i) {
        const Label& target = s.answerTiles(s.originalPlace[i + 1] - 1);
        EXPECT_EQ(QPointF(s.flyingTiles(i).Left(), s.flyingTiles(i).Top()),
                  QPointF(target.Left(), target.Top()));
        EXPECT_EQ(s.flyingTiles(i).Caption(), target.Caption()) << "covers the same letter";
    }
}

TEST_F(ScrambledWordsTest, WordsComeInTurnAndOnlyAToZLoseTheirCapital) {
    // "İ" would become two characters in lower case.
    useLists(list({"Seed", "\xC4\xB0nce", "\xC3\x89tamine", "Root"}), QByteArray(), QByteArray());
    fake->draws = {0.0, 0.5};  // Int(4 x 0.5) = 2, so the word of slot 3
    ScrambledWordsScreen& s = open();
    QStringList seen;
    for (int i = 0; i < 5; ++i) {
        seen << row(s.answerTiles, s.wordLength);
        s.commandClicked(1);
        passTime(1);
    }
    EXPECT_EQ(seen, QStringList({"root", "seed", "\xC4\xB0nce", "\xC3\x89tamine", "root"}));
}

TEST_F(ScrambledWordsTest, OneLetterAndSixteenLetterWords) {
    useLists(list({"A"}), list({"Electromagnetism"}), QByteArray());
    fake->draws = {0.0};
    ScrambledWordsScreen& one = open();
    EXPECT_EQ(one.scrambledTiles(0).Caption(), "a");
    EXPECT_EQ(one.scrambledTiles(0).Left(), 5730);
    one.commandClicked(2);
    for (int i = 0; i < 20; ++i) one.flightTimer.fire();
    EXPECT_EQ(QPointF(one.flyingTiles(0).Left(), one.flyingTiles(0).Top()), QPointF(5730, 4260))
        << "straight down";
    EXPECT_EQ(flyAll(one), 21);

    // Materials: the category goes on from slot 0 + 1 mod 1 of the one word there.
    one.categories(1).setValue(true);
    passTime(1);
    EXPECT_EQ(one.scrambledTiles(0).Left(), 1680);
    EXPECT_EQ(visibleTiles(one.scrambledTiles), 16);
    const Label& last = one.answerTiles(15);
    EXPECT_LE(last.Left() + last.Width(), one.ScaleWidth());
}

TEST_F(ScrambledWordsTest, CategoriesWithoutWordsAreDisabledAndNeverDrawn) {
    // Life: 100 MB without a line end; Materials: a count of 0; Physical: one usable word.
    useLists(QByteArray(), "0\r\nWood\r\n", "3\r\n\"\"\r\nElectromagnetisms\r\nForce\r\n");
    QFile huge("life0.txt");
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(100 * 1024 * 1024));  // sparse
    huge.close();
    fake->draws = {0.0, 0.0};
    ScrambledWordsScreen& s = open();
    EXPECT_FALSE(s.categories(0).Enabled() || s.categories(1).Enabled());
    EXPECT_EQ(s.category, 2);
    EXPECT_EQ(row(s.answerTiles, s.wordLength), "force");
    real::click(s.categories(0));
    EXPECT_EQ(markedOption(s), 2);

    // With no words at all only Exit does anything.
    QFile::remove("physical0.txt");
    forms().clear();
    ScrambledWordsScreen& none = open();
    real::click(none.commands(1));
    real::click(none.commands(2));
    real::click(none.categories(2));
    EXPECT_EQ(markedOption(none), -1);
    EXPECT_EQ(visibleTiles(none.scrambledTiles), 0);
    real::click(none.commands(0));
    EXPECT_FALSE(forms().isLoaded<ScrambledWordsScreen>());
}

// Letters that come out in the answer's order are shuffled again a bounded number of times,
// then turned by one place, each still flying home.
TEST_F(ScrambledWordsTest, AWordNeverShowsInItsAnswerOrder) {
    useLists(list({"Ox", "Egg"}), list({"Ox"}), list({"Ox"}));
    fake->draws = {0.0, 0.0};  // Life Processes from slot 0: "Egg", in slot 1, comes first
    // Draws that swap every letter with itself, more than any number of shuffles takes.
    for (int i = 0; i < 30000; ++i) fake->draws.push_back((i % 3 + 0.5) / 3);
    ScrambledWordsScreen& s = open();
    EXPECT_EQ(row(s.scrambledTiles, 3), "gge");
    EXPECT_GT(fake->draws.size(), 25000u) << "a few shuffles more, not an endless loop";
    for (int p = 1; p <= 3; ++p)
        EXPECT_EQ(s.letters[p], s.answerTiles(s.originalPlace[p] - 1).Caption()) << p;
    fake->draws.clear();  // only zeros, which give two letters back as they were
    s.commandClicked(1);
    passTime(1);
    EXPECT_EQ(row(s.scrambledTiles, 2), "xo");
    // A teacher's word whose first turn would spell a never-shown word: turned once more.
    useLists(list({"Xse"}), list({"Ox"}), list({"Ox"}));
    forms().unload(s);
    fake->draws = {0.0, 0.0};
    for (int i = 0; i < 30000; ++i) fake->draws.push_back((i % 3 + 0.5) / 3);
    EXPECT_EQ(row(open().scrambledTiles, 3), "exs");
}

// Every order of the shipped short words, and for the long ones every never-shown word that
// their letters make followed by the rest: none is shown spelling a never-shown word.
TEST_F(ScrambledWordsTest, NoShippedWordIsShownSpellingANeverShownWord) {
    useCopyOfRunFolder();
    int spelt = 0;
    const auto expectShownRight = [&](std::vector<int> order, const QStringList& word) {
        QString row;
        for (int place : order) row += word[place];
        spelt += wordgame::spellsNeverShown(row);
        if (!wordgame::mayShow(order, word)) order = wordgame::mended(order, word);
        EXPECT_TRUE(wordgame::mayShow(order, word)) << row.toStdString();
    };
    for (const QLocale::Language language : {QLocale::English, QLocale::Welsh})
        for (int c = 0; c < wordgame::kCategories; ++c) {
            const wordgame::WordLists read = wordgame::readWordLists(QLocale(language));
            for (int i = 0; i < read.wordCounts[c]; ++i) {
                const QStringList word = wordgame::letters(read.lists[c][i], read.alphabets[c]);
                std::vector<int> order(word.size());
                std::iota(order.begin(), order.end(), 0);
                if (word.size() <= 7) {
                    do expectShownRight(order, word);
                    while (std::next_permutation(order.begin(), order.end()));
                    continue;
                }
                for (const char* never : wordgame::neverShownWords()) {
                    std::vector<int> first;
                    for (const char letter : std::string_view(never)) {
                        for (int p = 0; p < word.size(); ++p)
                            if (word[p].toLower() == QChar(letter) &&
                                std::find(first.begin(), first.end(), p) == first.end()) {
                                first.push_back(p);
                                break;
                            }
                    }
                    if (first.size() < std::strlen(never)) continue;
                    for (int p : order)
                        if (std::find(first.begin(), first.end(), p) == first.end())
                            first.push_back(p);
                    expectShownRight(first, word);
                }
            }
        }
    EXPECT_GT(spelt, 0) << "Spine's letters spell one; Insect's another";
}
