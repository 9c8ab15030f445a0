// Sharing an activity: each way a shared file is refused writes nothing at all, an export taken
// in on another account gives the same activity and pictures, and nothing of hers is replaced
// without leave.
#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include "activities/files/sharing/export.h"
#include "activities/files/sharing/import.h"
#include "tests/support/files.h"
#include "ui/files.h"

using namespace sharing;

namespace {

const QString kCorpus = QStringLiteral(BRINDLEMARK_SOURCE_DIR "/fuzz/corpus/import/");

// Each refused seed and the words its refusal must hold.
constexpr struct {
    const char* seed;
    const char* words;
} kRefused[] = {
    {"not-a-zip", "it is not a zip archive"},
    {"empty-zip", "holds no activity"},
    {"damaged", "the file is damaged"},
    {"encrypted", "\"flower.png\" is encrypted"},
    {"link", "\"flower.png\" is a link"},
    {"path-out", "\"../flower.png\" would lead out of the folder"},
    {"in-a-folder", "lies in a folder"},
    {"backslash", "lies in a folder"},
    {"drive-letter", "\"C:flower.png\" names a drive"},
    {"long-name", "longer than 100 characters"},
    {"hidden-name", "\".flower.png\" is not a plain file name"},
    {"name-not-utf8", "is not written in UTF-8 as it claims"},
    {"other-kind", "\"notes.txt\" is neither an activity"},
    {"too-many-entries", "more than 52 files"},
    {"two-activities", "more than one activity"},
    {"twice", "\"FLOWER.PNG\" is in the file twice"},
    {"no-activity", "holds no activity"},
    {"activity-too-large", "\"flower.toml\" is larger than 256 KiB"},
    {"picture-too-large", "\"flower.png\" is larger than 64 MiB"},
    {"all-too-large", "more than 300 MiB"},
    {"size-lies-low", "\"flower.png\" is damaged"},
    {"size-lies-high", "its size in the archive is wrong"},
    {"bomb", "\"flower.png\" is damaged"},
    {"unknown-packing", "packed in a way that cannot be unpacked"},
    {"not-a-picture", "\"flower.png\" is not a PNG or JPEG picture"},
    {"activity-does-not-read", "\"flower.toml\" cannot be used. Line 2 says"},
    {"picture-missing", "\"flower.png\", which the file does not bring"},
};

QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

// Every entry below `folder` with what it holds.
QStringList listing(const QString& folder) {
    QStringList out;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        out << path + ' ' +
                   QCryptographicHash::hash(fileBytes(path), QCryptographicHash::Sha1).toHex();
    }
    out.sort();
    return out;
}

// An account of her own (XDG_DATA_HOME), a private temporary folder, and the program's
// shipped pictures in the start folder.
class SharingTest : public ::testing::Test {
  protected:
    void SetUp() override {
        saved_ = {qgetenv("XDG_DATA_HOME"), qgetenv("TMPDIR")};
        previousDir_ = QDir::currentPath();
        QDir().mkpath(root_.filePath("tmp"));
        qputenv("TMPDIR", QFile::encodeName(root_.filePath("tmp")));
        useAccount("first");
        writeFile(root_.filePath("run/Images/skeleton.jpg"), "\xff\xd8\xff shipped");
        QDir::setCurrent(root_.filePath("run"));
        ui::reloadDataFolders();
    }
    void TearDown() override {
        QDir::setCurrent(previousDir_);
        qputenv("XDG_DATA_HOME", saved_.first);
        qputenv("TMPDIR", saved_.second);
        ui::reloadDataFolders();
    }
    void useAccount(const QString& name) {
        qputenv("XDG_DATA_HOME", QFile::encodeName(root_.filePath(name)));
        ui::reloadDataFolders();
    }
    QString mine(const QString& file) const { return ui::userFolder("activities") + '/' + file; }

    QTemporaryDir root_;
    std::pair<QByteArray, QByteArray> saved_;
    QString previousDir_;
};

TEST_F(SharingTest, EachRefusedFileSaysWhyAndWritesNothing) {
    writeFile(mine("flower.toml"), "her own");
    const QStringList before = listing(root_.path());
    for (const auto& c : kRefused) {
        SCOPED_TRACE(c.seed);
        const Inspection in = inspectPackage(kCorpus + c.seed + ".brindlemark");
        EXPECT_FALSE(in.ok());
        EXPECT_TRUE(in.problem.contains(c.words)) << in.problem.toStdString();
        EXPECT_FALSE(installPackage(in, {"flower.toml", "flower.png"}).problem.isEmpty());
        EXPECT_EQ(listing(root_.path()), before);
    }
    // The ones taken: a shipped picture need not travel.
    for (const char* seed : {"good", "good-without-own-picture"})
        EXPECT_TRUE(inspectPackage(kCorpus + seed + ".brindlemark").ok()) << seed;
    EXPECT_EQ(listing(root_.path()), before);
}

TEST_F(SharingTest, ExportedAndTakenInOnAnotherAccountTheSame) {
    // One picture of her own, named in another case than it is saved in, and one shipped.
    const QByteArray activity = R"(menu = 2
topic = "Mixtures"
kind = "questions"
[[question]]
text = "Which way separates sand from water?"
picture = "Sand.JPG"
answers = ["Sieving", "Filtering"]
right = "Filtering"
[[question]]
text = "Which bone protects the brain?"
picture = "skeleton.jpg"
answers = ["Skull", "Femur"]
right = "Skull"
)";
    writeFile(mine("mixtures.toml"), activity);
    writeFile(mine("sand.jpg"), "\xff\xd8\xff her photo");
    writeFile(mine("lost.toml"), QByteArray(activity).replace("Sand.JPG", "lost.jpg"));
    EXPECT_TRUE(exportActivity(mine("lost.toml"), root_.path()).problem.contains("\"lost.jpg\""));
    EXPECT_FALSE(QFileInfo::exists(root_.filePath("lost.brindlemark")));
    const Exported sent = exportActivity(mine("mixtures.toml"), root_.path());
    ASSERT_TRUE(sent.problem.isEmpty()) << sent.problem.toStdString();
    EXPECT_EQ(sent.path, root_.filePath("mixtures.brindlemark"));
    EXPECT_TRUE(exportActivity(mine("mixtures.toml"), root_.path()).problem.contains("already"));

    useAccount("second");
    writeFile(root_.filePath("run/activities/Mixtures.toml"), "shipped");
    const Inspection in = inspectPackage(sent.path);
    ASSERT_TRUE(in.ok()) << in.problem.toStdString();
    EXPECT_EQ(in.files(), (QStringList{"mixtures.toml", "Sand.JPG", "skeleton.jpg"}));
    EXPECT_EQ(in.folder, root_.filePath("second/brindlemark/activities"));
    EXPECT_TRUE(in.existing.isEmpty());
    EXPECT_EQ(in.place.menu, 0) << "menu 2 has no topic \"Mixtures\": the menus list it in ours";
    EXPECT_EQ(in.place.topic, "Mixtures");
    EXPECT_EQ(in.place.inPlaceOf,
              QFileInfo(root_.filePath("run/activities/Mixtures.toml")).canonicalFilePath());
    EXPECT_FALSE(QFileInfo::exists(in.folder));

    const Installed done = installPackage(in);
    ASSERT_TRUE(done.problem.isEmpty()) << done.problem.toStdString();
    EXPECT_EQ(fileBytes(mine("mixtures.toml")), activity);
    EXPECT_EQ(fileBytes(mine("Sand.JPG")),
              fileBytes(root_.filePath("first/brindlemark/activities/sand.jpg")));
    EXPECT_EQ(fileBytes(mine("skeleton.jpg")),
              fileBytes(root_.filePath("run/Images/skeleton.jpg")));
    EXPECT_EQ(entries(in.folder), (QStringList{"Sand.JPG", "mixtures.toml", "skeleton.jpg"}));
}

TEST_F(SharingTest, ReplacesOnlyWhatSheAllowsUnderHerOwnNames) {
    writeFile(mine("FLOWER.png"), "her picture");
    writeFile(mine("flower.toml"), "her activity");
    const Inspection in = inspectPackage(kCorpus + "good.brindlemark");
    ASSERT_TRUE(in.ok());
    EXPECT_EQ(in.existing, (QStringList{"flower.toml", "FLOWER.png"}));
    const QStringList before = listing(root_.path());
    for (const QStringList& allowed : {QStringList{}, QStringList{"flower.toml"}}) {
        const Installed refused = installPackage(in, allowed);
        EXPECT_TRUE(refused.problem.contains("is already in your activities folder"));
        EXPECT_EQ(listing(root_.path()), before);
    }
    const Installed done = installPackage(in, {"FLOWER.TOML", "flower.png"});
    ASSERT_TRUE(done.problem.isEmpty()) << done.problem.toStdString();
    EXPECT_EQ(done.written, (QStringList{mine("FLOWER.png"), mine("flower.toml")}));
    EXPECT_EQ(fileBytes(mine("FLOWER.png")), fileBytes(in.unpackedPath("flower.png")));
    EXPECT_EQ(entries(in.folder), (QStringList{"FLOWER.png", "flower.toml"}));
}

}  // namespace
