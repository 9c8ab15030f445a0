// Names made from titles, and pictures brought beside an activity: a phone photo on its side
// comes in upright and at most 2400 pixels, a picture already there is not copied twice, a
// different one of the same name gets another, and a file that is no picture is refused.
#include <gtest/gtest.h>

#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QTemporaryDir>

#include "maker/activitysaver.h"
#include "maker/pictureimport.h"
#include "tests/support/files.h"

using namespace maker;

TEST(MakerNames, LettersOfAnyScriptAndDigitsKeptApartWhateverTheCase) {
    EXPECT_EQ(nameFromTitle("Parts of a Flower!", {}), "parts-of-a-flower.toml");
    EXPECT_EQ(nameFromTitle("  Year 4: «Рыбы» и हिन्दी  ", {}), "year-4-рыбы-и-हिन्दी.toml");
    EXPECT_EQ(nameFromTitle("???", {}), "activity.toml");
    EXPECT_EQ(nameFromTitle("Sound", {"Sound.TOML", "sound-2.toml"}), "sound-3.toml");
}

TEST(MakerPictures, APhotoOnItsSideComesInUprightAndSmaller) {
    QTemporaryDir dir;
    QImage photo(3200, 2000, QImage::Format_RGB32);
    photo.fill(Qt::darkGreen);
    const QString source = dir.filePath("IMG_2041.JPG");
    QImageWriter writer(source, "jpeg");
    writer.setTransformation(QImageIOHandler::TransformationRotate90);
    ASSERT_TRUE(writer.write(photo));

    const QString folder = dir.filePath("activities");
    const ImportedPicture first = importPicture(source, folder);
    ASSERT_EQ(first.name, "IMG_2041.jpg") << first.error.toStdString();
    QImageReader copy(folder + "/IMG_2041.jpg");
    copy.setAutoTransform(true);
    EXPECT_EQ(copy.read().size(), QSize(1500, 2400));  // upright: taller than wide

    // A small picture is copied byte for byte, once; another of its name is kept apart.
    const QString small = dir.filePath("leaf.png");
    ASSERT_TRUE(QImage(40, 30, QImage::Format_RGB32).save(small));
    EXPECT_EQ(importPicture(small, folder).name, "leaf.png");
    EXPECT_EQ(importPicture(small, folder).name, "leaf.png");
    QImage other(50, 30, QImage::Format_RGB32);
    other.fill(Qt::red);
    QTemporaryDir elsewhere;
    ASSERT_TRUE(other.save(elsewhere.filePath("Leaf.png")));
    EXPECT_EQ(importPicture(elsewhere.filePath("Leaf.png"), folder).name, "Leaf-2.png");

    ASSERT_TRUE(writeFile(dir.filePath("notes.jpg"), "not a picture"));
    const ImportedPicture refused = importPicture(dir.filePath("notes.jpg"), folder);
    EXPECT_TRUE(refused.name.isEmpty());
    EXPECT_TRUE(refused.error.contains("notes.jpg")) << refused.error.toStdString();
}
