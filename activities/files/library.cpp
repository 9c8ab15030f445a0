#include "activities/files/library.h"

#include <QFile>
#include <QHash>

#include "activities/files/problemwords.h"

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

struct CachedTranslation {
    QString version;
    std::shared_ptr<const Translation> result;
};

QHash<QString, CachedTranslation>& translationCache() {
    static QHash<QString, CachedTranslation> cache;
    return cache;
}

Translation readTranslationAt(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Translation out;
        out.problems.push_back(fileProblem({1, 1}, Fault::Unreadable, {}));
        return out;
    }
    // One byte more than allowed tells a huge file from a full one.
    return readTranslation(file.read(kMaxFileBytes + 1));
}

}  // namespace

std::shared_ptr<const Translation> readTranslationFile(const QString& path, bool cached) {
    if (!cached) return std::make_shared<const Translation>(readTranslationAt(path));
    CachedTranslation& entry = translationCache()[path];
    const QString version = fileVersion(path);
    if (!entry.result || entry.version != version) {
        entry.version = version;
        entry.result = std::make_shared<const Translation>(readTranslationAt(path));
    }
    return entry.result;
}

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
    translationCache().clear();
}

}  // namespace activityfiles
