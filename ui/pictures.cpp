#include "ui/pictures.h"

#include <QBuffer>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPixmapCache>
#include <future>
#include <map>
#include <system_error>

#include "ui/files.h"
#include "ui/jpeg.h"
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

// The format the first bytes name, so that the reader goes straight to its decoder instead
// of asking every image plugin in turn (loading some of them) whether it knows the data.
QByteArray sniffedFormat(const QByteArray& bytes) {
    if (bytes.startsWith("\xFF\xD8\xFF")) return "jpeg";
    if (bytes.startsWith("\x89PNG")) return "png";
    if (bytes.startsWith("GIF8")) return "gif";
    if (bytes.startsWith("BM")) return "bmp";
    return {};
}

// Qt's reader over data in memory, sent straight to the decoder the data names, and with the
// size it may decode limited, so that a lying header is refused quickly.
struct MemoryReader {
    explicit MemoryReader(const QByteArray& bytes) {
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        reader.setDevice(&buffer);
        reader.setFormat(sniffedFormat(bytes));
        reader.setAllocationLimit(kMaxDecodedMegabytes);
    }
    QBuffer buffer;
    QImageReader reader;
};

// The whole file, within the size limit.
std::optional<QByteArray> readWhole(const QString& file) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly) || in.size() > kMaxPictureBytes) return std::nullopt;
    QByteArray bytes = in.read(kMaxPictureBytes + 1);
    if (bytes.size() > kMaxPictureBytes) return std::nullopt;
    return bytes;
}

// The size the data declares, if it is one a picture may have.
std::optional<QSize> declaredSize(const QByteArray& bytes) {
    const std::optional<QSize> declared =
        sniffedFormat(bytes) == "jpeg" ? jpegSize(bytes) : MemoryReader(bytes).reader.size();
    if (!declared || !declared->isValid() || declared->width() > kMaxPictureSide ||
        declared->height() > kMaxPictureSide) {
        return std::nullopt;
    }
    return declared;
}

// Everything up to the pixmap is safe on any thread, so the first picture can be decoded
// while the first screen is being built.
std::optional<QImage> decode(const QString& file) {
    // Read whole, so that a JPEG cut short can be told from a whole one.
    const std::optional<QByteArray> bytes = readWhole(file);
    if (!bytes || cutShort(*bytes) || !declaredSize(*bytes)) return std::nullopt;
    if (sniffedFormat(*bytes) == "jpeg") {
        if (auto image = decodeJpeg(*bytes, qint64(kMaxDecodedMegabytes) << 20)) return image;
    }
    MemoryReader memory(*bytes);
    QImage image;
    if (!memory.reader.read(&image) || image.isNull()) return std::nullopt;
    return image;
}

// The size a file declares, reading no more of it than that takes: a header lies in the first
// few kilobytes, and animations ask again at every frame.
std::optional<QSize> declaredSizeOfFile(const QString& file) {
    constexpr qint64 kHeaderBytes = 16 << 10;
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) return std::nullopt;
    if (std::optional<QSize> size = declaredSize(in.read(kHeaderBytes))) return size;
    if (in.size() <= kHeaderBytes) return std::nullopt;
    const std::optional<QByteArray> bytes = readWhole(file);  // a header behind a large block
    return bytes ? declaredSize(*bytes) : std::nullopt;
}

// The companion of twice the density, when it exists and really is the same picture at twice
// the size: a picture a teacher replaced keeps its own look even beside a stale companion. Only
// the picture's own folder counts: a shipped companion never stands in for a teacher's picture.
std::optional<QString> denseFile(const QString& layoutPath, const DataFile& file) {
    const std::optional<QString> dense = resolveFileIn(file.folder, denseCompanion(layoutPath));
    if (!dense) return std::nullopt;
    const std::optional<QSize> plainSize = declaredSizeOfFile(file.path);
    const std::optional<QSize> twiceSize = declaredSizeOfFile(*dense);
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

// The file a layout path names, at the density wanted, and the key of its present version.
struct Source {
    QString plain;
    std::optional<QString> dense;
    QString key;
    const QString& file() const { return dense ? *dense : plain; }
};

std::optional<Source> locate(const QString& layoutPath, bool wantDense) {
    const std::optional<DataFile> plain = findDataFile(layoutPath);
    if (!plain) return std::nullopt;
    Source source{plain->path, wantDense ? denseFile(layoutPath, *plain) : std::nullopt, {}};
    source.key = QStringLiteral("pic:%1:%2").arg(source.file(), fileVersion(source.file()));
    return source;
}

struct Decoded {
    std::optional<Source> source;
    std::optional<QImage> image;
    bool dense = false;
};

Decoded decodeSource(std::optional<Source> source) {
    Decoded result{std::move(source), std::nullopt};
    if (!result.source) return result;
    result.image = decode(result.source->file());
    result.dense = result.image && result.source->dense;
    if (!result.image && result.source->dense) result.image = decode(result.source->plain);
    return result;
}

Decoded locateAndDecode(const QString& layoutPath, bool wantDense) {
    return decodeSource(locate(layoutPath, wantDense));
}

// Decodes started ahead, by layout path and the density they were made for. Only the main
// thread touches the table; each entry is taken by the first load of its path.
struct Prefetch {
    bool wantDense;
    std::future<Decoded> decoded;
};
std::map<QString, Prefetch>& prefetched() {
    static std::map<QString, Prefetch> table;
    return table;
}

std::optional<Decoded> takePrefetched(const QString& layoutPath, bool wantDense) {
    const auto found = prefetched().find(layoutPath);
    if (found == prefetched().end()) return std::nullopt;
    Prefetch entry = std::move(found->second);
    prefetched().erase(found);
    if (entry.wantDense != wantDense) return std::nullopt;
    return entry.decoded.get();
}

Picture toPicture(QImage image, bool dense) {
    Picture picture = QPixmap::fromImage(std::move(image));
    if (dense) picture.setDevicePixelRatio(2);
    return picture;
}

void sizeCache() {
    // Animations load the same few files again and again; decode each version once.
    static const bool sized = [] {
        QPixmapCache::setCacheLimit(64 * 1024);
        return true;
    }();
    (void)sized;
}

}  // namespace

std::optional<Picture> LoadPicture(const QString& layoutPath) {
    if (layoutPath.isEmpty()) return Picture();
    sizeCache();
    const bool wantDense = Twips::scale() > 1;
    std::optional<Decoded> decoded = takePrefetched(layoutPath, wantDense);
    if (!decoded) {
        std::optional<Source> source = locate(layoutPath, wantDense);
        if (!source) return std::nullopt;
        Picture cached;
        if (QPixmapCache::find(source->key, &cached)) return cached;
        decoded = decodeSource(std::move(source));
    }
    if (!decoded->image) return std::nullopt;
    Picture picture = toPicture(std::move(*decoded->image), decoded->dense);
    // A spoilt companion's stand-in is not cached under the companion's key.
    if (decoded->dense || !decoded->source->dense)
        QPixmapCache::insert(decoded->source->key, picture);
    return picture;
}

std::optional<Picture> loadPictureFile(const QString& file) {
    sizeCache();
    Source source{file, std::nullopt, QStringLiteral("pic:%1:%2").arg(file, fileVersion(file))};
    Picture cached;
    if (QPixmapCache::find(source.key, &cached)) return cached;
    const std::optional<QImage> image = decode(file);
    if (!image) return std::nullopt;
    Picture picture = toPicture(*image, false);
    QPixmapCache::insert(source.key, picture);
    return picture;
}

std::optional<QSize> pictureFileSize(const QString& file) {
    return declaredSizeOfFile(file);
}

void prefetchPicture(const QString& layoutPath) {
    const bool wantDense = Twips::scale() > 1;
    try {
        prefetched().insert_or_assign(
            layoutPath, Prefetch{wantDense, std::async(std::launch::async, locateAndDecode,
                                                       layoutPath, wantDense)});
    } catch (const std::system_error&) {
        // No thread to be had: the load decodes the picture itself.
    }
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
