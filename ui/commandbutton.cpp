#include "ui/commandbutton.h"

#include <QGuiApplication>
#include <QPainter>

#include "ui/controlwidget.h"
#include "ui/painting.h"
#include "ui/twips.h"

namespace ui {

void CommandButton::setCaption(const QString& c) {
    caption_ = c;
    refresh();
}

void CommandButton::setPicture(const Picture& p) {
    picture_ = p;
    refresh();
}

void CommandButton::setBackColor(Colour c) {
    back_ = c;
    refresh();
}

void CommandButton::setFont(const FontSpec& f) {
    font_ = f;
    refresh();
}

void CommandButton::paint(QPainter& painter, const QRect& rect) const {
    const bool down = widget() && widget()->underMouse() &&
                      (QGuiApplication::mouseButtons() & Qt::LeftButton) && Enabled();
    painter.fillRect(rect, toQColor(back_));
    const QPoint shift = down ? QPoint(1, 1) : QPoint(0, 0);
    if (!picture_.isNull()) {
        // The picture is drawn at its own size (times the display scale), centred.
        const QSizeF size = QSizeF(picture_.size()) * Twips::scale();
        QRectF target(QPointF(0, 0), size);
        target.moveCenter(QRectF(rect).center() + shift);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(target, picture_, QRectF(picture_.rect()));
    }
    painter.setFont(makeFont(font_));
    drawCaption(painter, rect.translated(shift), Qt::AlignCenter | Qt::TextWordWrap, caption_,
                Qt::black, Enabled());
    drawBevel(painter, rect, down);
}

}  // namespace ui
