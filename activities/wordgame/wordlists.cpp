#include "activities/wordgame/wordlists.h"

#include <QFile>

#include "ui/files.h"

namespace wordgame {

WordLists readWordLists() {
    WordLists out;
    for (int c = 0; c < kCategories; ++c) {
        // Only a regular file is opened: a folder or a pipe of that name is passed over.
        const auto path = ui::resolveFile(QString::fromLatin1(kCategoryFiles[c].file));
        if (!path) continue;
        QFile file(*path);
        if (!file.open(QIODevice::ReadOnly)) continue;
        const CategoryWords read = readWordList(file);
        file.close();
        out.lists[c] = read.words;
        out.wordCounts[c] = read.count;
    }
    return out;
}

}  // namespace wordgame
