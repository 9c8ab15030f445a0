// Fuzz target for the JPEG decoder: whatever the bytes, it gives a picture within the limit
// it was given, of the size the header declared, or nothing; and it never crashes or leaks.
#include <QByteArray>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "ui/jpeg.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    constexpr qint64 kLimit = 4 << 20;
    const std::optional<QSize> declared = ui::jpegSize(bytes);
    const std::optional<QImage> image = ui::decodeJpeg(bytes, kLimit);
    if (!image) return 0;
    if (!declared || image->size() != *declared || image->sizeInBytes() > kLimit ||
        image->format() != QImage::Format_RGB32) {
        std::fprintf(stderr, "the JPEG decoder gave a picture it should not have\n");
        std::abort();
    }
    return 0;
}
