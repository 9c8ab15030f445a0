#include "ui/line.h"

#include <QPainter>
#include <algorithm>

#include "ui/twips.h"

namespace ui {

Line::Line(Form& form, QString name, int index, Control* container)
    : Control(form, std::move(name), index, container) {
    if (widget()) widget()->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Line::setEnds(float x1, float y1, float x2, float y2) {
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    place();
}

void Line::setBorderColor(Colour c) {
    colour_ = c;
    refresh();
}

void Line::setBorderWidth(int pixels) {
    width_ = std::max(1, pixels);
    place();
}

void Line::place() {
    // The widget covers the line's box with room for the pen on every side.
    const float pad = Twips::toTwips(width_ * scale() + 1, scale());
    const float left = std::min(x1_, x2_) - pad;
    const float top = std::min(y1_, y2_) - pad;
    setGeometry(left, top, std::abs(x2_ - x1_) + 2 * pad, std::abs(y2_ - y1_) + 2 * pad);
}

void Line::paint(QPainter& painter, const QRect&) const {
    const QPointF origin(Twips::toPixels(Left(), scale()), Twips::toPixels(Top(), scale()));
    const auto at = [&](float x, float y) {
        return QPointF(x / Twips::perPixel(scale()), y / Twips::perPixel(scale())) - origin;
    };
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(toQColor(colour_), width_ * scale(), Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(at(x1_, y1_), at(x2_, y2_));
}

}  // namespace ui
