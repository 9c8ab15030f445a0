#include "app/fontconfiguration.h"

#include <QFontDatabase>
#include <QList>
#include <QString>
#include <algorithm>
#include <array>
#include <filesystem>
#include <set>
#include <system_error>

#include "ui/fonts.h"

#if __has_include(<fontconfig/fontconfig.h>)
#include <fontconfig/fontconfig.h>
#define BRINDLEMARK_HAS_FONTCONFIG 1
#endif

namespace {

constexpr std::array kFaces{"LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf",
                            "LiberationSerif-Regular.ttf", "LiberationSerif-Bold.ttf"};

// Where Debian (fonts-liberation, fonts-liberation2) and other distributions put them.
const std::vector<std::string>& knownFolders() {
    static const std::vector<std::string> folders{
        "/usr/share/fonts/truetype/liberation", "/usr/share/fonts/truetype/liberation2",
        "/usr/share/fonts/liberation-sans",     "/usr/share/fonts/liberation-serif",
        "/usr/share/fonts/liberation",          "/usr/share/fonts/TTF"};
    return folders;
}

bool holdsFace(const std::string& folder, const char* face) {
    std::error_code error;
    return std::filesystem::is_regular_file(std::filesystem::path(folder) / face, error);
}

#ifdef BRINDLEMARK_HAS_FONTCONFIG
// The same caches the system configuration uses, so that nothing is scanned or written that
// would not be anyway. The generic names lead to the program's faces, and any other name
// (a theme's "Helvetica", say) to the sans-serif face, as the system's rules would.
std::string configurationFor(const std::vector<std::string>& folders) {
    std::string xml = "<?xml version=\"1.0\"?><fontconfig>";
    for (const std::string& folder : folders) xml += "<dir>" + folder + "</dir>";
    // Rules apply in order: a name is first given the sans-serif fallback, then every
    // generic name is led to its face.
    xml +=
        "<cachedir>/var/cache/fontconfig</cachedir>"
        "<cachedir prefix=\"xdg\">fontconfig</cachedir>"
        "<match target=\"pattern\">"
        "<test qual=\"all\" name=\"family\" compare=\"not_eq\"><string>sans-serif</string></test>"
        "<test qual=\"all\" name=\"family\" compare=\"not_eq\"><string>serif</string></test>"
        "<test qual=\"all\" name=\"family\" compare=\"not_eq\"><string>monospace</string></test>"
        "<edit name=\"family\" mode=\"append_last\"><string>sans-serif</string></edit>"
        "</match>"
        "<alias><family>sans-serif</family><prefer><family>Liberation Sans</family></prefer>"
        "</alias>"
        "<alias><family>serif</family><prefer><family>Liberation Serif</family></prefer>"
        "</alias>"
        "<alias><family>monospace</family><prefer><family>Liberation Mono</family></prefer>"
        "</alias>"
        "</fontconfig>";
    return xml;
}

// Characters the program's faces lack are drawn, as in any program, from whatever installed
// font has them. The program's configuration knows only its own faces, so each such font is
// found in the system's configuration, read the first time one is needed, and added to the
// program's, where Qt's fallback finds it.
struct Fallback {
    FcConfig* program = nullptr;
    FcCharSet* covered = nullptr;  // what the program's faces and the fonts added draw
    std::set<char32_t> unfound;    // what no installed font draws
    FcConfig* system = nullptr;
    QString lastAdded;
};

Fallback& fallback() {
    static Fallback f;
    return f;
}

// What every font of the configuration draws.
FcCharSet* coverageOf(FcConfig* config) {
    FcCharSet* all = FcCharSetCreate();
    if (FcFontSet* fonts = FcConfigGetFonts(config, FcSetSystem))
        for (int i = 0; i < fonts->nfont; ++i) {
            FcCharSet* charset = nullptr;
            if (FcPatternGetCharSet(fonts->fonts[i], FC_CHARSET, 0, &charset) == FcResultMatch)
                FcCharSetMerge(all, charset, nullptr);
        }
    return all;
}

bool addFont(FcPattern* font) {
    FcChar8* file = nullptr;
    if (FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch) return false;
    const QString path = QString::fromUtf8(reinterpret_cast<const char*>(file));
    if (QFontDatabase::addApplicationFont(path) < 0) return false;
    fallback().lastAdded = path;
    FcCharSet* charset = nullptr;
    if (FcPatternGetCharSet(font, FC_CHARSET, 0, &charset) == FcResultMatch)
        FcCharSetMerge(fallback().covered, charset, nullptr);
    return true;
}

// The bold face of the font's family too, so that bold captions need not be made bold.
void addBoldTwin(FcConfig* system, FcPattern* font) {
    FcChar8* family = nullptr;
    if (FcPatternGetString(font, FC_FAMILY, 0, &family) != FcResultMatch) return;
    FcPattern* pattern = FcPatternBuild(nullptr, FC_FAMILY, FcTypeString, family, FC_WEIGHT,
                                        FcTypeInteger, FC_WEIGHT_BOLD, nullptr);
    FcConfigSubstitute(system, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* bold = FcFontMatch(system, pattern, &result);
    int weight = 0;
    FcChar8* boldFamily = nullptr;
    if (bold && FcPatternGetInteger(bold, FC_WEIGHT, 0, &weight) == FcResultMatch &&
        weight >= FC_WEIGHT_BOLD &&
        FcPatternGetString(bold, FC_FAMILY, 0, &boldFamily) == FcResultMatch &&
        FcStrCmp(family, boldFamily) == 0)
        addFont(bold);
    if (bold) FcPatternDestroy(bold);
    FcPatternDestroy(pattern);
}

void addFallbackFonts(const QString& text) {
    // Most captions are plain ASCII, which the program's faces draw.
    if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; })) return;
    Fallback& f = fallback();
    if (!f.covered) f.covered = coverageOf(f.program);
    std::vector<char32_t> missing;
    for (const char32_t c : text.toUcs4())
        if (c >= 0x80 && !FcCharSetHasChar(f.covered, c) && !f.unfound.count(c))
            missing.push_back(c);
    if (missing.empty()) return;
    if (!f.system) f.system = FcInitLoadConfigAndFonts();
    FcCharSet* wanted = FcCharSetCreate();
    for (const char32_t c : missing) FcCharSetAddChar(wanted, c);
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>("sans-serif"));
    FcPatternAddCharSet(pattern, FC_CHARSET, wanted);
    FcConfigSubstitute(f.system, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    // Best first, each adding characters the ones before it lack.
    FcFontSet* fonts = f.system ? FcFontSort(f.system, pattern, FcTrue, nullptr, &result) : nullptr;
    bool added = false;
    for (int i = 0; fonts && i < fonts->nfont; ++i) {
        FcCharSet* charset = nullptr;
        if (FcPatternGetCharSet(fonts->fonts[i], FC_CHARSET, 0, &charset) != FcResultMatch)
            continue;
        const bool useful = std::any_of(missing.begin(), missing.end(), [&](char32_t c) {
            return !FcCharSetHasChar(f.covered, c) && FcCharSetHasChar(charset, c);
        });
        if (!useful || !addFont(fonts->fonts[i])) continue;
        added = true;
        addBoldTwin(f.system, fonts->fonts[i]);
    }
    if (fonts) FcFontSetDestroy(fonts);
    FcPatternDestroy(pattern);
    FcCharSetDestroy(wanted);
    for (const char32_t c : missing)
        if (!FcCharSetHasChar(f.covered, c)) f.unfound.insert(c);
    // Qt keeps each script's list of fallback fonts once it has asked for it; taking an
    // application font away makes it ask again.
    if (added) QFontDatabase::removeApplicationFont(QFontDatabase::addApplicationFont(f.lastAdded));
}
#endif

}  // namespace

std::vector<std::string> programFontFolders(const std::vector<std::string>& candidates) {
    std::vector<std::string> folders;
    for (const char* face : kFaces) {
        bool found = false;
        for (const std::string& folder : candidates) {
            if (!holdsFace(folder, face)) continue;
            found = true;
            if (std::find(folders.begin(), folders.end(), folder) == folders.end())
                folders.push_back(folder);
            break;
        }
        if (!found) return {};
    }
    return folders;
}

bool useProgramFonts() {
#ifdef BRINDLEMARK_HAS_FONTCONFIG
    const std::vector<std::string> folders = programFontFolders(knownFolders());
    if (folders.empty()) return false;
    FcConfig* config = FcConfigCreate();
    if (!config) return false;
    const std::string xml = configurationFor(folders);
    const bool built = FcConfigParseAndLoadFromMemory(
                           config, reinterpret_cast<const FcChar8*>(xml.c_str()), FcTrue) &&
                       FcConfigBuildFonts(config);
    // Once current it stays so for the life of the process: it is never released.
    if (built && FcConfigSetCurrent(config)) {
        fallback().program = config;
        ui::setTextPreparer(addFallbackFonts);
        return true;
    }
    FcConfigDestroy(config);
    return false;
#else
    return false;
#endif
}

void loadSystemFontConfiguration() {
#ifdef BRINDLEMARK_HAS_FONTCONFIG
    FcInit();
#endif
}
