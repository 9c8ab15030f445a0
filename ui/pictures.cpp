#include "ui/pictures.h"

#include <QDateTime>
#include <QFileInfo>
#include <QImageReader>
#include <QPixmapCache>

#include "ui/files.h"

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
    const QFileInfo info(*file);
    const QString key = QStringLiteral("pic:%1:%2:%3")
                            .arg(*file)
                            .arg(info.size())
                            .arg(info.lastModified().toMSecsSinceEpoch());
    Picture cached;
    if (QPixmapCache::find(key, &cached)) return cached;
    std::optional<Picture> picture = decode(*file);
    if (picture) QPixmapCache::insert(key, *picture);
    return picture;
}

}  // namespace ui
