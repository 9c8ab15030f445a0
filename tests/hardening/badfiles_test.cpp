// Every picture spoiled in every way a school machine manages: missing, empty, cut short, a
// text under the file's name, a folder in its place, a header that declares 60000 by 60000
// pixels, a FIFO, a link to a device. In every case every screen is laid out exactly as with
// good files, no rule breaks, nothing hangs. (Word lists spoiled the same ways are the
// resolver's, the reader's and Scrambled Words' own tests.)
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

struct Asset {
    QString path;  // absolute, in the scratch copy
    QByteArray good;
};

void spoil(const Asset& a, Spoil how) {
    QFile::remove(a.path);
    QFile out(a.path);
    if (how == Spoil::Folder) QDir().mkpath(a.path + "/inside");
    if (how == Spoil::Fifo) ASSERT_EQ(::mkfifo(QFile::encodeName(a.path).constData(), 0644), 0);
    if (how == Spoil::DeviceLink) ASSERT_TRUE(QFile::link("/dev/zero", a.path));
    if (how != Spoil::Empty && how != Spoil::Truncated && how != Spoil::Text &&
        how != Spoil::HugeHeader)
        return;
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    if (how == Spoil::Truncated) out.write(a.good.left(a.good.size() / 2));
    if (how == Spoil::Text) out.write("Notes for Tuesday's lesson.\r\n");
    if (how == Spoil::HugeHeader) out.write(declaringHugeSize(a.good, a.path));
}

void restore(const Asset& a) {
    QDir(a.path).removeRecursively();
    QFile::remove(a.path);
    QFile out(a.path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(a.good);
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

}  // namespace

class BadFilesTest : public ScreenTest {
  protected:
    // Walks with the files as spoiled, and compares with the walk expected.
    void expectSameLayout(const QString& what, const QStringList& expected) {
        hangingCase = what.toStdString();
        std::signal(SIGALRM, onAlarm);
        ::alarm(60);
        const Walk walk = visitEverything(*fake);
        ::alarm(0);
        EXPECT_EQ(walk.layout.size(), expected.size()) << hangingCase;
        for (qsizetype i = 0; i < std::min(walk.layout.size(), expected.size()); ++i)
            if (walk.layout[i] != expected[i]) {
                ADD_FAILURE() << hangingCase << "\n  got:  " << walk.layout[i].toStdString()
                              << "\n  want: " << expected[i].toStdString();
                break;
            }
        for (const QString& f : walk.findings)
            ADD_FAILURE() << hangingCase << ": " << f.toStdString();
    }
};

TEST_F(BadFilesTest, EveryPictureSpoiledEveryWay) {
    const QString dir = useCopyOfRunFolder();
    const Walk good = visitEverything(*fake);
    EXPECT_TRUE(good.findings.isEmpty()) << good.findings.join("\n").toStdString();
    std::vector<Asset> pictures;
    for (const QString& folder : {"Images", "opening"})
        for (QDirIterator it(dir + "/" + folder, QDir::Files); it.hasNext();) {
            QFile f(it.next());
            pictures.push_back(
                {f.fileName(), f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray()});
        }
    ASSERT_GE(pictures.size(), 75u);
    const Asset& still = *std::find_if(pictures.begin(), pictures.end(), [](const Asset& a) {
        return a.path.endsWith("/sunflowersm.jpg");
    });
    QFile::remove(still.path);
    const Walk fallback = visitEverything(*fake);
    restore(still);
    ASSERT_NE(good.layout, fallback.layout);  // the title screen has grown and turned blue

    // The title's own picture alone, then all at once: the title plays its opening pictures,
    // good or spoiled too.
    for (const auto& [how, described] : kEveryWay) {
        spoil(still, how);
        expectSameLayout(QString("the title's picture %1").arg(described), fallback.layout);
        restore(still);
        for (const Asset& p : pictures) spoil(p, how);
        expectSameLayout(QString("every picture %1").arg(described), fallback.layout);
        for (const Asset& p : pictures) restore(p);
    }
}

TEST_F(BadFilesTest, AHugeDeclaredSizeIsRefusedBeforeDecoding) {
    const QString dir = useCopyOfRunFolder();
    for (const char* name : {"Images/exit.jpg", "Images/magnets1.bmp"}) {
        QFile f(dir + "/" + name);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray good = f.readAll();
        f.close();
        spoil({f.fileName(), good}, Spoil::HugeHeader);
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
