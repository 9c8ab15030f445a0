#include "ui/pictures.h"

#include <QBuffer>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPixmapCache>

#include "ui/files.h"
#include "ui/twips.h"

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace ui {

namespace {

// A JPEG cut short decodes without complaint, its missing part filled with grey: it must
// end (EOI) after its last scan (SOS). Inside the coded data a 0xFF is always followed by 0x00
// or a restart marker, so both markers are found only where they really stand.
bool cutShort(const QByteArray& bytes) {
    if (!bytes.startsWith("\xFF\xD8")) return false;
    const qsizetype lastScan = bytes.lastIndexOf("\xFF\xDA");
    return lastScan < 0 || bytes.indexOf("\xFF\xD9", lastScan) < 0;
}

// The size a file declares, if it is one a picture may have.
std::optional<QSize> declaredSize(QImageReader& reader) {
    reader.setAllocationLimit(kMaxDecodedMegabytes);  // a lying header is refused quickly
    const QSize declared = reader.size();
    if (!declared.isValid() || declared.width() > kMaxPictureSide ||
        declared.height() > kMaxPictureSide) {
        return std::nullopt;
    }
    return declared;
}

std::optional<Picture> decode(const QString& file) {
    // Read whole, within a limit, so that a JPEG cut short can be told from a whole one.
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly) || in.size() > kMaxPictureBytes) return std::nullopt;
    QByteArray bytes = in.read(kMaxPictureBytes + 1);
    if (bytes.size() > kMaxPictureBytes || cutShort(bytes)) return std::nullopt;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    if (!declaredSize(reader)) return std::nullopt;
    QImage image;
    if (!reader.read(&image) || image.isNull()) return std::nullopt;
    return QPixmap::fromImage(std::move(image));
}

// The companion of twice the density, when it exists and really is the same picture at twice
// the size: a picture a teacher replaced keeps its own look even beside a stale companion.
std::optional<QString> denseFile(const QString& layoutPath, const QString& file) {
    const std::optional<QString> dense = resolveFile(denseCompanion(layoutPath));
    if (!dense) return std::nullopt;
    QImageReader plain(file), twice(*dense);
    const auto plainSize = declaredSize(plain);
    const auto twiceSize = declaredSize(twice);
    if (!plainSize || !twiceSize || *twiceSize != *plainSize * 2) return std::nullopt;
    return dense;
}

// What tells one version of a file from the next: a file replaced within the file
// system's clock tick still gets a new inode.
QString fileVersion(const QString& file) {
#ifdef Q_OS_UNIX
    struct stat st {};
    if (::stat(QFile::encodeName(file).constData(), &st) == 0)
        return QStringLiteral("%1:%2:%3:%4")
            .arg(st.st_ino)
            .arg(st.st_size)
            .arg(st.st_mtim.tv_sec)
            .arg(st.st_mtim.tv_nsec);
#endif
    const QFileInfo info(file);
    return QStringLiteral("%1:%2").arg(info.size()).arg(info.lastModified().toMSecsSinceEpoch());
}

}  // namespace

std::optional<Picture> LoadPicture(const QString& layoutPath) {
    if (layoutPath.isEmpty()) return Picture();
    const std::optional<QString> file = resolveFile(layoutPath);
    if (!file) return std::nullopt;

    // Animations load the same few files again and again; decode each version once.
    static const bool sized = [] {
        QPixmapCache::setCacheLimit(64 * 1024);
        return true;
    }();
    (void)sized;
    const std::optional<QString> dense =
        Twips::scale() > 1 ? denseFile(layoutPath, *file) : std::nullopt;
    const QString& source = dense ? *dense : *file;
    const QString key = QStringLiteral("pic:%1:%2").arg(source, fileVersion(source));
    Picture cached;
    if (QPixmapCache::find(key, &cached)) return cached;
    std::optional<Picture> picture = decode(source);
    if (picture && dense) picture->setDevicePixelRatio(2);
    if (!picture && dense) return decode(*file);  // a spoilt companion: the picture itself
    if (picture) QPixmapCache::insert(key, *picture);
    return picture;
}

QString denseCompanion(const QString& layoutPath) {
    const qsizetype slash = std::max(layoutPath.lastIndexOf('\\'), layoutPath.lastIndexOf('/'));
    qsizetype dot = layoutPath.lastIndexOf('.');
    if (dot <= slash) dot = layoutPath.size();
    // A JPEG's companion is a JPEG: it decodes several times faster than PNG, and the title
    // picture is decoded before the first paint.
    const QString suffix = layoutPath.mid(dot).toLower();
    const bool jpeg = suffix == ".jpg" || suffix == ".jpeg";
    return layoutPath.left(dot) + (jpeg ? QStringLiteral("@2x.jpg") : QStringLiteral("@2x.png"));
}

}  // namespace ui
