#pragma once
#include <QPixmap>
#include <QString>
#include <optional>

namespace ui {

// A picture as a control holds it; a null pixmap is the empty picture.
using Picture = QPixmap;

// Loads a picture by its layout path. Gives nothing when the file is missing, is not a
// regular file, cannot be decoded or declares a size too large to be a real picture; the
// empty path gives the empty picture, as the layout expects.
// When the display scale is above 1 and a companion of twice the density lies beside the
// file ("Images\x.jpg" -> "Images\x@2x.jpg", "Images\x.bmp" -> "Images\x@2x.png", exactly
// twice its size), the companion is
// loaded instead, so that pictures stay sharp when magnified.
std::optional<Picture> LoadPicture(const QString& layoutPath);

// Loads a picture from a file already found (see resolveFileIn), by the same rules.
std::optional<Picture> loadPictureFile(const QString& file);
// The size a picture file declares, reading only its first kilobytes; nothing for a file
// that is no picture or declares a size too large to be a real one.
std::optional<QSize> pictureFileSize(const QString& file);

// Starts decoding a picture on another thread, at the present display scale; the first
// LoadPicture of the same path takes the result, waiting for it if need be.
void prefetchPicture(const QString& layoutPath);

// The name of a picture's companion of twice the density.
QString denseCompanion(const QString& layoutPath);

// The size a picture takes at the design scale (15 twips to a pixel), whatever its density.
inline QSizeF designSize(const Picture& picture) {
    return picture.deviceIndependentSize();
}

// The largest picture side accepted; larger declared sizes are refused before decoding.
constexpr int kMaxPictureSide = 8192;
// The most a picture may take decoded (32 MB holds 2800 by 2800 pixels; the largest the
// program ships is 800 by 600), and the largest file read as a picture.
constexpr int kMaxDecodedMegabytes = 32;
constexpr qint64 kMaxPictureBytes = 32 << 20;

}  // namespace ui
