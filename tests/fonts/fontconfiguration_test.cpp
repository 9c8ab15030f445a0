// A program of its own: the font configuration it installs holds for the whole process.
#include "app/fontconfiguration.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QTemporaryDir>
#include <fstream>
#include <string_view>

#include "ui/fonts.h"
#include "ui/form.h"
#include "ui/label.h"

namespace {

bool installed = false;

void touch(const QString& path) {
    std::ofstream(path.toStdString()) << "x";
}

TEST(ProgramFonts, FoldersMustHoldEveryFaceTheProgramDrawsWith) {
    QTemporaryDir sans, serif, partial;
    for (const char* face : {"LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf"}) {
        touch(sans.filePath(face));
        touch(partial.filePath(face));
    }
    for (const char* face : {"LiberationSerif-Regular.ttf", "LiberationSerif-Bold.ttf"})
        touch(serif.filePath(face));
    touch(partial.filePath("LiberationSerif-Regular.ttf"));

    const std::string a = sans.path().toStdString(), b = serif.path().toStdString(),
                      p = partial.path().toStdString();
    EXPECT_EQ(programFontFolders({a, b}), (std::vector<std::string>{a, b}));
    // A folder already found is not listed twice; one lacking a face is no use alone.
    EXPECT_EQ(programFontFolders({p, b}), (std::vector<std::string>{p, b}));
    EXPECT_TRUE(programFontFolders({p}).empty());
    EXPECT_TRUE(programFontFolders({"/no/such/folder"}).empty());
}

TEST(ProgramFonts, EveryDesignFamilyAndTheDefaultFontResolveToTheProgramsFaces) {
    if (!installed) GTEST_SKIP() << "the Liberation fonts are not installed here";
    // Qt lists the generic names beside the installed families.
    const QStringList generic{"Sans Serif", "Serif", "Monospace"};
    for (const QString& family : QFontDatabase::families())
        EXPECT_TRUE(family.startsWith("Liberation") || generic.contains(family))
            << family.toStdString();
    const auto shownAs = [](const char* design) {
        return QFontInfo(ui::makeFont({design, 12.0f, false}, 12.0f)).family();
    };
    EXPECT_EQ(shownAs("Tahoma"), "Liberation Sans");
    EXPECT_EQ(shownAs("Arial"), "Liberation Sans");
    EXPECT_EQ(shownAs("Times New Roman"), "Liberation Serif");
    EXPECT_EQ(QFontInfo(QApplication::font()).family(), "Liberation Sans")
        << "default " << QApplication::font().family().toStdString();
    EXPECT_EQ(QFontInfo(QFont("Helvetica")).family(), "Liberation Sans");
}

TEST(ProgramFonts, LettersTheProgramsFacesLackAreDrawnFromAnInstalledFont) {
    if (!installed) GTEST_SKIP() << "the Liberation fonts are not installed here";
    // As Scrambled Words draws its tiles: one code point each, as wide as its letter.
    ui::Form form("tiles");
    const auto tile = [&](char32_t c) {
        ui::Label label(form, "tile");
        label.applyDesign(
            {.font = {"Arial", 48, false}, .back = ui::RGB(255, 255, 255), .autoSize = true});
        label.setCaption(QString::fromUcs4(&c, 1));
        return label.widget()->grab().toImage();
    };
    const QImage missingGlyph = tile(U'\u0378');  // no font has it: unassigned
    // "Magnet" in Georgian and in Arabic; DejaVu Sans has both, the Liberation faces neither.
    for (const char32_t letter : std::u32string_view(U"მაგნიტიمغناطيس"))
        EXPECT_NE(tile(letter), missingGlyph) << std::hex << static_cast<unsigned>(letter);
}

}  // namespace

int main(int argc, char** argv) {
    installed = useProgramFonts();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
