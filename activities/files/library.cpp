#include "activities/files/library.h"

#include <QFile>
#include <QHash>

#include "activities/files/problemwords.h"

namespace activityfiles {

namespace {

// What was made of each file, made again only for a new version of it.
template <typename Made>
class VersionCache {
  public:
    template <typename Make>
    std::shared_ptr<const Made> get(const QString& path, const QString& version, Make make) {
        Entry& entry = entries_[path];
        if (!entry.made || entry.version != version) {
            entry.version = version;
            entry.made = std::make_shared<const Made>(make(path));
        }
        return entry.made;
    }
    void clear() { entries_.clear(); }

  private:
    struct Entry {
        QString version;
        std::shared_ptr<const Made> made;
    };
    QHash<QString, Entry> entries_;
};

VersionCache<ReadResult>& readCache() {
    static VersionCache<ReadResult> cache;
    return cache;
}

VersionCache<Translation>& translationCache() {
    static VersionCache<Translation> cache;
    return cache;
}

std::shared_ptr<const ReadResult> readFile(const QString& path, const QString& version,
                                           bool cached) {
    if (!cached) return std::make_shared<const ReadResult>(readActivityFile(path));
    return readCache().get(path, version, readActivityFile);
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
    return translationCache().get(path, fileVersion(path), readTranslationAt);
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
