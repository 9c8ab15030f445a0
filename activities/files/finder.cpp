// Finding the activity files: each folder's *.toml names, whatever their case, with the
// rules every data folder keeps (nothing outside the folder, regular files only).
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <algorithm>

#include "activities/files/library.h"
#include "ui/files.h"

namespace activityfiles {

namespace {

FileProblem folderProblem(const QString& path, const QString& message) {
    return {path, {{1, 1}, message}};
}

// Why an entry named *.toml is no activity file, or empty when it is one.
QString notAFile(const QFileInfo& info, const QString& root) {
    if (info.isSymLink()) {
        if (!info.exists()) return "this link leads nowhere, or round in a loop: it is not read";
        if (!info.canonicalFilePath().startsWith(root + '/'))
            return "this link leads out of the folder: it is not read";
    }
    // isDir and isFile ask of what a link leads to.
    if (info.isDir()) return "this is a folder, not an activity file";
    return info.isFile() ? QString() : "this is not a plain file: it is not read";
}

}  // namespace

QStringList activityFolders() {
    QStringList out;
    for (const QString& data : ui::dataFolders()) {
        const QDir dir(data);
        for (const QString& entry : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            if (entry.compare("activities", Qt::CaseInsensitive) == 0) {
                const QString real = QFileInfo(dir.filePath(entry)).canonicalFilePath();
                if (real.startsWith(data + '/')) out << real;
                break;
            }
    }
    return out;
}

Found findActivityFiles(const QStringList& folders) {
    Found out;
    QHash<QString, size_t> taken;  // case-folded name: its file in out.files
    for (int i = 0; i < folders.size(); ++i) {
        const QDir dir(folders[i]);
        const QString root = dir.canonicalPath();
        if (root.isEmpty()) continue;
        // Hidden names are passed over, as file managers hide them: a Mac leaves a "._" copy
        // of each file it puts on a USB stick.
        QFileInfoList entries = dir.entryInfoList(
            {"*.toml"}, QDir::Files | QDir::Dirs | QDir::System | QDir::NoDotAndDotDot);
        std::sort(entries.begin(), entries.end(), [](const QFileInfo& a, const QFileInfo& b) {
            return a.fileName() < b.fileName();
        });
        QHash<QString, QString> here;  // case-folded name: the name read in this folder
        int count = 0;
        for (const QFileInfo& info : entries) {
            const QString name = info.fileName();
            const QString key = name.toCaseFolded();
            if (here.contains(key)) {
                out.problems.push_back(folderProblem(
                    info.absoluteFilePath(),
                    QString("\"%1\" and \"%2\" differ only in capital letters: only \"%2\" is "
                            "read, so rename or remove this one")
                        .arg(name, here[key])));
                continue;
            }
            here.insert(key, name);
            if (const QString why = notAFile(info, root); !why.isEmpty()) {
                out.problems.push_back(folderProblem(info.absoluteFilePath(), why));
                continue;
            }
            if (++count > kMaxFilesPerFolder) {
                out.problems.push_back(folderProblem(
                    root, QString("more than %1 activity files: the rest are not read")
                              .arg(kMaxFilesPerFolder)));
                break;
            }
            const QString path = info.absoluteFilePath();
            if (const auto earlier = taken.constFind(key); earlier != taken.constEnd()) {
                FoundFile& hider = out.files[*earlier];
                if (hider.hides.isEmpty()) hider.hides = path;
                continue;
            }
            taken.insert(key, out.files.size());
            out.files.push_back({path, name, i, {}, fileVersion(info)});
        }
    }
    return out;
}

}  // namespace activityfiles
