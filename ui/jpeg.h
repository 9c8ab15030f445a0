#pragma once
#include <QByteArray>
#include <QImage>
#include <QSize>
#include <optional>

namespace ui {

// JPEG straight through libjpeg, on any thread and without Qt's image plugins: loading the
// plugin and converting its output line by line took longer than the decoding itself, on the
// way to the title screen's first paint.

// The size a JPEG's header declares, or nothing for data libjpeg cannot read as a JPEG.
std::optional<QSize> jpegSize(const QByteArray& bytes);

// The picture, decoded as Qt's own reader would decode it, or nothing: for data that is not a
// JPEG, one larger than `maxBytes` decoded, or one in a colour space libjpeg cannot turn into
// RGB (CMYK: Qt's reader converts those itself).
std::optional<QImage> decodeJpeg(const QByteArray& bytes, qint64 maxBytes);

}  // namespace ui
