// Every picture and every word list spoiled in every way a school machine manages: missing,
// empty, cut short, a text (or a picture) under the file's name, a folder in its place, a
// header that declares 60000 by 60000 pixels, a FIFO, a link to a device. In every case
// every screen is laid out exactly as with good files, no rule breaks, nothing hangs.
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QtEndian>
#include <csignal>

#include "tests/hardening/visit.h"
#include "tests/support/screentest.h"
#include "ui/pictures.h"

using namespace hardening;

namespace {

enum class Spoil { Missing, Empty, Truncated, Text, Folder, HugeHeader, Fifo, DeviceLink };
constexpr std::pair<Spoil, const char*> kEveryWay[] = {
    {Spoil::Missing, "missing"},     {Spoil::Empty, "empty"},
    {Spoil::Truncated, "cut short"}, {Spoil::Text, "text renamed"},
    {Spoil::Folder, "a folder"},     {Spoil::HugeHeader, "declares 60000 x 60000"},
    {Spoil::Fifo, "a FIFO"},         {Spoil::DeviceLink, "a link to a device"}};

// A real picture whose header is changed to declare 60000 by 60000 pixels.
QByteArray declaringHugeSize(QByteArray bytes, const QString& path) {
    if (path.endsWith(".bmp", Qt::CaseInsensitive)) {
        qToLittleEndian<qint32>(60000, bytes.data() + 18);
        qToLittleEndian<qint32>(60000, bytes.data() + 22);
        return bytes;
    }
    for (qsizetype i = 2; i + 9 < bytes.size(); ++i) {
        const auto marker = static_cast<unsigned char>(bytes[i + 1]);
        if (static_cast<unsigned char>(bytes[i]) == 0xFF && marker >= 0xC0 && marker <= 0xC2) {
            qToBigEndian<quint16>(60000, bytes.data() + i + 5);
            qToBigEndian<quint16>(60000, bytes.data() + i + 7);
            return bytes;
        }
    }
    return bytes;
}

void spoil(const QString& path, Spoil how, const QByteArray& good, bool wordList) {
    QFile::remove(path);
    QFile out(path);
    switch (how) {
        case Spoil::Missing:
            return;
        case Spoil::Empty:
        case Spoil::Truncated:
        case Spoil::Text:
        case Spoil::HugeHeader: {
            ASSERT_TRUE(out.open(QIODevice::WriteOnly));
            if (how == Spoil::Truncated) out.write(good.left(good.size() / 2));
            if (how == Spoil::Text)
                out.write(wordList ? QByteArray::fromHex("ffd8ffe000104a464946")  // a picture
                                   : QByteArray("Notes for Tuesday's lesson.\r\n"));
            // A word list's own ways: a count that promises 60000 words, a file of 20 MB.
            if (how == Spoil::HugeHeader && wordList)
                out.write(path.contains("life") ? QByteArray("60000\r\nMagnet\r\n")
                                                : QByteArray(20 << 20, 'A'));
            else if (how == Spoil::HugeHeader)
                out.write(declaringHugeSize(good, path));
            return;
        }
        case Spoil::Folder:
            QDir().mkpath(path + "/inside");
            return;
        case Spoil::Fifo:
            ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
            return;
        case Spoil::DeviceLink:
            ASSERT_TRUE(QFile::link(wordList ? "/dev/urandom" : "/dev/zero", path));
            return;
    }
}

struct Asset {
    QString path;  // absolute, in the scratch copy
    QByteArray good;
};

void restore(const QString& path, const QByteArray& good) {
    QDir(path).removeRecursively();
    QFile::remove(path);
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(good);
}

void spoilAll(const std::vector<Asset>& assets, Spoil how, bool wordLists) {
    for (const Asset& a : assets) spoil(a.path, how, a.good, wordLists);
}

void restoreAll(const std::vector<Asset>& assets) {
    for (const Asset& a : assets) restore(a.path, a.good);
}

// Ends the run, naming the case, if a walk does not come back: a read that blocks would
// otherwise hang the whole suite.
std::string hangingCase;

void onAlarm(int) {
    (void)!::write(2, "hangs: ", 7);
    (void)!::write(2, hangingCase.data(), hangingCase.size());
    (void)!::write(2, "\n", 1);
    std::_Exit(3);
}

std::vector<Asset> assetsUnder(const QString& dir, const QStringList& folders) {
    std::vector<Asset> out;
    for (const QString& folder : folders) {
        QDirIterator it(dir + "/" + folder, QDir::Files);
        while (it.hasNext()) {
            QFile f(it.next());
            f.open(QIODevice::ReadOnly);
            out.push_back({f.fileName(), f.readAll()});
        }
    }
    std::sort(out.begin(), out.end(),
              [](const Asset& a, const Asset& b) { return a.path < b.path; });
    return out;
}

}  // namespace

class BadFilesTest : public ScreenTest {
  protected:
    // Walks with the files as spoiled, and compares with the walk expected.
    void expectSameLayout(const QString& what, const QStringList& expected, bool wordsSpoiled) {
        hangingCase = what.toStdString();
        std::signal(SIGALRM, onAlarm);
        ::alarm(60);
        const Walk walk = visitEverything(*fake);
        ::alarm(0);
        const QStringList got = wordsSpoiled ? withoutWords(walk.layout) : walk.layout;
        const QStringList want = wordsSpoiled ? withoutWords(expected) : expected;
        EXPECT_EQ(got.size(), want.size()) << what.toStdString();
        for (qsizetype i = 0; i < std::min(got.size(), want.size()); ++i)
            if (got[i] != want[i]) {
                ADD_FAILURE() << what.toStdString() << "\n  got:  " << got[i].toStdString()
                              << "\n  want: " << want[i].toStdString();
                break;
            }
        for (const QString& f : walk.findings)
            ADD_FAILURE() << what.toStdString() << ": " << f.toStdString();
    }
};

TEST_F(BadFilesTest, EveryPictureSpoiledEveryWay) {
    const QString dir = useCopyOfRunFolder();
    const Walk good = visitEverything(*fake);
    EXPECT_TRUE(good.findings.isEmpty()) << good.findings.join("\n").toStdString();
    const std::vector<Asset> pictures = assetsUnder(dir, {"Images", "opening"});
    ASSERT_GE(pictures.size(), 75u);
    const Asset& still = *std::find_if(pictures.begin(), pictures.end(), [](const Asset& a) {
        return a.path.endsWith("/sunflowersm.jpg");
    });
    QFile::remove(still.path);
    const Walk fallback = visitEverything(*fake);
    restore(still.path, still.good);
    ASSERT_NE(good.layout, fallback.layout);  // the title screen has grown and turned blue

    // The title's own picture alone, then all at once: the title plays its opening pictures,
    // good or spoiled too.
    for (const auto& [how, described] : kEveryWay) {
        spoil(still.path, how, still.good, false);
        expectSameLayout(QString("the title's picture %1").arg(described), fallback.layout, false);
        restore(still.path, still.good);
        spoilAll(pictures, how, false);
        expectSameLayout(QString("every picture %1").arg(described), fallback.layout, false);
        restoreAll(pictures);
    }
}

TEST_F(BadFilesTest, EveryWordListSpoiledEveryWay) {
    const QString dir = useCopyOfRunFolder();
    const Walk good = visitEverything(*fake);
    std::vector<Asset> lists;
    for (const char* name : {"life0.txt", "materials0.txt", "physical0.txt"}) {
        QFile f(dir + "/" + name);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        lists.push_back({f.fileName(), f.readAll()});
    }
    for (const auto& [how, described] : kEveryWay) {
        for (const Asset& l : lists) {
            spoil(l.path, how, l.good, true);
            expectSameLayout(QString("%1 %2").arg(QFileInfo(l.path).fileName(), described),
                             good.layout, true);
            restore(l.path, l.good);
        }
        spoilAll(lists, how, true);
        expectSameLayout(QString("every word list %1").arg(described), good.layout, true);
        restoreAll(lists);
    }
}

TEST_F(BadFilesTest, AHugeDeclaredSizeIsRefusedBeforeDecoding) {
    const QString dir = useCopyOfRunFolder();
    for (const char* name : {"Images/exit.jpg", "Images/magnets1.bmp"}) {
        QFile f(dir + "/" + name);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray good = f.readAll();
        f.close();
        spoil(f.fileName(), Spoil::HugeHeader, good, false);
        EXPECT_FALSE(ui::LoadPicture(QString(name).replace('/', '\\')).has_value()) << name;
    }
    // Within the side limit but more than the reader may allocate, and cut short: refused
    // without taking the memory.
    QFile bmp(dir + "/Images/magnets2.bmp");
    ASSERT_TRUE(bmp.open(QIODevice::ReadWrite));
    QByteArray header = bmp.read(54);
    qToLittleEndian<qint32>(4000, header.data() + 18);
    qToLittleEndian<qint32>(4000, header.data() + 22);
    bmp.resize(0);
    bmp.write(header);
    bmp.close();
    EXPECT_FALSE(ui::LoadPicture("Images\\magnets2.bmp").has_value());
}
