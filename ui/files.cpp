#include "ui/files.h"

#include <QDir>
#include <QFileInfo>
#include <filesystem>
#include <system_error>

namespace ui {

namespace {

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

}  // namespace

std::optional<QString> resolveFile(const QString& layoutPath) {
    return resolveFileIn(QDir::currentPath(), layoutPath);
}

std::optional<QString> resolveFileIn(const QString& folder, const QString& layoutPath) {
    QString path = layoutPath;
    path.replace('\\', '/');
    if (path.isEmpty() || path.startsWith('/') || path.contains(':')) return std::nullopt;

    const QString root = QDir(folder).canonicalPath();
    if (root.isEmpty()) return std::nullopt;
    QDir dir(root);
    std::optional<QString> found;
    const QStringList parts = path.split('/', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (parts[i] == "." || parts[i] == "..") return std::nullopt;
        found = findEntry(dir, parts[i]);
        if (!found) return std::nullopt;
        if (i + 1 < parts.size()) dir = QDir(*found);
    }
    if (!found || !isRegularFile(*found)) return std::nullopt;
    // A link may point anywhere; only what really lies below the working directory counts.
    const QString canonical = QFileInfo(*found).canonicalFilePath();
    if (!canonical.startsWith(root + '/')) return std::nullopt;
    return canonical;
}

}  // namespace ui
