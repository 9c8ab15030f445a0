#include "activities/files/check.h"

#include <QFileInfo>
#include <cstdio>

#include "activities/files/catalogue.h"

namespace activityfiles {

int runCheck(const QStringList& files) {
    std::vector<FoundFile> found;
    if (files.isEmpty()) {
        found = findActivityFiles(activityFolders());
    } else {
        for (const QString& f : files) found.push_back({f, QFileInfo(f).fileName(), 0});
    }
    int problems = 0;
    for (const Report& r : checkFiles(found, true)) {
        for (const Problem& p : r.problems) {
            std::printf("%s:%d:%d: %s\n", qUtf8Printable(r.file), p.at.line, p.at.column,
                        qUtf8Printable(p.message));
            ++problems;
        }
    }
    std::fflush(stdout);
    return problems > 0 ? 1 : 0;
}

}  // namespace activityfiles
