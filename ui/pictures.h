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
std::optional<Picture> LoadPicture(const QString& layoutPath);

// The largest picture side accepted; larger declared sizes are refused before decoding.
constexpr int kMaxPictureSide = 8192;
// The most a picture may take decoded (32 MB holds 2800 by 2800 pixels; the largest the
// program ships is 800 by 600), and the largest file read as a picture.
constexpr int kMaxDecodedMegabytes = 32;
constexpr qint64 kMaxPictureBytes = 32 << 20;

}  // namespace ui
