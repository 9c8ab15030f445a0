#pragma once
// The activities that come with the program in its menus' own entries. Each is an activity
// file of the data folders, played under the screen name its menu entry opens; a teacher's
// file of the same name in her folder takes its place, as for any file.
#include <QString>

namespace activityfiles {

struct ShippedScreen {
    const char* screen;
    const char* file;
};

constexpr ShippedScreen kShippedScreens[] = {
    {"boneslab", "skeleton.toml"},
    {"puberty", "puberty.toml"},
    {"healthy", "healthy-living.toml"},
};

// The shipped file that a menu entry's screen plays, or null for a screen of none.
inline const char* shippedFileOf(const QString& screen) {
    for (const ShippedScreen& s : kShippedScreens)
        if (screen == QLatin1String(s.screen)) return s.file;
    return nullptr;
}

inline bool isShippedBoardFile(const QString& fileName) {
    for (const ShippedScreen& s : kShippedScreens)
        if (fileName.compare(QLatin1String(s.file), Qt::CaseInsensitive) == 0) return true;
    return false;
}

}  // namespace activityfiles
