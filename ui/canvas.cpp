#include "ui/canvas.h"

#include <QPainter>
#include <QWidget>

#include "ui/form.h"
#include "ui/twips.h"

namespace ui {

QPointF Canvas::toPoint(float x, float y) const {
    const float perPixel = Twips::perPixel(form_.scale());
    return {x / perPixel, y / perPixel};
}

void Canvas::clear(Colour back) {
    back_ = back;
    image_ = QImage();
    fit();
    form_.window()->update();
}

void Canvas::fit() {
    const QWidget* window = form_.window();
    const qreal ratio = window->devicePixelRatioF();
    const QSize need = window->size() * ratio;
    if (!image_.isNull() && image_.width() >= need.width() && image_.height() >= need.height())
        return;
    QImage grown(need.expandedTo(image_.size()), QImage::Format_RGB32);
    grown.setDevicePixelRatio(ratio);
    grown.fill(toQColor(back_));
    if (!image_.isNull()) {
        QPainter p(&grown);
        p.drawImage(QPointF(0, 0), image_);
    }
    image_ = std::move(grown);
}

void Canvas::line(float x1, float y1, float x2, float y2, Colour colour, int pixels) {
    fit();
    const qreal width = pixels * form_.scale();
    const QPointF from = toPoint(x1, y1);
    const QPointF to = toPoint(x2, y2);
    {
        QPainter p(&image_);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(toQColor(colour), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(from, to);
    }
    const qreal pad = width / 2 + 2;
    form_.window()->update(
        QRectF(from, to).normalized().adjusted(-pad, -pad, pad, pad).toAlignedRect());
}

void Canvas::paint(QPainter& painter) const {
    if (!image_.isNull()) painter.drawImage(QPointF(0, 0), image_);
}

Colour Canvas::pixel(float x, float y) const {
    const QPoint at = (toPoint(x, y) * image_.devicePixelRatio()).toPoint();
    if (!image_.valid(at)) return back_;
    const QRgb c = image_.pixel(at);
    return RGB(qRed(c), qGreen(c), qBlue(c));
}

}  // namespace ui
