#include "app/fontconfiguration.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <system_error>

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
    if (built && FcConfigSetCurrent(config)) return true;
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
