#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QString>

class QDir;
class QPainter;

// Saves relPath (e.g. "Images/next.jpg") below out, creating folders as needed.
// The suffix picks the format (.jpg, .bmp, else PNG); JPEGs use quality 92.
// Throws std::runtime_error if the file cannot be written.
void saveImage(const QImage& image, const QDir& out, const QString& relPath);

// An opaque canvas filled with one colour, ready for a QPainter.
QImage canvas(int width, int height, QColor fill);

// Fonts are sized in pixels so pictures come out the same on every machine.
QFont pixelFont(int pixels, bool bold = false, const QString& family = "Liberation Sans");

// The largest font no bigger than `pixels` whose rendering of text fits in maxWidth.
QFont fittedFont(const QString& text, qreal maxWidth, int pixels, bool bold = true);

// A rounded plate with centred text, used for name plates and labels.
void drawCaption(QPainter& p, const QRectF& box, const QString& text, const QFont& font,
                 QColor fill, QColor ink);

// Text with a one-pixel dark drop shadow so it stays legible on coloured faces.
void drawShadowedText(QPainter& p, const QRectF& box, int flags, const QString& text, QColor ink);
