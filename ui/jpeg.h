#pragma once
#include <QByteArray>
#include <QImage>
#include <QSize>
#include <optional>

namespace ui {

// JPEG straight through libjpeg, on any thread and without Qt's image plugins: loading the
// plugin and converting its output line by line took longer than the decoding itself, on the
// way to the title screen's first paint. Phone photos are decoded at the size they are shown,
// with libjpeg's scaled decoding, and stood upright as their EXIF orientation says.

// What a JPEG's header declares: its size as stored, and the EXIF orientation (1 to 8, 1 when
// there is none or it cannot be read).
struct JpegHeader {
    QSize size;
    int orientation = 1;
};

// The header, or nothing for data libjpeg cannot read as a JPEG.
std::optional<JpegHeader> jpegHeader(const QByteArray& bytes);

// Why a JPEG gave no picture.
enum class JpegFault { None, NotJpeg, TooLarge, OtherColours, EndsEarly, Damaged };

// The picture as stored (not yet upright), decoded as Qt's own reader would decode it, at the
// smallest of libjpeg's scales (eighths) that is at least `atLeast` in both directions (the
// full size when `atLeast` is empty). Nothing, with the fault, for data that is not a JPEG, a
// picture larger than `maxBytes` decoded, one in a colour space libjpeg cannot turn into RGB
// (CMYK: Qt's reader converts those itself), or one whose data ends before its last row.
std::optional<QImage> decodeJpeg(const QByteArray& bytes, qint64 maxBytes, QSize atLeast = {},
                                 JpegFault* fault = nullptr);

// Whether an EXIF orientation turns the picture a quarter, so that width and height swap.
constexpr bool swapsSides(int orientation) {
    return orientation >= 5 && orientation <= 8;
}
// The picture stood upright as its EXIF orientation says.
QImage upright(QImage image, int orientation);

}  // namespace ui
