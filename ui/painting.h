#pragma once
// Drawing shared by the controls: borders, bevels, captions and pictures.
#include <QColor>
#include <QPainter>
#include <QRect>
#include <QString>

#include "ui/pictures.h"

namespace ui {

// Borders and bevels are one design pixel wide, in whole pixels at the window's scale.
void drawSingleBorder(QPainter& painter, const QRect& rect, float scale);
void drawBevel(QPainter& painter, const QRect& rect, bool sunken, float scale);
void drawEtchedFrame(QPainter& painter, const QRect& rect, float scale);
// The pen of a caption: its colour, or grey while disabled.
QColor captionColour(const QColor& colour, bool enabled);
// A disabled caption is drawn grey. The rectangle is at the design scale (see DesignScale).
void drawCaption(QPainter& painter, const QRect& rect, int flags, const QString& text,
                 const QColor& colour, bool enabled);
// Whether text drawn into the rectangle with those flags shows whole (design scale).
bool textFits(const QFont& font, const QRect& rect, int flags, const QString& text);
// A picture drawn smoothly into the target, whatever its pixel density.
void drawPicture(QPainter& painter, const QRectF& target, const Picture& picture);

// While it lives, the painter draws at the design scale (15 twips to a pixel) magnified by
// the window's scale: text laid out at the design scale lands where it was measured.
class DesignScale {
  public:
    DesignScale(QPainter& painter, float scale);
    ~DesignScale();
    DesignScale(const DesignScale&) = delete;
    DesignScale& operator=(const DesignScale&) = delete;

  private:
    QPainter& painter_;
};

}  // namespace ui
