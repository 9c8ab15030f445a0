#include "app/appicon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRadialGradient>
#include <QtMath>

namespace {
// Drawn on a 256-unit grid and scaled, so every size has the same proportions.
constexpr qreal kGrid = 256;
constexpr int kPetals = 13;
constexpr qreal kPetalReach = 112;  // petal tip distance on the grid

void paintBackground(QPainter& p) {
    QLinearGradient sky(0, 0, 0, kGrid);
    sky.setColorAt(0, QColor(92, 170, 240));
    sky.setColorAt(1, QColor(36, 110, 196));
    p.setPen(QPen(QColor(20, 70, 140), 6));
    p.setBrush(sky);
    p.drawRoundedRect(QRectF(3, 3, kGrid - 6, kGrid - 6), 48, 48);
}

void paintPetals(QPainter& p, qreal length, qreal width, qreal phase, QColor colour) {
    QPainterPath petal;
    petal.moveTo(0, 0);
    petal.cubicTo(width, -length * 0.35, width * 0.6, -length * 0.9, 0, -length);
    petal.cubicTo(-width * 0.6, -length * 0.9, -width, -length * 0.35, 0, 0);
    p.setPen(QPen(colour.darker(125), 2));
    p.setBrush(colour);
    for (int i = 0; i < kPetals; ++i) {
        p.save();
        p.rotate(phase + 360.0 * i / kPetals);
        p.drawPath(petal);
        p.restore();
    }
}

void paintSeedHead(QPainter& p, bool detailed) {
    QRadialGradient disc(QPointF(-12, -12), 60);
    disc.setColorAt(0, QColor(130, 80, 35));
    disc.setColorAt(1, QColor(75, 42, 18));
    p.setPen(QPen(QColor(60, 32, 12), 3));
    p.setBrush(disc);
    p.drawEllipse(QPointF(0, 0), 50, 50);
    if (!detailed) return;  // seeds turn to mud below about 48 px
    // Seeds sit on a golden-angle spiral, as they do in a real sunflower.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(190, 140, 60));
    const qreal goldenAngle = M_PI * (3 - std::sqrt(5.0));
    for (int n = 1; n < 140; ++n) {
        const qreal r = 4.1 * std::sqrt(n);
        p.drawEllipse(QPointF(r * std::cos(n * goldenAngle), r * std::sin(n * goldenAngle)), 1.9,
                      1.9);
    }
}
}  // namespace

void paintSunflowerHead(QPainter& p, qreal radius, bool detailed) {
    p.save();
    p.scale(radius / kPetalReach, radius / kPetalReach);
    paintPetals(p, kPetalReach, 30, 360.0 / kPetals / 2, QColor(240, 170, 10));
    paintPetals(p, kPetalReach - 12, 26, 0, QColor(255, 212, 30));
    paintSeedHead(p, detailed);
    p.restore();
}

QImage brindlemarkIconImage(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / kGrid, size / kGrid);
    paintBackground(p);
    p.translate(kGrid / 2, kGrid / 2);
    paintSunflowerHead(p, kPetalReach, size >= 48);
    return image;
}

QIcon brindlemarkIcon() {
    // Painted once, and not at 256 pixels, which took half of the painting: the program and
    // the title screen both ask for it before the first window can be shown. Kept to the end,
    // never destroyed after the application that its pixmaps belong to.
    static const QIcon* icon = [] {
        auto* sizes = new QIcon;
        for (int size : {16, 32, 48, 64, 128})
            sizes->addPixmap(QPixmap::fromImage(brindlemarkIconImage(size)));
        return sizes;
    }();
    return *icon;
}

QImage makerIconImage(int size) {
    QImage image = brindlemarkIconImage(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / kGrid, size / kGrid);
    // A yellow pencil, its point towards the flower, outlined to stand out on the petals.
    p.translate(188, 188);
    p.rotate(45);
    const QPen outline(QColor(40, 40, 40), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(outline);
    p.setBrush(QColor(250, 200, 40));
    p.drawRect(QRectF(-70, -20, 120, 40));  // the body
    p.setBrush(QColor(235, 120, 140));
    p.drawRoundedRect(QRectF(50, -20, 26, 40), 8, 8);  // the rubber
    p.setBrush(QColor(240, 215, 170));
    p.drawPolygon(QPolygonF({{-70, -20}, {-112, 0}, {-70, 20}}));  // the sharpened wood
    p.setBrush(QColor(40, 40, 40));
    p.drawPolygon(QPolygonF({{-98, -7}, {-112, 0}, {-98, 7}}));  // the lead
    return image;
}

QIcon makerIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128}) icon.addPixmap(QPixmap::fromImage(makerIconImage(size)));
    return icon;
}
