#pragma once
#include <QPixmap>
#include <QString>
#include <optional>

namespace ui {

// A picture as a control holds it; a null pixmap is the empty picture.
using Picture = QPixmap;

// Loads a picture by its layout path, upright. Gives nothing when the file is missing, is not a
// regular file or is not a picture that can be used (see judgePictureFile); the empty path
// gives the empty picture, as the layout expects.
// When the display scale is above 1 and a companion of twice the density lies beside the
// file ("Images\x.jpg" -> "Images\x@2x.jpg", "Images\x.bmp" -> "Images\x@2x.png", exactly
// twice its size), the companion is
// loaded instead, so that pictures stay sharp when magnified.
std::optional<Picture> LoadPicture(const QString& layoutPath);

// What a picture file is worth: its size standing upright, in pixels, or why it cannot be
// used, in plain words that name the file ("IMG_2041.jpg: 9000 by 9000 pixels is more than 50
// megapixels").
struct PictureJudgement {
    QSize size;
    QString problem;
    bool usable() const { return problem.isEmpty(); }
};

// Judges a picture file by its header, its limits, its end and the decoding of all its data
// (at the smallest size, so cheaply). A file judged once is not read again until it changes.
PictureJudgement judgePictureFile(const QString& file);

// A picture loaded to be shown, or why it cannot be.
struct LoadedPicture {
    Picture picture;
    QString problem;
    bool usable() const { return problem.isEmpty(); }
};

// Loads a picture from a file already found (see resolveFileIn), stood upright and decoded at
// the `shownAt` device pixels it is drawn at (never larger than it is), so that a phone photo
// costs no more than the slot it fills.
LoadedPicture loadPictureFile(const QString& file, QSize shownAt);

// The device pixels a slot of that size in twips covers at a window's scale.
QSize devicePixels(QSizeF twips, float scale);

// Starts decoding a picture on another thread, at the present display scale; the first
// LoadPicture of the same path takes the result, waiting for it if need be.
void prefetchPicture(const QString& layoutPath);

// The name of a picture's companion of twice the density.
QString denseCompanion(const QString& layoutPath);

// The size a picture takes at the design scale (15 twips to a pixel), whatever its density.
inline QSizeF designSize(const Picture& picture) {
    return picture.deviceIndependentSize();
}

// The largest picture files used: larger ones are refused with their reason.
constexpr int kMaxPictureSide = 16384;
constexpr qint64 kMaxPicturePixels = 50'000'000;
constexpr qint64 kMaxPictureBytes = qint64(64) << 20;
// The most a picture takes decoded when no size is asked for (32 MB holds 2800 by 2800
// pixels; the largest the program ships is 1600 by 1200): a larger one is decoded smaller and
// still drawn at its own size.
constexpr qint64 kMaxDecodedBytes = qint64(32) << 20;

}  // namespace ui
