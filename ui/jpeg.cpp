#include "ui/jpeg.h"

#include <jpeglib.h>

#include <QSysInfo>
#include <csetjmp>
#include <cstdio>  // libjpeg's header needs FILE and size_t declared first

namespace ui {

namespace {

// libjpeg reports a fatal error by calling error_exit, which must not return: it jumps back
// to the set-up of the call that failed. The functions that set the jump hold nothing with a
// destructor, so that the jump skips none.
struct Decompressor {
    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    std::jmp_buf failed{};
    bool created = false;

    Decompressor() {
        info.err = jpeg_std_error(&errors);
        info.client_data = this;  // kept by jpeg_create_decompress, so set before it
        errors.error_exit = [](j_common_ptr common) {
            std::longjmp(reinterpret_cast<Decompressor*>(common->client_data)->failed, 1);
        };
        errors.output_message = [](j_common_ptr) {};  // warnings are not the pupils' business
    }
    ~Decompressor() {
        if (created) jpeg_destroy_decompress(&info);
    }
    Decompressor(const Decompressor&) = delete;
    Decompressor& operator=(const Decompressor&) = delete;
};

bool readHeader(Decompressor& d, const QByteArray& bytes) {
    if (setjmp(d.failed)) return false;
    jpeg_create_decompress(&d.info);
    d.created = true;
    jpeg_mem_src(&d.info, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    return jpeg_read_header(&d.info, TRUE) == JPEG_HEADER_OK;
}

// Rows of 0xffRRGGBB words, as QImage::Format_RGB32 holds them in memory.
constexpr J_COLOR_SPACE kRgb32Order =
    QSysInfo::ByteOrder == QSysInfo::LittleEndian ? JCS_EXT_BGRA : JCS_EXT_ARGB;

bool readPixels(Decompressor& d, uchar* bits, qsizetype stride) {
    if (setjmp(d.failed)) return false;
    d.info.out_color_space = kRgb32Order;  // the alpha byte comes out 0xFF
    if (!jpeg_start_decompress(&d.info)) return false;
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

}  // namespace

std::optional<QSize> jpegSize(const QByteArray& bytes) {
    Decompressor d;
    if (!readHeader(d, bytes)) return std::nullopt;
    return QSize(static_cast<int>(d.info.image_width), static_cast<int>(d.info.image_height));
}

std::optional<QImage> decodeJpeg(const QByteArray& bytes, qint64 maxBytes) {
    Decompressor d;
    if (!readHeader(d, bytes) || !isRgbConvertible(d.info.jpeg_color_space)) return std::nullopt;
    const qint64 width = d.info.image_width, height = d.info.image_height;
    if (width <= 0 || height <= 0 || width * height * 4 > maxBytes) return std::nullopt;
    // libjpeg's own working memory stays bounded too: a progressive picture keeps all its
    // coefficients, at most one and a half times the size of the picture decoded.
    d.info.mem->max_memory_to_use = static_cast<long>(2 * maxBytes);
    QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
    if (image.isNull() || !readPixels(d, image.bits(), image.bytesPerLine())) return std::nullopt;
    return image;
}

}  // namespace ui
