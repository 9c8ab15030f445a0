#pragma once
// The comments of an activity file written by hand that the Maker keeps: the one at the head
// of the file and the one just above each [[entry]]. Others it cannot place are noted, so
// that the teacher is told before they are lost.
#include <QByteArray>
#include <QString>
#include <vector>

namespace maker {

struct FileComments {
    QString header;                // its lines, each with its "#"
    std::vector<QString> entries;  // by [[entry]], in the file's order
    bool othersDropped = false;    // a comment anywhere else, or after a value on its line
};

FileComments readComments(const QByteArray& fileText);

}  // namespace maker
