#pragma once
// Brings a teacher's picture beside her activity: copied, never moved or changed; a photo
// longer than kLongestSide on a side is saved as an upright JPEG copy of at most that.
#include <QString>

namespace maker {

constexpr int kLongestSide = 2400;

struct ImportedPicture {
    QString name;   // the plain file name in the folder; empty when it failed
    QString error;  // why, in her words
};

// Into `folder`, under a name kept apart from those in `savedIn` too, where it will be saved.
// Whether two files hold the same bytes.
bool sameBytes(const QString& a, const QString& b);

ImportedPicture importPicture(const QString& source, const QString& folder,
                              const QString& savedIn = {});

}  // namespace maker
