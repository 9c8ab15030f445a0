#include "ui/pictures.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPixmapCache>

#include "ui/files.h"

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace ui {

namespace {

std::optional<Picture> decode(const QString& file) {
    QImageReader reader(file);
    reader.setAllocationLimit(256);  // megabytes; a lying header is refused quickly
    const QSize declared = reader.size();
    if (!declared.isValid() || declared.width() > kMaxPictureSide ||
        declared.height() > kMaxPictureSide) {
        return std::nullopt;
    }
    QImage image;
    if (!reader.read(&image) || image.isNull()) return std::nullopt;
    return QPixmap::fromImage(std::move(image));
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
        QPixmapCache::setCacheLimit(32 * 1024);
        return true;
    }();
    (void)sized;
    const QString key = QStringLiteral("pic:%1:%2").arg(*file, fileVersion(*file));
    Picture cached;
    if (QPixmapCache::find(key, &cached)) return cached;
    std::optional<Picture> picture = decode(*file);
    if (picture) QPixmapCache::insert(key, *picture);
    return picture;
}

}  // namespace ui
