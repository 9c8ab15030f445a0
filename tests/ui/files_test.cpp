// The path resolver and picture loading: layout paths reach files whatever their case, in the
// user's, the system's and the start folder in that order, never anything outside the folder,
// never anything that could block, and a bad picture is a value, not a failure.
#include "ui/files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QTemporaryDir>

#include "activities/files/library.h"
#include "tests/support/files.h"
#include "tests/support/screentest.h"
#include "ui/jpeg.h"
#include "ui/pictures.h"
#include "ui/twips.h"

using namespace ui;

namespace {

QByteArray jpeg(const QImage& image, bool progressive = false) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(progressive);
    EXPECT_TRUE(writer.write(image));
    return bytes;
}

QByteArray jpeg(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::red);
    return jpeg(image);
}

class FilesTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        useEmptyFolder();
        QDir().mkpath("Images/Sub");
    }
    static void write(const QString& path, const QByteArray& bytes) {
        ASSERT_TRUE(writeFile(path, bytes));
    }
};

}  // namespace

TEST_F(FilesTest, ResolvesRegularFilesInsideTheFolderWhateverTheirCase) {
    write("Images/Sub/Exit.JPG", "x");
    const auto found = resolveFile("images\\sub\\exit.jpg");
    ASSERT_TRUE(found);
    EXPECT_TRUE(found->endsWith("/Images/Sub/Exit.JPG"));
    EXPECT_TRUE(resolveFile("IMAGES/SUB/EXIT.jpg"));

    // Nothing outside the working directory, and nothing that could block or never end.
    QTemporaryDir outside;
    write(outside.filePath("secret.jpg"), "x");
    QFile::link(outside.filePath("secret.jpg"), "Images/link.jpg");
    ASSERT_EQ(mkfifo("Images/fifo.jpg", 0600), 0);
    QFile::link("/dev/zero", "Images/zero.jpg");
    for (const QString& bad :
         {QString("..\\secret.jpg"), outside.filePath("secret.jpg"), QString("Images\\link.jpg"),
          QString("C:\\Images\\x.jpg"), QString(), QString("Images\\fifo.jpg"),
          QString("Images\\zero.jpg"), QString("Images\\Sub")})
        EXPECT_FALSE(resolveFile(bad)) << bad.toStdString();
    EXPECT_FALSE(LoadPicture("Images\\fifo.jpg"));
}

// Bad pictures in every way are the bad-file matrix's; here a picture changed on disk is read
// again, and the empty path is the empty picture.
TEST_F(FilesTest, AChangedPictureIsReadAgainAndTheEmptyPathIsNoPicture) {
    write("Images/pic.jpg", jpeg(20, 10));
    ASSERT_EQ(LoadPicture("Images\\pic.jpg")->size(), QSize(20, 10));
    QFile::remove("Images/pic.jpg");
    write("Images/pic.jpg", jpeg(30, 12));
    EXPECT_EQ(LoadPicture("Images\\pic.jpg")->size(), QSize(30, 12));
    EXPECT_FALSE(LoadPicture("Images\\missing.jpg"));
    const auto none = LoadPicture("");
    ASSERT_TRUE(none);
    EXPECT_TRUE(none->isNull());
}

// The user's and a system folder as the environment names them, with the test's folder as the
// start folder.
class DataFoldersTest : public FilesTest {
  protected:
    void SetUp() override {
        FilesTest::SetUp();
        saved_ = {qgetenv("XDG_DATA_HOME"), qgetenv("XDG_DATA_DIRS")};
        qputenv("XDG_DATA_HOME", QFile::encodeName(data_.filePath("home")));
        qputenv("XDG_DATA_DIRS",
                QFile::encodeName(data_.filePath("missing") + ':' + data_.filePath("system")));
        reloadDataFolders();
        for (const QString& f : {user(""), system("")}) QDir().mkpath(f + "Images");
    }
    void TearDown() override {
        qputenv("XDG_DATA_HOME", saved_.first);
        qputenv("XDG_DATA_DIRS", saved_.second);
        reloadDataFolders();
        FilesTest::TearDown();
    }
    QString user(const QString& file) const { return data_.filePath("home/brindlemark/" + file); }
    QString system(const QString& file) const {
        return data_.filePath("system/brindlemark/" + file);
    }
    static QString contents(const std::optional<QString>& path) {
        return fileBytes(path.value_or(""));
    }

    QTemporaryDir data_;
    std::pair<QByteArray, QByteArray> saved_;
};

TEST_F(DataFoldersTest, TheUsersFolderThenTheSystemsThenTheStartFolder) {
    write(user("Life0.TXT"), "user");
    for (const QString& f : {system("life0.txt"), system("words.txt"), QString("life0.txt"),
                             QString("words.txt"), QString("start.txt")})
        write(f, f.startsWith('/') ? "system" : "start");
    EXPECT_EQ(contents(resolveFile("life0.txt")), "user");
    EXPECT_EQ(contents(resolveFile("WORDS.txt")), "system");
    EXPECT_EQ(contents(resolveFile("start.txt")), "start");

    // The rules hold in each folder, and a file refused in one is looked for in the next.
    ASSERT_EQ(mkfifo(QFile::encodeName(user("Images/a.jpg")).constData(), 0600), 0);
    write(system("Images/A.jpg"), "system");
    EXPECT_EQ(contents(resolveFile("Images\\a.jpg")), "system");
    QFile::link(data_.filePath("secret.txt"), system("Images/b.jpg"));
    write(data_.filePath("secret.txt"), "outside");
    EXPECT_FALSE(resolveFile("Images\\b.jpg"));

    // A teacher's own picture is drawn as she made it, never as a shipped sharper copy.
    write(user("Images/pic.jpg"), jpeg(20, 10));
    write("Images/pic.jpg", jpeg(20, 10));
    write("Images/pic@2x.jpg", jpeg(40, 20));
    Twips::setScale(1.75f);
    EXPECT_EQ(LoadPicture("Images\\pic.jpg")->devicePixelRatio(), 1.0);

    // Nor in another language's words: a picture's version in the program's language is taken
    // only from its own folder, and only while the program speaks that language.
    Twips::setScale(1);
    write("Images/pic.cy.jpg", jpeg(22, 10));
    write("Images/words.jpg", jpeg(20, 10));
    write("Images/Words.CY.jpg", jpeg(24, 10));
    const QLocale english;
    QLocale::setDefault(QLocale(QLocale::Welsh));
    EXPECT_EQ(LoadPicture("Images\\pic.jpg")->width(), 20);
    EXPECT_EQ(LoadPicture("Images\\words.jpg")->width(), 24);
    EXPECT_TRUE(fileInProgramLanguage(QDir::current().filePath("Images/words.jpg"))
                    .endsWith("Images/Words.CY.jpg"));
    QLocale::setDefault(english);
    EXPECT_EQ(LoadPicture("Images\\words.jpg")->width(), 20);
}

// The activity library's finder keeps the folders' rules: names whatever their case, the
// first folder's file hiding the same name in a later one, and every name it cannot read said.
TEST_F(DataFoldersTest, ActivityFilesEachNameOnceFirstFolderFirst) {
    QDir().mkpath(user("Activities"));
    QDir().mkpath(system("activities"));
    QDir().mkpath("activities/sub.toml");
    for (const char* f : {"Sound.toml", "notes.txt", "Water.toml", "water.toml"})
        write(user("Activities/") + f, "user");
    for (const char* f : {"sound.TOML", "forces.toml", "bad.toml", "._bad.toml"})
        write(system("activities/") + f, "system");
    for (const char* f : {"forces.toml", "changes.toml"})
        write(QString("activities/") + f, "start");
    QFile::link(data_.filePath("secret.toml"), system("activities/escape.toml"));
    write(data_.filePath("secret.toml"), "outside");
    QFile::link(system("activities/loop.toml"), system("activities/loop.toml"));
    ASSERT_EQ(mkfifo(QFile::encodeName(system("activities/fifo.toml")).constData(), 0600), 0);

    const auto found = [] {
        return activityfiles::findActivityFiles(activityfiles::activityFolders());
    };
    QStringList names;
    for (const auto& f : found().files)
        names << f.fileName + '=' + contents(f.path) + (f.hides.isEmpty() ? "" : "+hides");
    EXPECT_EQ(names, QStringList({"Sound.toml=user+hides", "Water.toml=user", "bad.toml=system",
                                  "forces.toml=system+hides", "changes.toml=start"}));
    QStringList problems;
    for (const auto& p : found().problems)
        problems << QFileInfo(p.file).fileName() + ": " + p.problem.message.section(':', 0, 0);
    EXPECT_EQ(problems,
              QStringList({"water.toml: \"water.toml\" and \"Water.toml\" differ only in capital "
                           "letters",
                           "escape.toml: this link leads out of the folder",
                           "fifo.toml: this is not a plain file",
                           "loop.toml: this link leads nowhere, or round in a loop",
                           "sub.toml: this is a folder, not an activity file"}));
    // Started in the system folder, as the installed program is: still each file once.
    QDir::setCurrent(system(""));
    EXPECT_EQ(dataFolders().size(), 2);
    EXPECT_EQ(found().files.size(), 4u);
}

TEST(JpegTest, DecodesAsQtsOwnReaderDoes) {
    // A gradient in every channel shows a swapped channel or a stray alpha byte at once.
    QImage colour(48, 32, QImage::Format_RGB32);
    for (int y = 0; y < colour.height(); ++y)
        for (int x = 0; x < colour.width(); ++x) colour.setPixel(x, y, qRgb(x * 5, y * 7, 200 - x));
    for (const QImage& image : {colour, colour.convertToFormat(QImage::Format_Grayscale8)}) {
        for (const bool progressive : {false, true}) {
            const QByteArray bytes = jpeg(image, progressive);
            const std::optional<QImage> decoded = decodeJpeg(bytes, 1 << 20);
            ASSERT_TRUE(decoded);
            EXPECT_EQ(*decoded, QImage::fromData(bytes).convertToFormat(QImage::Format_RGB32));
            EXPECT_EQ(jpegHeader(bytes)->size, QSize(48, 32));
        }
    }
    // More than the limit decoded, or no JPEG at all: nothing.
    EXPECT_FALSE(decodeJpeg(jpeg(colour), 48 * 32 * 4 - 1));
    EXPECT_FALSE(decodeJpeg("not a picture", 1 << 20));
    EXPECT_FALSE(jpegHeader(QByteArray()));
}
