// The word list reader: the field rules, the two character sets, lists that break the
// limits, and the lists shipped beside the program.
#include "activities/wordgame/wordlistreader.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QStringEncoder>

#include "activities/wordgame/alphabet.h"
#include "activities/wordgame/wordlists.h"

using namespace wordgame;

namespace {

CategoryWords read(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return readWordList(buffer);
}

// The words of a list, checking that the slots past its count are empty.
QStringList words(const QByteArray& bytes) {
    const CategoryWords list = read(bytes);
    QStringList out;
    for (int i = 0; i < list.count; ++i) out << list.words[i];
    for (int i = list.count; i < kSlots; ++i) EXPECT_TRUE(list.words[i].isEmpty()) << i;
    return out;
}

const QStringList kThree = {"Heart", "Lungs", "Blood"};

}  // namespace

TEST(WordListFields, LayoutsThatReadTheSame) {
    // Line feeds or carriage returns alone; spaces and blank lines before a field, spaces after
    // one; a comma ending each line; the count ending at a space; every field quoted.
    for (const char* same :
         {"3\r\nHeart\r\nLungs\r\nBlood\r\n", "3\r\nHeart,Lungs,Blood\r\n", "3,Heart,Lungs,Blood",
          "3\nHeart\nLungs\nBlood", "3\rHeart\rLungs\rBlood\r",
          "  3  \r\n\r\n   Heart\r\n\r\n\t\r\n  Lungs ,  Blood  \r\n",
          "3\r\nHeart,\r\nLungs,\r\nBlood,\r\n", "3 Heart\r\nLungs\r\nBlood",
          "\"3\"\r\n\"Heart\"\r\n\"Lungs\"\r\n\"Blood\"\r\n"})
        EXPECT_EQ(words(same), kThree) << same;
}

TEST(WordListFields, CountQuotesAndLimits) {
    // A fourth word not read; a comma inside quotes; what follows the closing quote dropped; a
    // quote never closed ending at its line; an empty field one of the count, left out; a list
    // ending early.
    const std::pair<const char*, QStringList> cases[] = {
        {"3\r\nHeart\r\nLungs\r\nBlood\r\nBrain\r\n", kThree},
        {"2\r\n\"Food, chain\"\r\nSeed\r\n", {"Food, chain", "Seed"}},
        {"2\r\n\"Seed\" pod,Root\r\n", {"Seed", "Root"}},
        {"2\r\n\"Seed\r\nRoot\r\n", {"Seed", "Root"}},
        {"3\r\nHeart,,Lungs\r\nBlood", {"Heart", "Lungs"}},
        {"3\r\nHeart\r\nLungs\r\n", {"Heart", "Lungs"}}};
    for (const auto& [bytes, expected] : cases) EXPECT_EQ(words(bytes), expected) << bytes;

    for (const char* bad : {"0\r\nHeart", "-3\r\nHeart", "three\r\nHeart", "3.5\r\nHeart", "",
                            "\r\n\r\n", "\"\"\r\nHeart"})
        EXPECT_EQ(read(bad).count, 0) << bad;
    for (const char* big : {"32767", "99999", "1000000000", "99999999999999999999999"})
        EXPECT_EQ(words(QByteArray(big) + "\r\nHeart\r\nLungs\r\nBlood\r\n"), kThree) << big;

    QByteArray many = "150\r\n";
    for (int i = 0; i < 150; ++i) many += "W" + QByteArray::number(i) + "\r\n";
    const CategoryWords capped = read(many);
    EXPECT_EQ(capped.count, 100);
    EXPECT_EQ(capped.words[99], "W99");
    EXPECT_TRUE(capped.words[100].isEmpty());

    const QByteArray sixteen = "Electromagnetism";
    const QByteArray seventeen = "Electromagnetisms";
    EXPECT_EQ(words("5\r\nA\r\n" + sixteen + "\r\n" + seventeen + "\r\n\"\"\r\n\"  \"\r\n"),
              QStringList({"A", QString(sixteen)}));
    EXPECT_EQ(words("2\r\n" + QByteArray(5000, 'y') + "\r\nRoot"), QStringList({"Root"}))
        << "a field far too long to be a word";
}

TEST(WordListCharacters, Utf8WithOrWithoutMarkElseWindows1252) {
    EXPECT_EQ(words("2\r\nCaf\xC3\xA9\r\n\xC3\x89nergie"), QStringList({"Café", "Énergie"}));
    EXPECT_EQ(words("\xEF\xBB\xBF"
                    "1\r\nCaf\xC3\xA9"),
              QStringList({"Café"}))
        << "marked";
    EXPECT_EQ(words("2\r\nCaf\xE9\r\n\x80uro\x92s"), QStringList({"Café", "€uro’s"}));
    // One byte that is not UTF-8 makes the whole file Windows-1252.
    EXPECT_EQ(words("2\r\nCaf\xC3\xA9\r\nD\xE9j\xE0"), QStringList({"CafÃ©", "Déjà"}));
    EXPECT_EQ(words("1\r\nA\xC0\xAF"), QStringList({"AÀ¯"})) << "overlong form";
    EXPECT_EQ(words("1\r\nA\xED\xA0\x80"), QStringList({"Aí\u00A0€"})) << "encoded surrogate";
    EXPECT_EQ(words("1\r\nAb\xC3"), QStringList({"AbÃ"})) << "cut short at the end";
}

TEST(WordListCharacters, OneCharacterIsOneCodePointAfterNfc) {
    // e and a combining acute make one letter, so 16 letters written decomposed still fit.
    const QStringList nfc = words("1\r\nCafe\xCC\x81");
    ASSERT_EQ(nfc.size(), 1);
    EXPECT_EQ(nfc[0], QString::fromUtf8("Caf\xC3\xA9"));
    EXPECT_EQ(characters(nfc[0]).size(), 4);
    EXPECT_EQ(words("1\r\nElectromagneti\xCC\x81sm").size(), 1);

    // A letter outside the BMP is one tile, never two UTF-16 halves.
    const QString sun = QString::fromUtf8("Sun\xF0\x9F\x8C\xBB");
    EXPECT_EQ(characters(sun), QStringList({"S", "u", "n", QString::fromUtf8("\xF0\x9F\x8C\xBB")}));
    QByteArray sixteenFlowers = "1\r\n";
    for (int i = 0; i < 16; ++i) sixteenFlowers += "\xF0\x9F\x8C\xBB";
    EXPECT_EQ(read(sixteenFlowers).count, 1);
    EXPECT_EQ(read(sixteenFlowers + "\xF0\x9F\x8C\xBB").count, 0);
}

// Welsh letters of two characters are one tile each, in any case; a bar parts the n and g
// that are two letters, and is never shown.
TEST(WordListCharacters, WelshTilesKeepTheLettersOfTheWelshAlphabetWhole) {
    const struct {
        const char* word;
        QStringList tiles;
    } cases[] = {
        {"Llechen", {"Ll", "e", "ch", "e", "n"}},
        {"RHEWI", {"RH", "E", "W", "I"}},
        {"Ffyngau", {"Ff", "y", "ng", "a", "u"}},
        {"Pen|glog", {"P", "e", "n", "g", "l", "o", "g"}},
        {"Dannedd", {"D", "a", "n", "n", "e", "dd"}},
        {"Gwythïen", {"G", "w", "y", "th", "ï", "e", "n"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(letters(QString::fromUtf8(c.word), Alphabet::Welsh), c.tiles) << c.word;
    EXPECT_EQ(letters("Pen|glog", Alphabet::English).size(), 7);
    EXPECT_EQ(withoutMarks("Pen|glog"), "Penglog");
}

// The lists shipped beside the program keep the limits the game relies on, in the layout
// a teacher is told to follow: the count, then one word a line, lines ending in CR LF.
TEST(WordListLimits, ShippedListsKeepTheirLimits) {
    const QDir run(QStringLiteral(BRINDLEMARK_RUN_DIR));
    QStringList names;
    for (const Category& category : kCategoryFiles)
        names << category.file << QString(category.file).replace(".txt", ".cy.txt");
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        QFile file(run.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        ASSERT_TRUE(bytes.endsWith("\r\n"));
        // Every line ends in CR LF: as many line feeds as CR LF pairs, and no lone CR.
        ASSERT_EQ(bytes.count('\n'), bytes.count("\r\n"));
        ASSERT_EQ(bytes.count('\r'), bytes.count("\r\n"));
        const int announced = bytes.left(bytes.indexOf('\r')).toInt();
        EXPECT_EQ(announced, bytes.count('\n') - 1);
        EXPECT_TRUE(announced >= 40 && announced <= 100) << announced;

        const CategoryWords list = read(bytes);
        EXPECT_EQ(list.count, announced) << "no word was left out";
        QSet<QString> seen;
        for (int i = 0; i < list.count; ++i) {
            const QString& w = list.words[i];
            EXPECT_TRUE(w[0].unicode() >= 'A' && w[0].unicode() <= 'Z') << qPrintable(w);
            EXPECT_LE(characters(w).size(), kMaxLetters) << qPrintable(w);
            EXPECT_FALSE(seen.contains(w)) << "twice: " << qPrintable(w);
            seen.insert(w);
        }
    }
}

// Saved as Notepad's "Unicode": UTF-16 with its byte order mark, either byte order.
TEST(WordListFields, Utf16WithByteOrderMarkReadsAsUtf8Does) {
    const QString text = QString::fromUtf8("3\r\nHeart\r\nL\u00fcngs\r\nBlood\r\n");
    const QStringList expected = {"Heart", QString::fromUtf8("L\u00fcngs"), "Blood"};
    for (const auto order : {QStringConverter::Utf16LE, QStringConverter::Utf16BE}) {
        const QByteArray bytes = QStringEncoder(order, QStringConverter::Flag::WriteBom)(text);
        ASSERT_TRUE(bytes.startsWith(order == QStringConverter::Utf16LE ? "\xFF\xFE" : "\xFE\xFF"));
        EXPECT_EQ(words(bytes), expected);
    }
}

// What --check tells: the count against the words present, and each word left out by its line.
TEST(WordListFields, CountAndWordsLeftOutAreTold) {
    const CategoryWords list =
        read("4\r\nHeart\r\n\"\"\r\nPhotosynthesisingcells\r\nBlood\r\nBones\r\n");
    EXPECT_EQ(list.count, 2);
    EXPECT_EQ(list.announced, 4);
    EXPECT_EQ(list.present, 5);
    ASSERT_EQ(list.leftOut.size(), 2u);
    EXPECT_EQ(list.leftOut[0].line, 3);
    EXPECT_EQ(list.leftOut[1].line, 4);
    EXPECT_TRUE(list.leftOut[1].why.contains("more than 16 letters"));
}
