#include "ui/picturebox.h"

#include <QPainter>

#include "ui/painting.h"
#include "ui/twips.h"

namespace ui {

void PictureBox::setPicture(const Picture& p) {
    picture_ = p;
    refresh();
}

void PictureBox::setStretch(bool s) {
    stretch_ = s;
    refresh();
}

void PictureBox::setBackColor(Colour c) {
    back_ = c;
    refresh();
}

void PictureBox::setBorder(bool b) {
    border_ = b;
    refresh();
}

void PictureBox::paint(QPainter& painter, const QRect& rect) const {
    if (back_) painter.fillRect(rect, toQColor(*back_));
    if (!picture_.isNull()) {
        painter.save();
        painter.setClipRect(rect);
        const QRectF target = stretch_
                                  ? QRectF(rect)
                                  : QRectF(QPointF(rect.topLeft()), designSize(picture_) * scale());
        drawPicture(painter, target, picture_);
        painter.restore();
    }
    if (border_) drawBevel(painter, rect, true, scale());
}

}  // namespace ui
