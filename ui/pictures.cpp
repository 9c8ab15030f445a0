#include "ui/pictures.h"

#include <QBuffer>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QMutex>
#include <QPixmapCache>
#include <cmath>
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

// A PNG cut short must lack its closing chunk. (libjpeg tells of a JPEG cut short itself, as
// it decodes.)
bool cutShort(const QByteArray& bytes) {
    return bytes.startsWith("\x89PNG") && bytes.lastIndexOf("IEND") < 0;
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

// Qt's reader over data in memory, sent straight to the decoder the data names, standing the
// picture upright, and with the size it may decode limited to what a picture within the limits
// needs, so that a lying header is refused quickly.
struct MemoryReader {
    explicit MemoryReader(const QByteArray& bytes) {
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        reader.setDevice(&buffer);
        reader.setFormat(sniffedFormat(bytes));
        reader.setAutoTransform(true);
        reader.setAllocationLimit(static_cast<int>((kMaxPicturePixels * 4 >> 20) + 1));
    }
    QBuffer buffer;
    QImageReader reader;
};

QString fileName(const QString& file) {
    return QFileInfo(file).fileName();
}

// What is wrong with a picture, in the words a teacher reads: %1 is the file's name, then the
// numbers that tell why.
namespace says {
constexpr const char* kNotAFile = "%1 cannot be read: it is not a file";
constexpr const char* kUnreadable = "%1 cannot be read";
constexpr const char* kEmpty = "%1 is empty";
constexpr const char* kTooManyBytes = "%1: %2 MiB is more than 64 MiB for a picture file";
constexpr const char* kNotAPicture = "%1 is not a PNG or JPEG picture";
constexpr const char* kNoSize = "%1 is damaged: its picture size cannot be read";
constexpr const char* kTooWide = "%1: %2 by %3 pixels is more than 16384 pixels a side";
constexpr const char* kTooManyPixels = "%1: %2 by %3 pixels is more than 50 megapixels";
constexpr const char* kEndsEarly = "%1 is cut short: the file ends before its picture does";
constexpr const char* kDamaged = "%1 is damaged: its picture cannot be decoded";
static_assert(kMaxPictureBytes == 64 << 20 && kMaxPictureSide == 16384 &&
              kMaxPicturePixels == 50'000'000);
}  // namespace says

QString say(const char* what, const QString& name) {
    return QString::fromLatin1(what).arg(name);
}
QString say(const char* what, const QString& name, QSize size) {
    return say(what, name).arg(size.width()).arg(size.height());
}

// The whole file, within the size limit, or why it cannot be had.
struct FileBytes {
    QByteArray bytes;
    QString problem;
};

// Whole mebibytes, rounded up: 64 MiB and a byte is 65.
qint64 mebibytes(qint64 bytes) {
    return (bytes + (1 << 20) - 1) >> 20;
}

FileBytes readWhole(const QString& file) {
    const QString name = fileName(file);
    if (!QFileInfo(file).isFile()) return {{}, say(says::kNotAFile, name)};
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) return {{}, say(says::kUnreadable, name)};
    if (in.size() > kMaxPictureBytes)
        return {{}, say(says::kTooManyBytes, name).arg(mebibytes(in.size()))};
    QByteArray bytes = in.read(kMaxPictureBytes + 1);
    if (bytes.size() > kMaxPictureBytes)
        return {{}, say(says::kTooManyBytes, name).arg(mebibytes(bytes.size()))};
    if (bytes.isEmpty()) return {{}, say(says::kEmpty, name)};
    return {std::move(bytes), {}};
}

// What the header declares: the size as stored and how the picture stands.
struct Header {
    QSize stored;
    int orientation = 1;  // EXIF's, for a JPEG
    bool turned = false;  // a quarter turn stands it upright
    QSize upright() const { return turned ? stored.transposed() : stored; }
};

std::optional<Header> readHeader(const QByteArray& bytes) {
    if (sniffedFormat(bytes) == "jpeg") {
        const std::optional<JpegHeader> jpeg = jpegHeader(bytes);
        if (!jpeg) return std::nullopt;
        return Header{jpeg->size, jpeg->orientation, swapsSides(jpeg->orientation)};
    }
    MemoryReader memory(bytes);
    const QSize size = memory.reader.size();
    if (!size.isValid()) return std::nullopt;
    return Header{size, 1,
                  memory.reader.transformation().testFlag(QImageIOHandler::TransformationRotate90)};
}

struct Judged {
    PictureJudgement verdict;
    Header header;
};

Judged judge(const QByteArray& bytes, const QString& name) {
    if (sniffedFormat(bytes).isEmpty()) return {{{}, say(says::kNotAPicture, name)}, {}};
    const std::optional<Header> header = readHeader(bytes);
    if (!header || header->stored.isEmpty()) return {{{}, say(says::kNoSize, name)}, {}};
    const QSize size = header->upright();
    QString problem;
    if (size.width() > kMaxPictureSide || size.height() > kMaxPictureSide)
        problem = say(says::kTooWide, name, size);
    else if (qint64(size.width()) * size.height() > kMaxPicturePixels)
        problem = say(says::kTooManyPixels, name, size);
    else if (cutShort(bytes))
        problem = say(says::kEndsEarly, name);
    return {{size, problem}, *header};
}

// The size to decode a picture of this upright size at: the size it is shown at, or its own
// within the budget; never larger than its own.
QSize decodingSize(QSize own, QSize shownAt) {
    if (!shownAt.isEmpty()) return own.boundedTo(shownAt);
    const qint64 budget = kMaxDecodedBytes / 4;
    if (qint64(own.width()) * own.height() <= budget) return own;
    const double shrink = std::sqrt(double(budget) / (double(own.width()) * own.height()));
    return own.scaled(std::max(1, int(own.width() * shrink)),
                      std::max(1, int(own.height() * shrink)), Qt::KeepAspectRatio);
}

struct DecodedImage {
    std::optional<QImage> image;
    QString problem;
    qreal shrunk = 1;  // how many of the picture's own pixels one decoded pixel stands for
};

// Everything up to the pixmap is safe on any thread, so the first picture can be decoded
// while the first screen is being built.
DecodedImage decodeBytes(const QByteArray& bytes, const QString& name, QSize shownAt = {}) {
    const Judged judged = judge(bytes, name);
    if (!judged.verdict.usable()) return {std::nullopt, judged.verdict.problem};
    const QSize own = judged.verdict.size, target = decodingSize(own, shownAt);
    const QSize storedTarget = judged.header.turned ? target.transposed() : target;
    DecodedImage out{std::nullopt, {}, qreal(own.width()) / target.width()};
    QImage image;
    JpegFault fault = JpegFault::OtherColours;
    if (sniffedFormat(bytes) == "jpeg") {
        if (auto decoded = decodeJpeg(bytes, 4 * kMaxDecodedBytes, storedTarget, &fault))
            image = std::move(*decoded);
    }
    if (fault == JpegFault::None) {
        if (image.size() != storedTarget)
            image = image.scaled(storedTarget, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        out.image = upright(std::move(image), judged.header.orientation);
        return out;
    }
    if (fault == JpegFault::EndsEarly) return {std::nullopt, say(says::kEndsEarly, name)};
    if (fault != JpegFault::OtherColours) return {std::nullopt, say(says::kDamaged, name)};
    // Other formats, and CMYK JPEGs, through Qt's reader: scaled while it decodes where its
    // decoder can, then stood upright.
    MemoryReader memory(bytes);
    if (storedTarget != judged.header.stored) memory.reader.setScaledSize(storedTarget);
    if (!memory.reader.read(&image) || image.isNull())
        return {std::nullopt, say(says::kDamaged, name)};
    if (image.size() != target)
        image = image.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    out.image = std::move(image);
    return out;
}

DecodedImage decodeFile(const QString& file, QSize shownAt = {}) {
    FileBytes read = readWhole(file);
    if (!read.problem.isEmpty()) return {std::nullopt, read.problem};
    return decodeBytes(read.bytes, fileName(file), shownAt);
}

// The size a file declares as stored, reading no more of it than that takes: a header lies in
// the first few kilobytes, and animations ask again at every frame.
std::optional<QSize> declaredSizeOfFile(const QString& file) {
    constexpr qint64 kHeaderBytes = 16 << 10;
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) return std::nullopt;
    if (std::optional<Header> header = readHeader(in.read(kHeaderBytes))) return header->stored;
    if (in.size() <= kHeaderBytes) return std::nullopt;
    const FileBytes whole = readWhole(file);  // a header behind a large block
    const std::optional<Header> header =
        whole.problem.isEmpty() ? readHeader(whole.bytes) : std::nullopt;
    return header ? std::optional(header->stored) : std::nullopt;
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

QString cacheKey(const QString& file) {
    return QStringLiteral("pic:%1:%2").arg(file, fileVersion(file));
}

// The file a layout path names, at the density wanted, and the key of its present version.
struct Source {
    QString plain;
    std::optional<QString> dense;
    QString key;
    const QString& file() const { return dense ? *dense : plain; }
};

// `inLanguage` is the picture's version in the program's language (see inProgramLanguage),
// taken where it lies in the picture's own folder: a teacher's own picture keeps its words.
std::optional<Source> locate(const QString& layoutPath, const QString& inLanguage, bool wantDense) {
    std::optional<DataFile> plain = findDataFile(layoutPath);
    if (!plain) return std::nullopt;
    QString shown = layoutPath;
    if (!inLanguage.isEmpty()) {
        if (auto translated = resolveFileIn(plain->folder, inLanguage)) {
            plain->path = *translated;
            shown = inLanguage;
        }
    }
    Source source{plain->path, wantDense ? denseFile(shown, *plain) : std::nullopt, {}};
    source.key = cacheKey(source.file());
    return source;
}

struct Decoded {
    std::optional<Source> source;
    DecodedImage decoded;
    bool dense = false;
};

Decoded decodeSource(std::optional<Source> source) {
    Decoded result{std::move(source), {}};
    if (!result.source) return result;
    result.decoded = decodeFile(result.source->file());
    result.dense = result.decoded.image && result.source->dense;
    if (!result.decoded.image && result.source->dense)
        result.decoded = decodeFile(result.source->plain);
    return result;
}

Decoded locateAndDecode(const QString& layoutPath, const QString& inLanguage, bool wantDense) {
    return decodeSource(locate(layoutPath, inLanguage, wantDense));
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

// A picture decoded smaller than its own size still takes its own size where it is drawn at
// that: its pixels stand for more of the display's.
Picture toPicture(QImage image, qreal pixelRatio) {
    Picture picture = QPixmap::fromImage(std::move(image));
    if (pixelRatio != 1) picture.setDevicePixelRatio(pixelRatio);
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
        std::optional<Source> source = locate(layoutPath, inProgramLanguage(layoutPath), wantDense);
        if (!source) return std::nullopt;
        Picture cached;
        if (QPixmapCache::find(source->key, &cached)) return cached;
        decoded = decodeSource(std::move(source));
    }
    if (!decoded->decoded.image) return std::nullopt;
    Picture picture = toPicture(std::move(*decoded->decoded.image),
                                (decoded->dense ? 2 : 1) / decoded->decoded.shrunk);
    // A spoilt companion's stand-in is not cached under the companion's key.
    if (decoded->dense || !decoded->source->dense)
        QPixmapCache::insert(decoded->source->key, picture);
    return picture;
}

LoadedPicture loadPictureFile(const QString& file, QSize shownAt) {
    sizeCache();
    const QString key =
        QStringLiteral("%1:%2x%3").arg(cacheKey(file)).arg(shownAt.width()).arg(shownAt.height());
    Picture cached;
    if (QPixmapCache::find(key, &cached)) return {cached, {}};
    DecodedImage decoded = decodeFile(file, shownAt);
    if (!decoded.image) return {{}, decoded.problem};
    Picture picture = toPicture(std::move(*decoded.image), 1);
    QPixmapCache::insert(key, picture);
    return {picture, {}};
}

PictureJudgement judgePictureFile(const QString& file) {
    // Menus judge every picture each time they are built; a file is read and decoded again only
    // when it changes. Judgements are small, and a school's folder holds few pictures.
    static QMutex lock;
    static std::map<QString, PictureJudgement> judged;
    const QString key = cacheKey(file);
    {
        QMutexLocker locked(&lock);
        if (const auto found = judged.find(key); found != judged.end()) return found->second;
    }
    const FileBytes read = readWhole(file);
    PictureJudgement verdict{{}, read.problem};
    if (read.problem.isEmpty()) {
        // All of its data decoded, at the smallest size that still reads every byte: only that
        // finds data that is damaged or ends early behind a sound header.
        verdict = judge(read.bytes, fileName(file)).verdict;
        if (verdict.usable())
            verdict.problem = decodeBytes(read.bytes, fileName(file), {1, 1}).problem;
    }
    QMutexLocker locked(&lock);
    if (judged.size() >= 4096) judged.clear();
    judged.insert_or_assign(key, verdict);
    return verdict;
}

QSize devicePixels(QSizeF twips, float scale) {
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1;
    return QSize(Twips::toPixels(static_cast<float>(twips.width()), scale),
                 Twips::toPixels(static_cast<float>(twips.height()), scale)) *
           ratio;
}

void prefetchPicture(const QString& layoutPath) {
    const bool wantDense = Twips::scale() > 1;
    try {
        prefetched().insert_or_assign(
            layoutPath,
            Prefetch{wantDense, std::async(std::launch::async, locateAndDecode, layoutPath,
                                           inProgramLanguage(layoutPath), wantDense)});
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
