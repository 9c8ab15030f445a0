#include "ui/painting.h"

#include <QFontMetrics>

#include "ui/colour.h"
#include "ui/twips.h"

namespace ui {

namespace {
// A frame `width` pixels thick just inside the rectangle, light on the top and left edges.
void drawFrameBands(QPainter& painter, const QRect& rect, int width, const QColor& topLeft,
                    const QColor& bottomRight) {
    const int w = std::min({width, rect.width() / 2, rect.height() / 2});
    if (w <= 0) return;
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), w), topLeft);
    painter.fillRect(QRect(rect.left(), rect.top(), w, rect.height()), topLeft);
    painter.fillRect(QRect(rect.left(), rect.bottom() - w + 1, rect.width(), w), bottomRight);
    painter.fillRect(QRect(rect.right() - w + 1, rect.top(), w, rect.height()), bottomRight);
}
}  // namespace

void drawSingleBorder(QPainter& painter, const QRect& rect, float scale) {
    drawFrameBands(painter, rect, Twips::strokePixels(1, scale), Qt::black, Qt::black);
}

void drawBevel(QPainter& painter, const QRect& rect, bool sunken, float scale) {
    const QColor light = sunken ? QColor(64, 64, 64) : QColor(255, 255, 255);
    const QColor dark = sunken ? QColor(255, 255, 255) : QColor(64, 64, 64);
    drawFrameBands(painter, rect, Twips::strokePixels(1, scale), light, dark);
}

void drawEtchedFrame(QPainter& painter, const QRect& rect, float scale) {
    // A grey line with a white one just inside and below it.
    const int w = Twips::strokePixels(1, scale);
    const QColor grey(128, 128, 128), white(255, 255, 255);
    drawFrameBands(painter, rect.adjusted(0, 0, -w, -w), w, grey, grey);
    drawFrameBands(painter, rect.adjusted(w, w, 0, 0), w, white, white);
}

QColor captionColour(const QColor& colour, bool enabled) {
    return enabled ? colour : toQColor(colours::kGreyedText);
}

void drawCaption(QPainter& painter, const QRect& rect, int flags, const QString& text,
                 const QColor& colour, bool enabled) {
    if (text.isEmpty()) return;
    painter.save();
    painter.setPen(captionColour(colour, enabled));
    painter.drawText(rect, flags, text);
    painter.restore();
}

bool textFits(const QFont& font, const QRect& rect, int flags, const QString& text) {
    const QRect need = QFontMetrics(font).boundingRect(rect, flags, text);
    return need.width() <= rect.width() && need.height() <= rect.height();
}

void drawPicture(QPainter& painter, const QRectF& target, const Picture& picture) {
    if (picture.isNull()) return;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(target, picture, QRectF(picture.rect()));
    painter.restore();
}

DesignScale::DesignScale(QPainter& painter, float scale) : painter_(painter) {
    painter_.save();
    painter_.scale(scale, scale);
}

DesignScale::~DesignScale() {
    painter_.restore();
}

}  // namespace ui
