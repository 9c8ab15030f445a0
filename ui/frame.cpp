#include "ui/frame.h"

#include <QPainter>

#include "ui/painting.h"

namespace ui {

void Frame::setBackColor(Colour c) {
    back_ = c;
    refresh();
}

void Frame::setBorder(bool b) {
    border_ = b;
    refresh();
}

void Frame::paint(QPainter& painter, const QRect& rect) const {
    painter.fillRect(rect, toQColor(back_));
    if (border_) drawEtchedFrame(painter, rect, scale());
}

}  // namespace ui
