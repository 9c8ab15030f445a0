// The path resolver and picture loading: layout paths reach files whatever their case,
// never anything outside the working directory, never anything that could block, and a bad
// picture is a value, not a failure.
#include "ui/files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QTemporaryDir>

#include "ui/jpeg.h"
#include "ui/pictures.h"

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

class FilesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        previous_ = QDir::currentPath();
        QDir(dir_.path()).mkpath("Images/Sub");
        QDir::setCurrent(dir_.path());
    }
    void TearDown() override { QDir::setCurrent(previous_); }
    static void write(const QString& path, const QByteArray& bytes) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    QTemporaryDir dir_;
    QString previous_;
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
            EXPECT_EQ(jpegSize(bytes), QSize(48, 32));
        }
    }
    // More than the limit decoded, or no JPEG at all: nothing.
    EXPECT_FALSE(decodeJpeg(jpeg(colour), 48 * 32 * 4 - 1));
    EXPECT_FALSE(decodeJpeg("not a picture", 1 << 20));
    EXPECT_FALSE(jpegSize(QByteArray()));
}
