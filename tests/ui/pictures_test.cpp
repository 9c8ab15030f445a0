// Pictures a teacher really has: phone photos stood as their EXIF orientation says and decoded
// at the size shown; pictures beyond the limits, cut short or lying refused with their reason.
#include "ui/pictures.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QtEndian>

#include "activities/files/layout.h"
#include "tests/support/screentest.h"
#include "ui/jpeg.h"

using namespace ui;

namespace {

// Red, green, blue and white quarters from the top left, as stored, in that format.
QByteArray quarters(QSize size, const char* format = "JPEG") {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    const int w = size.width() / 2, h = size.height() / 2;
    for (auto [x, y, colour] : {std::tuple(0, 0, Qt::red), {w, 0, Qt::green}, {0, h, Qt::blue}})
        QPainter(&image).fillRect(x, y, w, h, colour);
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    image.save(&out, format);
    return out.data();
}

// The JPEG with an EXIF block that names an orientation, in either byte order.
QByteArray withOrientation(QByteArray bytes, int orientation, bool bigEndian) {
    QByteArray block("Exif\0\0", 6);
    const auto add = [&](quint32 v, int size) {
        for (int i = 0; i < size; ++i)
            block += char(bigEndian ? v >> 8 * (size - 1 - i) : v >> 8 * i);
    };
    block += bigEndian ? "MM" : "II";
    add(42, 2), add(8, 4), add(1, 2);  // the directory: one entry, orientation, a SHORT
    add(0x0112, 2), add(3, 2), add(1, 4), add(orientation, 2), add(0, 2), add(0, 4);
    const quint16 length = qToBigEndian<quint16>(block.size() + 2);
    return bytes.insert(2,
                        "\xFF\xE1" + QByteArray(reinterpret_cast<const char*>(&length), 2) + block);
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
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() ? name : QString();
}

// A labelling activity in the working folder, with one label on its picture.
activityfiles::Planned planLabel(const QString& picture, int x, int y) {
    const QString text = QString(
                             "menu = 3\nkind = \"labelling\"\ntopic = \"Photo\"\npicture = \"%1\"\n"
                             "[[label]]\nword = \"Leaf\"\nat = [%2, %3]\n")
                             .arg(picture, QString::number(x), QString::number(y));
    activityfiles::Activity a = *activityfiles::readActivity(text.toUtf8(), "photo.toml").activity;
    a.folder = QDir::currentPath();
    return activityfiles::plan(a);
}

class PicturesTest : public ScreenTest {};

}  // namespace

TEST_F(PicturesTest, EveryOrientationInEitherByteOrderStandsAsQtsReaderStandsIt) {
    useEmptyFolder();
    for (int o = 1; o <= 16; ++o) {
        const QString file = save(QString("o%1.jpg").arg(o),
                                  withOrientation(quarters({40, 24}), (o - 1) % 8 + 1, o > 8));
        QImageReader qt(file);
        qt.setAutoTransform(true);
        const QImage expected = qt.read().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(judgePictureFile(file).size, expected.size()) << o;
        EXPECT_EQ(loadPictureFile(file, {99, 99}).picture.toImage(), expected) << o;
    }
}

TEST_F(PicturesTest, APhonePhotoStandsUprightAtTheSizeShownWithLabelsOnTheUprightPicture) {
    useEmptyFolder();
    // 4032 by 3024 as stored, taken with the phone upright: a quarter turn clockwise.
    QDir().mkpath("Images");
    save("Images/photo.jpg", withOrientation(quarters({4032, 3024}), 6, false));
    // By its layout path, with no size asked for: its own size, in fewer pixels than its own.
    const std::optional<Picture> whole = LoadPicture("Images\\photo.jpg");
    EXPECT_EQ(designSize(*whole).toSize(), QSize(3024, 4032));
    EXPECT_LE(qint64(whole->width()) * whole->height() * 4, kMaxDecodedBytes);

    QFile::rename("Images/photo.jpg", "photo.jpg");
    EXPECT_EQ(judgePictureFile("photo.jpg").size, QSize(3024, 4032));
    const QImage shown = loadPictureFile("photo.jpg", {300, 400}).picture.toImage();
    ASSERT_EQ(shown.size(), QSize(300, 400));
    EXPECT_GT(qBlue(shown.pixel(10, 10)), 200) << "the stored bottom left at the top left";
    EXPECT_GT(qGreen(shown.pixel(290, 390)), 200) << "the stored top right at the bottom right";
    // A label near the bottom right of the upright picture lies outside the stored one.
    const activityfiles::Planned planned = planLabel("photo.jpg", 3000, 4000);
    ASSERT_TRUE(planned.problems.empty()) << planned.problems[0].message.toStdString();
    const QRectF picture = planned.drags[0].pictureRect, box = planned.drags[0].boxes[0].box;
    EXPECT_NEAR(picture.width() / picture.height(), 3024.0 / 4032, 0.01);
    EXPECT_GT(box.center().x(), picture.center().x());
    EXPECT_GT(box.center().y(), picture.center().y());
}

TEST_F(PicturesTest, PicturesBeyondTheLimitsCutShortOrLyingAreRefusedWithTheirReason) {
    useEmptyFolder();
    const QByteArray small = quarters({40, 30}), png = quarters({40, 30}, "PNG");
    EXPECT_EQ(loadPictureFile(save("a.png", png), {20, 15}).picture.size(), QSize(20, 15));
    QFile(save("huge.jpg", small)).resize(kMaxPictureBytes + 1);  // sparse
    const std::pair<QString, std::string> refused[] = {
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
        // Exactly 50 megapixels is no reason, but data that ends before the declared size is.
        {save("lying.jpg", declaring(small, {8000, 6250})),
         "lying.jpg is cut short: the file ends before its picture does"},
    };
    for (const auto& [file, message] : refused) {
        EXPECT_EQ(judgePictureFile(file).problem.toStdString(), message);
        EXPECT_EQ(loadPictureFile(file, {100, 100}).problem.toStdString(), message);
    }
    // What the layout says of it, and so the topic's greying and --check.
    const activityfiles::Planned planned = planLabel("IMG_2041.jpg", 1, 1);
    ASSERT_EQ(planned.problems.size(), 1u);
    EXPECT_EQ(planned.problems[0].message.toStdString(), refused[0].second);
}
