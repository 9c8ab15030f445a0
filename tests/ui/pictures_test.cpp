// Pictures a teacher really has: phone photos standing as their EXIF orientation says, decoded
// at the size they are shown; and every picture beyond the limits, cut short or lying about its
// size refused with its reason in plain words.
#include "ui/pictures.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QtEndian>

#include "activities/files/layout.h"
#include "tests/support/screentest.h"
#include "ui/jpeg.h"

using namespace ui;

namespace {

// Four quadrants, red, green, blue and white from the top left, as stored.
QImage quadrants(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    const int w = size.width() / 2, h = size.height() / 2;
    image.fill(Qt::white);
    for (auto [x, y, c] : {std::tuple(0, 0, Qt::red), {w, 0, Qt::green}, {0, h, Qt::blue}})
        for (int j = y; j < y + h; ++j)
            for (int i = x; i < x + w; ++i) image.setPixel(i, j, QColor(c).rgb());
    return image;
}

QByteArray jpeg(const QImage& image) {
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    image.save(&out, "JPEG", 90);
    return out.data();
}

// The JPEG with an EXIF block that names an orientation, in either byte order.
QByteArray withOrientation(QByteArray bytes, int orientation, bool bigEndian) {
    QByteArray tiff(bigEndian ? QByteArray("MM\0\x2a\0\0\0\x08", 8)
                              : QByteArray("II\x2a\0\x08\0\0\0", 8));
    const auto add = [&](quint32 v, int size) {
        for (int i = 0; i < size; ++i)
            tiff += char(bigEndian ? v >> 8 * (size - 1 - i) : v >> 8 * i);
    };
    add(1, 2);  // one entry: orientation, a SHORT, one of them
    add(0x0112, 2), add(3, 2), add(1, 4), add(orientation, 2), add(0, 2), add(0, 4);
    const QByteArray block = QByteArray("Exif\0\0", 6) + tiff;
    const quint16 length = qToBigEndian<quint16>(block.size() + 2);
    bytes.insert(2, "\xFF\xE1" + QByteArray(reinterpret_cast<const char*>(&length), 2) + block);
    return bytes;
}

// The JPEG with its frame header declaring another size.
QByteArray declaring(QByteArray bytes, QSize size) {
    const qsizetype frame = bytes.indexOf("\xFF\xC0");
    qToBigEndian<quint16>(size.height(), bytes.data() + frame + 5);
    qToBigEndian<quint16>(size.width(), bytes.data() + frame + 7);
    return bytes;
}

QString save(const QString& name, const QByteArray& bytes) {
    QFile f(name);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return name;
}

QRgb at(const QPixmap& p, int x, int y) {
    const QColor c = p.toImage().pixelColor(x, y);
    return qRgb(c.red() > 128 ? 255 : 0, c.green() > 128 ? 255 : 0, c.blue() > 128 ? 255 : 0);
}

// A labelling activity in the working folder, with one label on its picture.
activityfiles::Planned planLabel(const QString& picture, int x, int y) {
    const auto read = activityfiles::readActivity(
        QString("menu = 3\nkind = \"labelling\"\ntopic = \"Photo\"\npicture = \"%1\"\n"
                "[[label]]\nword = \"Leaf\"\nat = [%2, %3]\n")
            .arg(picture)
            .arg(x)
            .arg(y)
            .toUtf8(),
        "photo.toml");
    activityfiles::Activity activity = *read.activity;
    activity.folder = QDir::currentPath();
    return activityfiles::plan(activity);
}

class PicturesTest : public ScreenTest {};

}  // namespace

TEST_F(PicturesTest, EveryOrientationInEitherByteOrderStandsAsQtsReaderStandsIt) {
    useEmptyFolder();
    const QByteArray plain = jpeg(quadrants({40, 24}));
    for (const bool bigEndian : {false, true}) {
        for (int orientation = 1; orientation <= 8; ++orientation) {
            const QString file = save(QString("o%1%2.jpg").arg(orientation).arg(bigEndian),
                                      withOrientation(plain, orientation, bigEndian));
            QImageReader qt(file);
            qt.setAutoTransform(true);
            const QImage expected = qt.read().convertToFormat(QImage::Format_RGB32);
            EXPECT_EQ(judgePictureFile(file).size, expected.size());
            EXPECT_EQ(loadPictureFile(file, {100, 100}).picture.toImage(), expected) << orientation;
        }
    }
    // A block that points outside itself is no orientation, and no harm.
    QByteArray lying = withOrientation(plain, 6, false);
    lying[2 + 4 + 6 + 4] = '\x7f';  // the first directory far beyond the block
    EXPECT_EQ(jpegHeader(lying)->orientation, 1);
}

TEST_F(PicturesTest, APhonePhotoStandsUprightAtTheSizeShownWithLabelsOnTheUprightPicture) {
    useEmptyFolder();
    // 4032 by 3024 as stored, taken with the phone upright: a quarter turn clockwise.
    QDir().mkpath("Images");
    save("Images/photo.jpg", withOrientation(jpeg(quadrants({4032, 3024})), 6, false));
    // By its layout path, with no size asked for: its own size, in fewer pixels than its own.
    const std::optional<Picture> whole = LoadPicture("Images\\photo.jpg");
    ASSERT_TRUE(whole);
    EXPECT_EQ(designSize(*whole).toSize(), QSize(3024, 4032));
    EXPECT_LE(qint64(whole->width()) * whole->height() * 4, kMaxDecodedBytes);
    QFile::rename("Images/photo.jpg", "photo.jpg");
    EXPECT_EQ(judgePictureFile("photo.jpg").size, QSize(3024, 4032));
    const Picture shown = loadPictureFile("photo.jpg", {300, 400}).picture;
    ASSERT_EQ(shown.size(), QSize(300, 400));
    EXPECT_EQ(at(shown, 10, 10), qRgb(0, 0, 255)) << "the stored bottom left at the top left";
    EXPECT_EQ(at(shown, 290, 10), qRgb(255, 0, 0));
    EXPECT_EQ(at(shown, 290, 390), qRgb(0, 255, 0));

    // A label near the bottom right of the upright picture lies outside the stored one.
    const activityfiles::Planned planned = planLabel("photo.jpg", 3000, 4000);
    ASSERT_TRUE(planned.problems.empty()) << planned.problems[0].message.toStdString();
    const QRectF picture = planned.drags[0].pictureRect, box = planned.drags[0].boxes[0].box;
    EXPECT_NEAR(picture.width() / picture.height(), 3024.0 / 4032, 0.01);
    EXPECT_GT(box.center().y(), picture.center().y());
    EXPECT_GT(box.center().x(), picture.center().x());
}

TEST_F(PicturesTest, PicturesBeyondTheLimitsCutShortOrLyingAreRefusedWithTheirReason) {
    useEmptyFolder();
    const QByteArray small = jpeg(quadrants({40, 30}));
    QBuffer pngOut;
    pngOut.open(QIODevice::WriteOnly);
    quadrants({40, 30}).save(&pngOut, "PNG");
    const QByteArray png = pngOut.data();
    QFile huge(save("huge.jpg", small));
    ASSERT_TRUE(huge.resize(kMaxPictureBytes + 1));  // sparse
    const std::pair<QString, const char*> refused[] = {
        {save("IMG_2041.jpg", declaring(small, {9000, 9000})),
         "IMG_2041.jpg: 9000 by 9000 pixels is more than 50 megapixels"},
        {save("edge.jpg", declaring(small, {8000, 6251})),
         "edge.jpg: 8000 by 6251 pixels is more than 50 megapixels"},
        {save("wide.jpg", declaring(small, {16385, 10})),
         "wide.jpg: 16385 by 10 pixels is more than 16384 pixels a side"},
        {"huge.jpg", "huge.jpg: 65 MiB is more than 64 MiB for a picture file"},
        {save("notes.jpg", "Notes for Tuesday"), "notes.jpg is not a PNG or JPEG picture"},
        {save("half.jpg", small.chopped(40)),
         "half.jpg is cut short: the file ends before its picture does"},
        {save("half.png", png.chopped(20)),
         "half.png is cut short: the file ends before its picture does"},
    };
    for (const auto& [file, message] : refused) {
        EXPECT_EQ(judgePictureFile(file).problem.toStdString(), message);
        EXPECT_EQ(loadPictureFile(file, {100, 100}).problem.toStdString(), message);
    }
    // What the layout says of it, and so the topic's greying and --check.
    const activityfiles::Planned planned = planLabel("IMG_2041.jpg", 1, 1);
    ASSERT_EQ(planned.problems.size(), 1u);
    EXPECT_EQ(planned.problems[0].message, refused[0].second);
    // A header claiming more than the data holds, found by decoding it; exactly 50 megapixels
    // is no reason, only the lie.
    const QString lying = save("lying.jpg", declaring(small, {8000, 6250}));
    EXPECT_EQ(judgePictureFile(lying).problem.toStdString(),
              "lying.jpg is cut short: the file ends before its picture does");
    EXPECT_FALSE(loadPictureFile(lying, {100, 100}).usable());
}

TEST_F(PicturesTest, PngsAreDecodedAtTheSizeShown) {
    useEmptyFolder();
    quadrants({600, 300}).save("wide.png");
    EXPECT_EQ(loadPictureFile("wide.png", {60, 30}).picture.size(), QSize(60, 30));
    EXPECT_EQ(loadPictureFile("wide.png", {6000, 3000}).picture.size(), QSize(600, 300));
}
