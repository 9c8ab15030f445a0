#include "ui/files.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QSet>
#include <QStandardPaths>
#include <algorithm>
#include <filesystem>
#include <mutex>
#include <system_error>

namespace ui {

namespace {

// The folders, worked out once: pictures are looked up at animation frames, and on any thread
// that decodes ahead. Only whether each folder exists is asked again at every lookup, so that a
// teacher who makes her folder while the program runs is heard at once.
struct FolderCache {
    std::mutex mutex;
    bool loaded = false;
    QStringList candidates;         // the user's and the system's, from the environment
    QStringList canonical;          // each one's canonical path, empty while it is missing
    QString start, startCanonical;  // the working directory as last seen
};

FolderCache& folderCache() {
    static FolderCache cache;
    return cache;
}

bool exists(const QString& path) {
    std::error_code error;
    return std::filesystem::exists(std::filesystem::path(path.toStdString()), error);
}

// The entry of `dir` called `name`, exactly or else ignoring case.
std::optional<QString> findEntry(const QDir& dir, const QString& name) {
    if (QFileInfo::exists(dir.filePath(name))) return dir.filePath(name);
    const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0) return dir.filePath(entry);
    }
    return std::nullopt;
}

bool isRegularFile(const QString& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(std::filesystem::path(path.toStdString()), error);
}

bool isDirectory(const QString& path) {
    std::error_code error;
    return std::filesystem::is_directory(std::filesystem::path(path.toStdString()), error);
}

bool liesBelow(const QString& path, const QString& root) {
    return path.startsWith(root.endsWith('/') ? root : root + '/');
}

enum class Want { File, Directory };

// `layoutPath` below the canonical folder `root`, by the resolver's rules; the empty path is
// the folder itself when a directory is wanted.
std::optional<QString> resolveUnder(const QString& root, const QString& layoutPath, Want want) {
    QString path = layoutPath;
    path.replace('\\', '/');
    if (path.startsWith('/') || path.contains(':')) return std::nullopt;
    const QStringList parts = path.split('/', Qt::SkipEmptyParts);
    if (parts.isEmpty()) return want == Want::Directory ? std::optional(root) : std::nullopt;

    QDir dir(root);
    std::optional<QString> found;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (parts[i] == "." || parts[i] == "..") return std::nullopt;
        found = findEntry(dir, parts[i]);
        if (!found) return std::nullopt;
        if (i + 1 < parts.size()) dir = QDir(*found);
    }
    if (want == Want::File ? !isRegularFile(*found) : !isDirectory(*found)) return std::nullopt;
    // A link may point anywhere; only what really lies below the folder counts.
    const QString canonical = QFileInfo(*found).canonicalFilePath();
    if (!liesBelow(canonical, root)) return std::nullopt;
    return canonical;
}

}  // namespace

QStringList dataFolders() {
    const QString start = QDir::currentPath();
    FolderCache& cache = folderCache();
    const std::lock_guard lock(cache.mutex);
    if (!cache.loaded) {
        const QStringList bases =
            QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
        for (const QString& base : bases)
            cache.candidates << QDir::cleanPath(base + "/brindlemark");
        cache.canonical = QStringList(cache.candidates.size());
        cache.loaded = true;
    }
    for (qsizetype i = 0; i < cache.candidates.size(); ++i) {
        if (!exists(cache.candidates[i]))
            cache.canonical[i].clear();
        else if (cache.canonical[i].isEmpty())
            cache.canonical[i] = QDir(cache.candidates[i]).canonicalPath();
    }
    if (start != cache.start) {
        cache.start = start;
        cache.startCanonical = QDir(start).canonicalPath();
    }
    QStringList folders;
    for (const QString& folder : cache.canonical + QStringList{cache.startCanonical}) {
        if (!folder.isEmpty() && !folders.contains(folder)) folders << folder;
    }
    return folders;
}

void reloadDataFolders() {
    FolderCache& cache = folderCache();
    const std::lock_guard lock(cache.mutex);
    cache.loaded = false;
    cache.candidates.clear();
    cache.canonical.clear();
    cache.start.clear();
    cache.startCanonical.clear();
}

std::optional<DataFile> findDataFile(const QString& layoutPath) {
    if (layoutPath.isEmpty()) return std::nullopt;
    for (const QString& folder : dataFolders()) {
        if (auto path = resolveUnder(folder, layoutPath, Want::File))
            return DataFile{*path, folder};
    }
    return std::nullopt;
}

std::optional<QString> resolveFile(const QString& layoutPath) {
    const std::optional<DataFile> found = findDataFile(layoutPath);
    return found ? std::optional(found->path) : std::nullopt;
}

std::optional<QString> resolveFileIn(const QString& folder, const QString& layoutPath) {
    const QString root = QDir(folder).canonicalPath();
    if (root.isEmpty() || layoutPath.isEmpty()) return std::nullopt;
    return resolveUnder(root, layoutPath, Want::File);
}

QString inProgramLanguage(const QString& layoutPath) {
    const QLocale::Language language = QLocale().language();
    if (language == QLocale::English || language == QLocale::C) return {};
    const qsizetype slash = std::max(layoutPath.lastIndexOf('\\'), layoutPath.lastIndexOf('/'));
    qsizetype dot = layoutPath.lastIndexOf('.');
    if (dot <= slash) dot = layoutPath.size();
    return QString(layoutPath).insert(dot, '.' + QLocale::languageToCode(language));
}

QString fileInProgramLanguage(const QString& file) {
    const QFileInfo info(file);
    const QString version = inProgramLanguage(info.fileName());
    if (version.isEmpty()) return file;
    return resolveFileIn(info.path(), version).value_or(file);
}

QString subfolderIn(const QString& folder, const QString& name) {
    const QDir dir(folder);
    for (const QString& entry : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        if (entry.compare(name, Qt::CaseInsensitive) == 0) return dir.filePath(entry);
    return {};
}

QString userFolder(const QString& name) {
    const QString data =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/brindlemark";
    const QString found = subfolderIn(data, name);
    return found.isEmpty() ? data + '/' + name : found;
}

}  // namespace ui
