#include "activities/files/library.h"

#include <QHash>

namespace activityfiles {

namespace {

struct CachedRead {
    QString version;
    std::shared_ptr<const ReadResult> result;
};

QHash<QString, CachedRead>& readCache() {
    static QHash<QString, CachedRead> cache;
    return cache;
}

std::shared_ptr<const ReadResult> readFile(const QString& path, const QString& version,
                                           bool cached) {
    if (!cached) return std::make_shared<const ReadResult>(readActivityFile(path));
    CachedRead& entry = readCache()[path];
    if (!entry.result || entry.version != version) {
        entry.version = version;
        entry.result = std::make_shared<const ReadResult>(readActivityFile(path));
    }
    return entry.result;
}

}  // namespace

Library loadLibrary(const QStringList& folders, bool cached) {
    Found found = findActivityFiles(folders);
    Library out;
    out.problems = std::move(found.problems);
    out.files.reserve(found.files.size());
    for (FoundFile& f : found.files) {
        LoadedFile loaded;
        loaded.read = readFile(f.path, f.version, cached);
        if (!f.hides.isEmpty()) loaded.hidden = readFile(f.hides, fileVersion(f.hides), cached);
        loaded.file = std::move(f);
        out.files.push_back(std::move(loaded));
    }
    return out;
}

void forgetReadFiles() {
    readCache().clear();
}

}  // namespace activityfiles
