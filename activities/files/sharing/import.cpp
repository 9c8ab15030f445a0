#include "activities/files/sharing/import.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <filesystem>
#include <system_error>
#include <vector>

#include "activities/files/catalogue.h"
#include "activities/files/problemwords.h"
#include "activities/files/sharing/package.h"
#include "activities/files/sharing/unpack.h"
#include "ui/files.h"

namespace sharing {

namespace {

QStringList folderEntries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                  QDir::NoDotAndDotDot);
}

bool moveFile(const QString& from, const QString& to) {
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(from.toStdU16String()),
                            std::filesystem::path(to.toStdU16String()), error);
    return !error;
}

// Where the catalogue puts it once it is in her folder, and the shipped or school file whose
// place it takes.
Place placeOf(const QString& unpacked) {
    std::vector<size_t> index;
    const auto c = activityfiles::readCatalogueWith(activityfiles::activityFolders(),
                                                    {{unpacked, std::nullopt}}, index, false);
    const activityfiles::CatalogueEntry& e = c.entries[index.front()];
    return {e.menu(), e.place.caption, e.file.file.hides};
}

// In the words a grey topic uses: the line at fault as the file has it, then what to do.
QString problemInWords(const QString& path, const activityfiles::ReadResult& read) {
    QFile file(path);
    const QByteArray text =
        file.open(QIODevice::ReadOnly) ? file.read(activityfiles::kMaxFileBytes) : QByteArray();
    return QCoreApplication::translate("Sharing", "the activity \"%1\" cannot be used. %2")
        .arg(QFileInfo(path).fileName(),
             activityfiles::lineSays(read.problems.front(), read.kind, text));
}

}  // namespace

QString Inspection::unpackedPath(const QString& name) const {
    return unpacked ? unpacked->filePath(name) : QString();
}

QString sameName(const QStringList& names, const QString& name) {
    for (const QString& n : names)
        if (n.compare(name, Qt::CaseInsensitive) == 0) return n;
    return {};
}

Inspection inspectPackage(const QString& path) {
    Inspection in;
    in.folder = ui::userFolder("activities");
    auto refuse = [&in](QString problem) {
        Inspection out;
        out.folder = in.folder;
        out.problem = std::move(problem);
        return out;
    };
    in.unpacked = std::make_shared<QTemporaryDir>();
    if (!in.unpacked->isValid())
        return refuse(
            QCoreApplication::translate("Sharing", "a temporary folder cannot be made: %1")
                .arg(in.unpacked->errorString()));
    const Unpacked unpacked = unpackPackage(path, in.unpacked->path());
    if (!unpacked.problem.isEmpty()) return refuse(unpacked.problem);

    activityfiles::ReadResult read =
        activityfiles::readActivityFile(in.unpackedPath(unpacked.activity));
    if (!read.activity) return refuse(problemInWords(in.unpackedPath(unpacked.activity), read));
    in.activityFile = unpacked.activity;
    // Only the pictures it names go into her folder. One it names that the file does not
    // bring must be one the program has.
    for (const QString& name : picturesOf(*read.activity)) {
        const QString brought = sameName(unpacked.pictures, name);
        if (!brought.isEmpty())
            in.pictures << brought;
        else if (!ui::resolveFile("Images/" + name))
            return refuse(QCoreApplication::translate(
                              "Sharing",
                              "the activity names the picture \"%1\", which the file does not "
                              "bring")
                              .arg(name));
    }
    const QStringList there = folderEntries(in.folder);
    for (const QString& name : in.files())
        if (QString existing = sameName(there, name); !existing.isEmpty()) in.existing << existing;
    in.place = placeOf(in.unpackedPath(in.activityFile));
    in.activity = std::move(read.activity);
    return in;
}

Installed installPackage(const Inspection& in, const QStringList& mayReplace) {
    Installed out;
    auto refuse = [&out](QString problem) {
        out.problem = std::move(problem);
        out.written.clear();
        return out;
    };
    if (!in.ok() || !in.unpacked)
        return refuse(in.ok() ? QCoreApplication::translate("Sharing", "nothing has been opened")
                              : in.problem);

    // Her folder is asked again: it may have changed since she looked.
    const QStringList there = folderEntries(in.folder);
    QStringList order = in.pictures;
    order << in.activityFile;  // last, so that it appears with its pictures in place
    struct Move {
        QString from, target, backup;  // backup: where what she had waits until the end
    };
    std::vector<Move> moves;
    for (const QString& name : order) {
        const QString existing = sameName(there, name);
        if (!existing.isEmpty() && sameName(mayReplace, existing).isEmpty() &&
            sameName(mayReplace, name).isEmpty())
            return refuse(QCoreApplication::translate("Sharing",
                                                      "\"%1\" is already in your activities folder")
                              .arg(existing));
        moves.push_back({name, in.folder + '/' + (existing.isEmpty() ? name : existing),
                         existing.isEmpty() ? QString() : "replaced/" + name});
    }
    if (!QDir().mkpath(in.folder))
        return refuse(
            QCoreApplication::translate("Sharing", "your activities folder %1 cannot be made")
                .arg(in.folder));

    // Copied next to her files first, so that each then goes in by a rename of its own.
    QTemporaryDir staging(in.folder + "/.import-XXXXXX");
    if (!staging.isValid())
        return refuse(
            QCoreApplication::translate("Sharing", "your activities folder cannot be written: %1")
                .arg(staging.errorString()));
    if (!QDir().mkdir(staging.filePath("replaced")))
        return refuse(
            QCoreApplication::translate("Sharing", "your activities folder cannot be written"));
    for (Move& move : moves) {
        const QString name = move.from;
        QFile from(in.unpackedPath(name));
        move.from = staging.filePath(name);
        if (!from.copy(move.from))
            return refuse(QCoreApplication::translate(
                              "Sharing", "\"%1\" cannot be written into your activities folder: %2")
                              .arg(name, from.errorString()));
        if (!move.backup.isEmpty()) move.backup = staging.filePath(move.backup);
    }

    std::vector<Move> done;
    auto putBack = [&done] {
        for (auto m = done.rbegin(); m != done.rend(); ++m) {
            QFile::remove(m->target);
            if (!m->backup.isEmpty()) moveFile(m->backup, m->target);
        }
    };
    for (const Move& move : moves) {
        // Only what she allowed is moved aside; anything that came since stays as it is.
        const bool present = QFileInfo::exists(move.target) || QFileInfo(move.target).isSymLink();
        const bool aside = present && !move.backup.isEmpty() && moveFile(move.target, move.backup);
        if (present != aside || !moveFile(move.from, move.target)) {
            if (aside) moveFile(move.backup, move.target);
            putBack();
            return refuse(QCoreApplication::translate("Sharing", "\"%1\" cannot be written")
                              .arg(move.target));
        }
        done.push_back(aside ? move : Move{move.from, move.target, {}});
        out.written << move.target;
    }
    return out;
}

}  // namespace sharing
