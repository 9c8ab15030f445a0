#pragma once
// The screenshots in docs/screenshots: each names its screen, the steps that bring it to
// the moment shown (see script.h) and the seed of its random draws, chosen so that the
// question on show stays the same from run to run.
#include <QString>
#include <cstdint>
#include <vector>

namespace screenshots {

struct Shot {
    QString file;    // the picture's name, without ".png"
    QString script;  // the screen's registry key, then its steps, separated by '/'
    std::uint64_t seed = 1;
    QString missing = {};       // a file left out of the run folder for this picture
    bool readingAloud = false;  // the main screen's "Read Aloud" ticked
};

const std::vector<Shot>& shots();

}  // namespace screenshots
