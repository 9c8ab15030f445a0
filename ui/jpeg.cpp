#include "ui/jpeg.h"

#include <cstdio>  // libjpeg's header needs FILE and size_t declared first
// clang-format off
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

#include <QSysInfo>
#include <QTransform>
#include <algorithm>
#include <csetjmp>

namespace ui {

namespace {

constexpr int kExifMarker = JPEG_APP0 + 1;

// libjpeg reports a fatal error by calling error_exit, which must not return: it jumps back
// to the set-up of the call that failed. The functions that set the jump hold nothing with a
// destructor, so that the jump skips none.
struct Decompressor {
    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    std::jmp_buf failed{};
    bool created = false;
    // libjpeg fills what is missing with grey and only warns: a picture cut short or whose
    // header claims more than its data holds must not pass as whole.
    bool endedEarly = false;

    Decompressor() {
        info.err = jpeg_std_error(&errors);
        info.client_data = this;  // kept by jpeg_create_decompress, so set before it
        errors.error_exit = [](j_common_ptr common) { std::longjmp(self(common).failed, 1); };
        errors.emit_message = [](j_common_ptr common, int level) {
            if (level >= 0) return;  // trace messages
            ++common->err->num_warnings;
            const int code = common->err->msg_code;
            if (code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER) self(common).endedEarly = true;
        };
    }
    ~Decompressor() {
        if (created) jpeg_destroy_decompress(&info);
    }
    Decompressor(const Decompressor&) = delete;
    Decompressor& operator=(const Decompressor&) = delete;

    static Decompressor& self(j_common_ptr common) {
        return *reinterpret_cast<Decompressor*>(common->client_data);
    }
};

bool readHeader(Decompressor& d, const QByteArray& bytes) {
    if (setjmp(d.failed)) return false;
    jpeg_create_decompress(&d.info);
    d.created = true;
    jpeg_mem_src(&d.info, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_save_markers(&d.info, kExifMarker, 0xFFFF);
    return jpeg_read_header(&d.info, TRUE) == JPEG_HEADER_OK;
}

// Reads within a block of bytes, in the byte order the block names; every read is checked.
class TiffReader {
  public:
    TiffReader(const unsigned char* data, unsigned size) : data_(data), size_(size) {}
    bool bigEndian = false;
    std::optional<unsigned> u16(unsigned at) const {
        if (at > size_ || size_ - at < 2) return std::nullopt;
        return bigEndian ? (data_[at] << 8 | data_[at + 1]) : (data_[at + 1] << 8 | data_[at]);
    }
    std::optional<unsigned> u32(unsigned at) const {
        const auto high = u16(bigEndian ? at : at + 2), low = u16(bigEndian ? at + 2 : at);
        if (!high || !low) return std::nullopt;
        return *high << 16 | *low;
    }

  private:
    const unsigned char* data_;
    unsigned size_;
};

// The orientation tag of the first image directory of an EXIF block ("Exif\0\0" and a TIFF
// header), or 1 when there is none or the block is malformed.
int exifOrientation(const unsigned char* data, unsigned size) {
    constexpr unsigned char kExif[] = {'E', 'x', 'i', 'f', 0, 0};
    constexpr unsigned kOrientationTag = 0x0112, kShortType = 3, kEntryBytes = 12;
    if (size < sizeof kExif + 8 || !std::equal(kExif, kExif + sizeof kExif, data)) return 1;
    const unsigned char* tiff = data + sizeof kExif;
    TiffReader r(tiff, size - sizeof kExif);
    if (tiff[0] != tiff[1] || (tiff[0] != 'I' && tiff[0] != 'M')) return 1;
    r.bigEndian = tiff[0] == 'M';
    const std::optional<unsigned> directory = r.u32(4);
    const std::optional<unsigned> entries = directory ? r.u16(*directory) : std::nullopt;
    if (r.u16(2) != 42u || !entries) return 1;
    for (unsigned i = 0; i < *entries; ++i) {
        const unsigned entry = *directory + 2 + i * kEntryBytes;
        const std::optional<unsigned> tag = r.u16(entry);
        if (!tag) return 1;
        if (*tag != kOrientationTag) continue;
        const std::optional<unsigned> value = r.u16(entry + 8);
        if (r.u16(entry + 2) != kShortType || !value || *value < 1 || *value > 8) return 1;
        return static_cast<int>(*value);
    }
    return 1;
}

int orientationOf(const jpeg_decompress_struct& info) {
    for (jpeg_saved_marker_ptr m = info.marker_list; m; m = m->next)
        if (m->marker == kExifMarker) return exifOrientation(m->data, m->data_length);
    return 1;
}

// Rows of 0xffRRGGBB words, as QImage::Format_RGB32 holds them in memory.
constexpr J_COLOR_SPACE kRgb32Order =
    QSysInfo::ByteOrder == QSysInfo::LittleEndian ? JCS_EXT_BGRA : JCS_EXT_ARGB;

bool outputSize(Decompressor& d) {
    if (setjmp(d.failed)) return false;
    jpeg_calc_output_dimensions(&d.info);
    return true;
}

bool startDecompress(Decompressor& d) {
    if (setjmp(d.failed)) return false;
    return jpeg_start_decompress(&d.info);
}

bool readPixels(Decompressor& d, uchar* bits, qsizetype stride) {
    if (setjmp(d.failed)) return false;
    while (d.info.output_scanline < d.info.output_height) {
        JSAMPROW row = bits + static_cast<qsizetype>(d.info.output_scanline) * stride;
        if (jpeg_read_scanlines(&d.info, &row, 1) != 1) return false;
    }
    jpeg_finish_decompress(&d.info);
    return true;
}

bool isRgbConvertible(J_COLOR_SPACE space) {
    return space == JCS_YCbCr || space == JCS_RGB || space == JCS_GRAYSCALE;
}

// The fewest eighths of the full size that still give at least `atLeast`.
unsigned eighthsFor(QSize atLeast, qint64 width, qint64 height) {
    if (atLeast.isEmpty()) return 8;
    for (unsigned eighths = 1; eighths < 8; ++eighths)
        if ((width * eighths + 7) / 8 >= atLeast.width() &&
            (height * eighths + 7) / 8 >= atLeast.height())
            return eighths;
    return 8;
}

}  // namespace

std::optional<JpegHeader> jpegHeader(const QByteArray& bytes) {
    Decompressor d;
    if (!readHeader(d, bytes)) return std::nullopt;
    return JpegHeader{
        QSize(static_cast<int>(d.info.image_width), static_cast<int>(d.info.image_height)),
        orientationOf(d.info)};
}

std::optional<QImage> decodeJpeg(const QByteArray& bytes, qint64 maxBytes, QSize atLeast,
                                 JpegFault* fault) {
    JpegFault ignored;
    JpegFault& why = fault ? *fault : ignored;
    why = JpegFault::NotJpeg;
    Decompressor d;
    if (!readHeader(d, bytes)) return std::nullopt;
    why = JpegFault::OtherColours;
    if (!isRgbConvertible(d.info.jpeg_color_space)) return std::nullopt;
    const qint64 width = d.info.image_width, height = d.info.image_height;
    d.info.scale_num = eighthsFor(atLeast, width, height);
    d.info.scale_denom = 8;
    d.info.out_color_space = kRgb32Order;  // the alpha byte comes out 0xFF
    why = JpegFault::Damaged;
    if (!outputSize(d)) return std::nullopt;
    const qint64 outWidth = d.info.output_width, outHeight = d.info.output_height;
    why = JpegFault::TooLarge;
    if (outWidth <= 0 || outHeight <= 0 || outWidth * outHeight * 4 > maxBytes) return std::nullopt;
    // libjpeg's own working memory stays bounded too. A progressive picture keeps all its
    // coefficients, whatever the scale: up to three bytes a pixel of the full picture.
    d.info.mem->max_memory_to_use = static_cast<long>(
        std::min<qint64>(std::max(2 * maxBytes, 3 * width * height), qint64(256) << 20));
    why = JpegFault::Damaged;
    if (!startDecompress(d)) return std::nullopt;
    QImage image(static_cast<int>(d.info.output_width), static_cast<int>(d.info.output_height),
                 QImage::Format_RGB32);
    if (image.isNull()) return std::nullopt;
    const bool read = readPixels(d, image.bits(), image.bytesPerLine());
    if (d.endedEarly) why = JpegFault::EndsEarly;
    if (!read || d.endedEarly) return std::nullopt;
    why = JpegFault::None;
    return image;
}

QImage upright(QImage image, int orientation) {
    // As Qt's transformations: mirror left to right, flip top to bottom, then a quarter turn
    // clockwise; EXIF's eight orientations in that vocabulary.
    enum : int { Mirror = 1, Flip = 2, Turn = 4 };
    constexpr int kByExif[] = {0,           0,    Mirror,        Mirror | Flip,       Flip,
                               Flip | Turn, Turn, Mirror | Turn, Mirror | Flip | Turn};
    const int steps = orientation >= 1 && orientation <= 8 ? kByExif[orientation] : 0;
    if (steps & (Mirror | Flip)) image = std::move(image).mirrored(steps & Mirror, steps & Flip);
    if (steps & Turn) image = image.transformed(QTransform().rotate(90));
    return image;
}

}  // namespace ui
