// Finding the activity files: each folder's *.toml names, whatever their case, with the
// rules every data folder keeps (nothing outside the folder, regular files only).
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <algorithm>
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

#include "activities/files/library.h"
#include "activities/files/translation.h"
#include "ui/files.h"

namespace activityfiles {

namespace {

FileProblem folderProblem(const QString& path, const QString& message) {
    return {path, {{1, 1}, message}};
}

// What one look at a directory entry tells: a menu that opens again looks at every file, so
// this is one system call for a plain file (QFileInfo asks several, and converts times).
struct Look {
    bool exists = false, link = false, dir = false, file = false;
    QString version;
};

Look look(const QString& path) {
    Look out;
#ifdef Q_OS_UNIX
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    if (::lstat(name.constData(), &st) != 0) return out;
    out.link = S_ISLNK(st.st_mode);
    if (out.link && ::stat(name.constData(), &st) != 0) return out;
    out.exists = true;
    out.dir = S_ISDIR(st.st_mode);
    out.file = S_ISREG(st.st_mode);
    // A file replaced within the clock's tick still has another size, change time or inode.
    out.version = QString("%1:%2.%3:%4.%5:%6")
                      .arg(st.st_size)
                      .arg(st.st_mtim.tv_sec)
                      .arg(st.st_mtim.tv_nsec)
                      .arg(st.st_ctim.tv_sec)
                      .arg(st.st_ctim.tv_nsec)
                      .arg(st.st_ino);
#else
    const QFileInfo info(path);
    out.link = info.isSymLink();
    out.exists = info.exists();
    out.dir = info.isDir();
    out.file = info.isFile();
    out.version = QString("%1:%2:%3")
                      .arg(info.size())
                      .arg(info.lastModified().toMSecsSinceEpoch())
                      .arg(info.metadataChangeTime().toMSecsSinceEpoch());
#endif
    return out;
}

// Why an entry named *.toml is no activity file, or empty when it is one.
QString notAFile(const Look& entry, const QString& path, const QString& root) {
    if (entry.link) {
        if (!entry.exists) return "this link leads nowhere, or round in a loop: it is not read";
        if (!QFileInfo(path).canonicalFilePath().startsWith(root + '/'))
            return "this link leads out of the folder: it is not read";
    }
    if (entry.dir) return "this is a folder, not an activity file";
    return entry.file ? QString() : "this is not a plain file: it is not read";
}

// The activity a translation's name is for, case-folded, and its language:
// "Skeleton.CY.toml" is "skeleton.toml" in "cy".
std::pair<QString, QString> translates(const QString& name, const QString& language) {
    QString activity = name;
    activity.remove(name.size() - 8, 3);  // ".cy" of ".cy.toml"
    return {activity.toCaseFolded(), language};
}

}  // namespace

QStringList activityFolders() {
    QStringList out;
    for (const QString& data : ui::dataFolders()) {
        const QString real = QFileInfo(ui::subfolderIn(data, "activities")).canonicalFilePath();
        if (real.startsWith(data + '/')) out << real;
    }
    return out;
}

std::map<QString, QString> translationsBeside(const QString& path) {
    const QFileInfo info(path);
    const QDir dir = info.absoluteDir();
    const QString root = dir.canonicalPath();
    std::map<QString, QString> out;
    if (root.isEmpty()) return out;
    for (const QString& name : dir.entryList({"*.toml"}, QDir::Files | QDir::System)) {
        const QString language = translationLanguage(name);
        if (language.isEmpty() ||
            translates(name, language).first != info.fileName().toCaseFolded())
            continue;
        // Named as the activity's path was, so that `--check` names both alike.
        const QString file = info.path() + '/' + name;
        if (notAFile(look(file), file, root).isEmpty()) out.emplace(language, file);
    }
    return out;
}

Found findActivityFiles(const QStringList& folders) {
    Found out;
    QHash<QString, size_t> taken;  // case-folded name: its file in out.files
    // (case-folded activity name, language): the first translation found, and its folder.
    std::map<std::pair<QString, QString>, std::pair<QString, int>> translations;
    for (int i = 0; i < folders.size(); ++i) {
        const QDir dir(folders[i]);
        const QString root = dir.canonicalPath();
        if (root.isEmpty()) continue;
        // Hidden names are passed over, as file managers hide them: a Mac leaves a "._" copy
        // of each file it puts on a USB stick.
        QStringList entries = dir.entryList(
            {"*.toml"}, QDir::Files | QDir::Dirs | QDir::System | QDir::NoDotAndDotDot,
            QDir::Unsorted);
        std::sort(entries.begin(), entries.end());
        QHash<QString, QString> here;  // case-folded name: the name read in this folder
        int count = 0;
        for (const QString& name : entries) {
            const QString path = root + '/' + name;
            if (const QString language = translationLanguage(name); !language.isEmpty()) {
                // Read with its activity, the earliest folder's first.
                if (const QString why = notAFile(look(path), path, root); !why.isEmpty())
                    out.problems.push_back(folderProblem(path, why));
                else
                    translations.emplace(translates(name, language), std::pair{path, i});
                continue;
            }
            const QString key = name.toCaseFolded();
            if (here.contains(key)) {
                out.problems.push_back(folderProblem(
                    path,
                    QString("\"%1\" and \"%2\" differ only in capital letters: only \"%2\" is "
                            "read, so rename or remove this one")
                        .arg(name, here[key])));
                continue;
            }
            here.insert(key, name);
            const Look entry = look(path);
            if (const QString why = notAFile(entry, path, root); !why.isEmpty()) {
                out.problems.push_back(folderProblem(path, why));
                continue;
            }
            if (++count > kMaxFilesPerFolder) {
                out.problems.push_back(folderProblem(
                    root, QString("more than %1 activity files: the rest are not read")
                              .arg(kMaxFilesPerFolder)));
                break;
            }
            if (const auto earlier = taken.constFind(key); earlier != taken.constEnd()) {
                FoundFile& hider = out.files[*earlier];
                if (hider.hides.isEmpty()) hider.hides = path;
                continue;
            }
            taken.insert(key, out.files.size());
            out.files.push_back({path, name, i, {}, entry.version, {}});
        }
    }
    // A translation serves the activity of its name in its own folder or a later one: her
    // copy of a shipped activity is not given the shipped translation of texts she may change.
    for (FoundFile& f : out.files)
        for (auto it = translations.lower_bound({f.fileName.toCaseFolded(), QString()});
             it != translations.end() && it->first.first == f.fileName.toCaseFolded(); ++it)
            if (it->second.second <= f.folder)
                f.translations.emplace(it->first.second, it->second.first);
    for (const auto& [of, file] : translations)
        if (!taken.contains(of.first))
            out.problems.push_back(folderProblem(
                file.first, QString("there is no activity \"%1\" for this to translate: name it "
                                    "after its activity, with the language before .toml")
                                .arg(of.first)));
    return out;
}

}  // namespace activityfiles

namespace activityfiles {

QString fileVersion(const QString& path) {
    return look(path).version;
}

}  // namespace activityfiles
