#include "activities/files/sharing/export.h"

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipnewinfo.h>
#include <zlib.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <vector>

#include "activities/files/layout.h"
#include "activities/files/sharing/package.h"

namespace sharing {

namespace {

struct Entry {
    QString name;  // in the archive, as the activity names it
    QString path;
    EntryKind kind;
};

// Pictures are compressed already: stored as they are, they cost nothing to pack or unpack.
QString addEntry(QuaZip& zip, const Entry& entry, qint64& total) {
    QFile in(entry.path);
    if (!in.open(QIODevice::ReadOnly))
        return QCoreApplication::translate("Sharing", "\"%1\" cannot be read: %2")
            .arg(entry.name, in.errorString());
    const QByteArray bytes = in.read(sizeLimit(entry.kind) + 1);
    if (bytes.size() > sizeLimit(entry.kind)) return sizeProblem(entry.name, entry.kind);
    total += bytes.size();
    if (total > kMaxTotalBytes)
        return QCoreApplication::translate(
            "Sharing", "the activity and its pictures come to more than 300 MiB");
    const bool store = entry.kind == EntryKind::Picture;
    QuaZipFile out(&zip);
    const QuaZipNewInfo info(entry.name, entry.path);
    if (!out.open(QIODevice::WriteOnly, info, nullptr, 0, store ? 0 : Z_DEFLATED,
                  store ? 0 : Z_BEST_COMPRESSION) ||
        out.write(bytes) != bytes.size())
        return QCoreApplication::translate("Sharing", "\"%1\" cannot be packed").arg(entry.name);
    out.close();
    if (out.getZipError() != UNZ_OK)
        return QCoreApplication::translate("Sharing", "\"%1\" cannot be packed").arg(entry.name);
    return {};
}

}  // namespace

QString exportName(const QString& activityPath) {
    return QFileInfo(activityPath).completeBaseName() + kSuffix;
}

Exported exportActivity(const QString& activityPath, const QString& folder, bool mayReplace) {
    Exported out;
    auto refuse = [&out](QString problem) {
        out.problem = std::move(problem);
        out.path.clear();
        return out;
    };
    const activityfiles::ReadResult read = activityfiles::readActivityFile(activityPath);
    const QString fileName = QFileInfo(activityPath).fileName();
    if (!read.activity) {
        const activityfiles::Problem& p = read.problems.front();
        return refuse(QCoreApplication::translate(
                          "Sharing",
                          "\"%1\" has a problem to mend before it is shared: line %2, column "
                          "%3: %4")
                          .arg(fileName)
                          .arg(p.at.line)
                          .arg(p.at.column)
                          .arg(p.message));
    }
    std::vector<Entry> entries{{fileName, activityPath, EntryKind::Activity}};
    for (const QString& name : picturesOf(*read.activity)) {
        const auto found = activityfiles::locatePicture(*read.activity, name);
        if (!found)
            return refuse(
                QCoreApplication::translate("Sharing", "the picture \"%1\" cannot be found")
                    .arg(name));
        entries.push_back({name, *found, EntryKind::Picture});
    }
    for (const Entry& entry : entries)
        if (QString problem = nameProblem(entry.name); !problem.isEmpty()) return refuse(problem);

    out.path = folder + '/' + exportName(activityPath);
    if (!mayReplace && QFileInfo::exists(out.path))
        return refuse(
            QCoreApplication::translate("Sharing", "\"%1\" is already there").arg(out.path));
    QSaveFile file(out.path);
    if (!file.open(QIODevice::WriteOnly))
        return refuse(QCoreApplication::translate("Sharing", "\"%1\" cannot be written: %2")
                          .arg(out.path, file.errorString()));
    QuaZip zip(&file);
    zip.setUtf8Enabled(true);
    zip.setAutoClose(false);  // a QSaveFile is committed, never closed
    if (!zip.open(QuaZip::mdCreate))
        return refuse(
            QCoreApplication::translate("Sharing", "\"%1\" cannot be written").arg(out.path));
    qint64 total = 0;
    for (const Entry& entry : entries)
        if (QString problem = addEntry(zip, entry, total); !problem.isEmpty())
            return refuse(problem);
    zip.close();
    if (zip.getZipError() != UNZ_OK || !file.commit())
        return refuse(QCoreApplication::translate("Sharing", "\"%1\" cannot be written: %2")
                          .arg(out.path, file.errorString()));
    return out;
}

}  // namespace sharing
