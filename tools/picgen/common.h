#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QString>

class QDir;
class QPainter;
class QPainterPath;

// Pictures are drawn once at their own size and once at twice the density, for displays
// that magnify them; drawing code works in the picture's own pixels either way.
void setDensity(int ratio);

// Pictures that hold words are drawn again in each other language the program speaks; one
// whose drawing differs from the English goes beside it, named for the language
// ("Images/exit.cy.jpg"), where the program looks first when it speaks that language.
void setLanguage(const QString& code);  // empty: English, every picture's own
// The words to draw in the language being drawn.
QString inLanguage(const char* english, const char* welsh);

// Saves relPath (e.g. "Images/next.jpg") below out, creating folders as needed.
// The suffix picks the format (.jpg, .bmp, else PNG); JPEGs use quality 92.
// At twice the density the picture goes to its companion ("Images/next@2x.jpg" for a JPEG,
// "Images/magnets1@2x.png" for a BMP), and a
// picture not drawn on a canvas (an icon) is not written again.
// Throws std::runtime_error if the file cannot be written.
void saveImage(const QImage& image, const QDir& out, const QString& relPath);

// An opaque canvas filled with one colour, ready for a QPainter, at the current density.
QImage canvas(int width, int height, QColor fill);

// Whether every pixel of `area` (in the picture's own pixels) has the colour.
bool isPlain(const QImage& image, const QRect& area, QColor colour);

// Fonts are sized in pixels so pictures come out the same on every machine.
QFont pixelFont(int pixels, bool bold = false, const QString& family = "Liberation Sans");

// A caption's font, bold: the smallest whose capitals stand 14 pixels high, readable from the
// back of a classroom, in a picture shown at `shown` screen pixels to each of its own.
QFont captionFont(qreal shown);
// How a labelling picture of 470 by 370 is shown: fitted to the 416 pixels of height the screen
// gives it, a little less to be safe.
constexpr qreal kLabellingShown = 1.12;

// The largest font no bigger than `pixels` whose rendering of text fits in maxWidth.
QFont fittedFont(const QString& text, qreal maxWidth, int pixels, bool bold = true);

// A rounded plate with centred text, used for name plates and labels.
void drawCaption(QPainter& p, const QRectF& box, const QString& text, const QFont& font,
                 QColor fill, QColor ink);

// Text with a one-pixel dark drop shadow so it stays legible on coloured faces.
void drawShadowedText(QPainter& p, const QRectF& box, int flags, const QString& text, QColor ink);

// A line along the path with a filled arrowhead at its end, `head` pixels long.
// The outline of a stroke `width` wide along `centre`, rounded at its ends and corners: a
// bone, a muscle, a tendon.
QPainterPath thick(const QPainterPath& centre, qreal width);

void drawArrow(QPainter& p, const QPainterPath& path, QColor colour, qreal width, qreal head);
