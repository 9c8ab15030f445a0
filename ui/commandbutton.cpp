#include "ui/commandbutton.h"

#include <QGuiApplication>
#include <QPainter>

#include "ui/controlwidget.h"
#include "ui/painting.h"
#include "ui/twips.h"

namespace ui {

void CommandButton::setCaption(const QString& c) {
    prepareText(c);
    caption_ = c;
    refresh();
    announceNameChange();
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

namespace {
constexpr int kCaptionFlags = Qt::AlignCenter | Qt::TextWordWrap;
}

bool CommandButton::captionFits() const {
    return textFits(makeFont(font_), Twips::designRect(Width(), Height()), kCaptionFlags, caption_);
}

void CommandButton::paint(QPainter& painter, const QRect& rect) const {
    const bool down = widget() && widget()->underMouse() &&
                      (QGuiApplication::mouseButtons() & Qt::LeftButton) && Enabled();
    painter.fillRect(rect, toQColor(back_));
    const int nudge = Twips::strokePixels(1, scale());
    const QPoint shift = down ? QPoint(nudge, nudge) : QPoint(0, 0);
    if (!picture_.isNull()) {
        // The picture is drawn at its own size (times the display scale), centred.
        QRectF target(QPointF(0, 0), designSize(picture_) * scale());
        target.moveCenter(QRectF(rect).center() + shift);
        drawPicture(painter, target, picture_);
    }
    if (!caption_.isEmpty()) {
        painter.save();
        painter.translate(shift);
        const DesignScale design(painter, scale());
        painter.setFont(makeFont(font_));
        drawCaption(painter, Twips::designRect(Width(), Height()), kCaptionFlags, caption_,
                    Qt::black, Enabled());
        painter.restore();
    }
    drawBevel(painter, rect, down, scale());
}

}  // namespace ui
