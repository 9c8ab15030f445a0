#pragma once
// Drawing shared by the controls: borders, bevels and captions.
#include <QColor>
#include <QPainter>
#include <QRect>
#include <QString>

namespace ui {

void drawSingleBorder(QPainter& painter, const QRect& rect);
void drawBevel(QPainter& painter, const QRect& rect, bool sunken);
void drawEtchedFrame(QPainter& painter, const QRect& rect);
// The pen of a caption: its colour, or grey while disabled.
QColor captionColour(const QColor& colour, bool enabled);
// A disabled caption is drawn grey.
void drawCaption(QPainter& painter, const QRect& rect, int flags, const QString& text,
                 const QColor& colour, bool enabled);

}  // namespace ui
