#include "activities/files/sharing/unpack.h"

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipfileinfo.h>
#include <zlib.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <algorithm>
#include <vector>

#include "activities/files/sharing/package.h"

namespace sharing {

namespace {

constexpr qint64 kChunkBytes = 64 * 1024;
constexpr int kUnixHost = 3;
constexpr quint32 kTypeMask = 0170000, kRegularFile = 0100000, kLink = 0120000;

const char* const kNotZip =
    QT_TRANSLATE_NOOP("Sharing", "the file is not a shared activity: it is not a zip archive");
const char* const kDamaged =
    QT_TRANSLATE_NOOP("Sharing", "the file is damaged: its zip archive cannot be read");
const char* const kNoActivity =
    QT_TRANSLATE_NOOP("Sharing", "the file holds no activity (.toml file)");
const char* const kTooLarge = QT_TRANSLATE_NOOP("Sharing", "the file unpacks to more than 300 MiB");

// A message marked for translation, in the language shown.
QString inWords(const char* message) {
    return QCoreApplication::translate("Sharing", message);
}

QString named(const char* message, const QString& name) {
    return inWords(message).arg(name);
}

QString headerProblem(const QString& path) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return QCoreApplication::translate("Sharing", "the file cannot be read");
    // A zip starts with an entry's local header, or with the end record when it is empty.
    const QByteArray head = file.read(4);
    if (head == QByteArray("PK\x05\x06", 4)) return inWords(kNoActivity);
    if (head != QByteArray("PK\x03\x04", 4)) return inWords(kNotZip);
    return {};
}

bool looksLikePicture(const QByteArray& head) {
    return head.startsWith("\x89PNG\r\n\x1a\n") || head.startsWith("\xff\xd8\xff");
}

// What the archive's directory says of an entry, judged before a byte of it is unpacked.
QString entryProblem(const QuaZipFileInfo64& info, EntryKind kind) {
    // Bytes that are not the UTF-8 the entry claims come out as replacement characters.
    if (info.name.contains(QChar::ReplacementCharacter))
        return named(
            QT_TRANSLATE_NOOP(
                "Sharing",
                "the file is damaged: the name \"%1\" is not written in UTF-8 as it claims"),
            info.name);
    if (QString problem = nameProblem(info.name); !problem.isEmpty()) return problem;
    if (info.versionCreated >> 8 == kUnixHost) {
        const quint32 type = (info.externalAttr >> 16) & kTypeMask;
        if (type == kLink)
            return named(QT_TRANSLATE_NOOP("Sharing", "\"%1\" is a link, not a file"), info.name);
        if (type != 0 && type != kRegularFile)
            return named(QT_TRANSLATE_NOOP("Sharing", "\"%1\" is not a plain file"), info.name);
    }
    if (info.isEncrypted())
        return named(QT_TRANSLATE_NOOP("Sharing", "\"%1\" is encrypted"), info.name);
    if (kind == EntryKind::Other)
        return named(
            QT_TRANSLATE_NOOP("Sharing",
                              "\"%1\" is neither an activity (.toml) nor a PNG or JPEG picture"),
            info.name);
    if (info.method != 0 && info.method != Z_DEFLATED)
        return named(
            QT_TRANSLATE_NOOP("Sharing", "\"%1\" is packed in a way that cannot be unpacked"),
            info.name);
    if (info.uncompressedSize > static_cast<quint64>(sizeLimit(kind)))
        return sizeProblem(info.name, kind);
    return {};
}

// Copies the open entry to `to`, counting what it really holds against the limits.
QString copyEntry(QuaZipFile& entry, const QuaZipFileInfo64& info, EntryKind kind,
                  const QString& to, qint64& total) {
    QFile out(to);
    if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return QCoreApplication::translate("Sharing", "the file cannot be unpacked: %1")
            .arg(out.errorString());
    QByteArray chunk(kChunkBytes, Qt::Uninitialized);
    qint64 size = 0;
    QByteArray head;
    for (;;) {
        const qint64 got = entry.read(chunk.data(), kChunkBytes);
        if (got < 0) return named(QT_TRANSLATE_NOOP("Sharing", "\"%1\" is damaged"), info.name);
        if (got == 0) break;
        if (head.size() < 8) head += chunk.left(std::min<qint64>(got, 8 - head.size()));
        size += got;
        total += got;
        if (size > sizeLimit(kind)) return sizeProblem(info.name, kind);
        if (total > kMaxTotalBytes) return inWords(kTooLarge);
        if (out.write(chunk.constData(), got) != got)
            return QCoreApplication::translate("Sharing", "the file cannot be unpacked: %1")
                .arg(out.errorString());
    }
    entry.close();
    if (entry.getZipError() != UNZ_OK)
        return named(QT_TRANSLATE_NOOP(
                         "Sharing", "\"%1\" is damaged: its contents do not match their checksum"),
                     info.name);
    if (static_cast<quint64>(size) != info.uncompressedSize)
        return named(
            QT_TRANSLATE_NOOP("Sharing", "\"%1\" is damaged: its size in the archive is wrong"),
            info.name);
    if (kind == EntryKind::Picture && !looksLikePicture(head))
        return named(QT_TRANSLATE_NOOP("Sharing", "\"%1\" is not a PNG or JPEG picture"),
                     info.name);
    if (!out.flush())
        return QCoreApplication::translate("Sharing", "the file cannot be unpacked: %1")
            .arg(out.errorString());
    return {};
}

}  // namespace

Unpacked unpackPackage(const QString& path, const QString& folder) {
    Unpacked out;
    auto refuse = [&out](QString problem) {
        out.problem = std::move(problem);
        return out;
    };
    if (QString problem = headerProblem(path); !problem.isEmpty()) return refuse(problem);
    QuaZip zip(path);
    if (!zip.open(QuaZip::mdUnzip)) return refuse(inWords(kDamaged));
    const QString tooMany =
        QCoreApplication::translate(
            "Sharing", "the file holds more than %1 files: one activity and at most %2 pictures")
            .arg(kMaxEntries)
            .arg(kMaxPictures);
    if (zip.getEntriesCount() > kMaxEntries) return refuse(tooMany);

    // First the directory alone, so that a file refused for what it claims costs no unpacking.
    std::vector<QuaZipFileInfo64> entries;
    QSet<QString> seen;
    quint64 claimed = 0;
    for (bool more = zip.goToFirstFile(); more; more = zip.goToNextFile()) {
        // The directory's count may lie; the entries walked may not.
        if (entries.size() == kMaxEntries) return refuse(tooMany);
        QuaZipFileInfo64& info = entries.emplace_back();
        if (!zip.getCurrentFileInfo(&info)) return refuse(inWords(kDamaged));
        const EntryKind kind = entryKind(info.name);
        if (QString problem = entryProblem(info, kind); !problem.isEmpty()) return refuse(problem);
        // Names are matched whatever their case in the folders, so two such are one file.
        const QString folded = info.name.toCaseFolded();
        if (seen.contains(folded))
            return refuse(
                named(QT_TRANSLATE_NOOP("Sharing", "\"%1\" is in the file twice"), info.name));
        seen.insert(folded);
        if (kind == EntryKind::Activity && !out.activity.isEmpty())
            return refuse(QCoreApplication::translate(
                              "Sharing", "the file holds more than one activity: \"%1\" and \"%2\"")
                              .arg(out.activity, info.name));
        if (kind == EntryKind::Activity)
            out.activity = info.name;
        else
            out.pictures << info.name;
        claimed += info.uncompressedSize;
        if (claimed > static_cast<quint64>(kMaxTotalBytes)) return refuse(inWords(kTooLarge));
    }
    if (zip.getZipError() != UNZ_OK) return refuse(inWords(kDamaged));
    if (out.activity.isEmpty()) return refuse(inWords(kNoActivity));

    // Then each entry as it really unpacks, walked in the same order.
    qint64 total = 0;
    std::size_t i = 0;
    for (bool more = zip.goToFirstFile(); more && i < entries.size(); more = zip.goToNextFile()) {
        const QuaZipFileInfo64& info = entries[i++];
        QuaZipFile entry(&zip);
        if (!entry.open(QIODevice::ReadOnly))
            return refuse(named(QT_TRANSLATE_NOOP("Sharing", "\"%1\" is damaged"), info.name));
        if (QString problem =
                copyEntry(entry, info, entryKind(info.name), folder + '/' + info.name, total);
            !problem.isEmpty())
            return refuse(problem);
    }
    if (i != entries.size()) return refuse(inWords(kDamaged));
    return out;
}

}  // namespace sharing
