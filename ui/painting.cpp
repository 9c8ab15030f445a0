#include "ui/painting.h"

namespace ui {

void drawSingleBorder(QPainter& painter, const QRect& rect) {
    painter.save();
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.restore();
}

void drawBevel(QPainter& painter, const QRect& rect, bool sunken) {
    const QColor light = sunken ? QColor(64, 64, 64) : QColor(255, 255, 255);
    const QColor dark = sunken ? QColor(255, 255, 255) : QColor(64, 64, 64);
    const QRect r = rect.adjusted(0, 0, -1, -1);
    painter.save();
    painter.setPen(light);
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(dark);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
    painter.restore();
}

void drawEtchedFrame(QPainter& painter, const QRect& rect) {
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(rect.adjusted(0, 0, -2, -2));
    painter.setPen(QColor(255, 255, 255));
    painter.drawRect(rect.adjusted(1, 1, -1, -1));
    painter.restore();
}

QColor captionColour(const QColor& colour, bool enabled) {
    return enabled ? colour : QColor(140, 140, 140);
}

void drawCaption(QPainter& painter, const QRect& rect, int flags, const QString& text,
                 const QColor& colour, bool enabled) {
    if (text.isEmpty()) return;
    painter.save();
    painter.setPen(captionColour(colour, enabled));
    painter.drawText(rect, flags, text);
    painter.restore();
}

}  // namespace ui
