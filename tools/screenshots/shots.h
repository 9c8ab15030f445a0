#pragma once
// The screenshots in docs/screenshots: each names its screen, the steps that bring it to
// the moment shown (see script.h) and the seed of its random draws, chosen so that the
// question on show stays the same from run to run.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

namespace screenshots {

struct Shot {
    QString file;    // the picture's name, without ".png"
    QString script;  // the screen's registry key, then its steps, separated by '/'
    std::uint64_t seed = 1;
    QString missing = {};       // a file left out of the run folder for this picture
    bool teacherFiles = false;  // a teacher's own activities added to the run folder
    QString grab = {};          // the screen pictured, when not the first the script names
    bool readingAloud = false;  // the main screen's "Read Aloud" ticked
};

// A teacher's own activity files, as a class might have them: for Our Activities.
struct TeacherFile {
    QString name;
    QByteArray text;
};
const std::vector<TeacherFile>& teacherFiles();

const std::vector<Shot>& shots();

}  // namespace screenshots
