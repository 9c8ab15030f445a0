#pragma once
// The activities that come with the program and are played under the screen names their menu
// entries have always opened (the magnets' two sections each under its own). A teacher's file
// of the same name takes its place, as for any file, and is played under the same names.
#include <QString>
#include <array>

namespace activityfiles {

struct ShippedScreens {
    const char* file;
    std::array<const char*, 2> screens;  // by section or passage; null past the last
};

// Healthy Living's first passage; the others are its screen name with "#2" to "#4".
constexpr const char* kHealthyScreen = "healthy";

constexpr ShippedScreens kShippedScreens[] = {
    {"skeleton.toml", {"boneslab"}},           {"puberty.toml", {"puberty"}},
    {"healthy-living.toml", {kHealthyScreen}}, {"magnets.toml", {"magnets", "magnets2"}},
    {"circuits.toml", {"circuits"}},           {"repro.toml", {"repro"}},
};

// The shipped activity a file of this name plays, or null.
inline const ShippedScreens* shippedByFile(const QString& fileName) {
    for (const ShippedScreens& s : kShippedScreens)
        if (fileName.compare(QLatin1String(s.file), Qt::CaseInsensitive) == 0) return &s;
    return nullptr;
}

// The shipped activity played under a screen name, and which of its screens that is.
inline const ShippedScreens* shippedByScreen(const QString& screen, int* index = nullptr) {
    for (const ShippedScreens& s : kShippedScreens)
        for (int k = 0; k < static_cast<int>(s.screens.size()); ++k)
            if (s.screens[k] && screen == QLatin1String(s.screens[k])) {
                if (index) *index = k;
                return &s;
            }
    return nullptr;
}

}  // namespace activityfiles
