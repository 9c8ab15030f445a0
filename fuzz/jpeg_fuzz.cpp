// Fuzz target for the JPEG decoder: whatever the bytes, it gives a picture within the limit
// it was given, of the size the header declared (or, decoded smaller, between the size asked
// for and that), or nothing; it reads an orientation from 1 to 8, stands the picture upright
// with it, and it never crashes or leaks.
#include <QByteArray>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "ui/jpeg.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    constexpr qint64 kLimit = 4 << 20;
    const std::optional<ui::JpegHeader> header = ui::jpegHeader(bytes);
    const std::optional<QImage> image = ui::decodeJpeg(bytes, kLimit);
    const bool orientationOk = !header || (header->orientation >= 1 && header->orientation <= 8);
    const QSize smaller = header ? header->size / 3 : QSize();
    const std::optional<QImage> scaled = ui::decodeJpeg(bytes, kLimit, smaller);
    const bool wholeOk =
        !image || (header && image->size() == header->size && image->sizeInBytes() <= kLimit &&
                   image->format() == QImage::Format_RGB32);
    const bool scaledOk =
        !scaled || (header && scaled->width() <= header->size.width() &&
                    scaled->height() <= header->size.height() &&
                    scaled->width() >= smaller.width() && scaled->height() >= smaller.height());
    if (!orientationOk || !wholeOk || !scaledOk) {
        std::fprintf(stderr, "the JPEG decoder gave a picture it should not have\n");
        std::abort();
    }
    if (image && header) {
        const QImage standing = ui::upright(*image, header->orientation);
        const QSize expected =
            ui::swapsSides(header->orientation) ? header->size.transposed() : header->size;
        if (standing.size() != expected) std::abort();
    }
    return 0;
}
