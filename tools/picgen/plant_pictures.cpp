// The plant reproduction screen's flower: cut in half down the middle, so that the
// petals, the stamens (filament and anther) and the carpel (stigma, style, ovary with its
// ovules) all show, above the sepals and the stalk.
#include <QDir>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "common.h"
#include "pictures.h"

namespace {

constexpr qreal kMid = 106.5;       // the flower's axis
constexpr qreal kReceptacle = 150;  // where the parts join the stalk
const QColor kGreen(62, 140, 50);
const QColor kDarkGreen(36, 96, 30);
const QColor kInk(30, 50, 40);

// Draws a path on the left and its mirror image on the right of the axis.
void mirrored(QPainter& p, const QPainterPath& left) {
    QTransform flip;
    flip.translate(2 * kMid, 0);
    flip.scale(-1, 1);
    p.drawPath(left);
    p.drawPath(flip.map(left));
}

QPainterPath petal(qreal spread, qreal height) {
    QPainterPath path;
    path.moveTo(kMid - 8, kReceptacle - 2);
    path.cubicTo(kMid - spread * 0.5, kReceptacle - 10, kMid - spread * 1.05,
                 kReceptacle - height * 0.5, kMid - spread, kReceptacle - height);
    path.cubicTo(kMid - spread * 0.7, kReceptacle - height * 1.08, kMid - spread * 0.45,
                 kReceptacle - height * 0.7, kMid - 14, kReceptacle - 16);
    path.closeSubpath();
    return path;
}

QPainterPath sepal() {
    QPainterPath path;
    path.moveTo(kMid - 6, kReceptacle + 4);
    path.cubicTo(kMid - 22, kReceptacle + 2, kMid - 36, kReceptacle - 4, kMid - 46,
                 kReceptacle - 14);
    path.cubicTo(kMid - 34, kReceptacle + 8, kMid - 20, kReceptacle + 12, kMid - 4,
                 kReceptacle + 12);
    path.closeSubpath();
    return path;
}

void stamen(QPainter& p, QPointF anther, qreal tilt) {
    QPainterPath filament;
    filament.moveTo(anther.x() < kMid ? kMid - 10 : kMid + 10, kReceptacle - 8);
    filament.quadTo(QPointF(anther.x() + 4, kReceptacle - 30), anther + QPointF(0, 8));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(235, 225, 160), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(filament);
    p.save();
    p.translate(anther);
    p.rotate(tilt);
    QLinearGradient g(-4, 0, 4, 0);
    g.setColorAt(0, QColor(250, 190, 30));
    g.setColorAt(1, QColor(205, 120, 10));
    p.setPen(QPen(QColor(150, 80, 0), 1));
    p.setBrush(g);
    p.drawEllipse(QPointF(0, 0), 4.6, 10);
    p.setPen(QPen(QColor(150, 80, 0, 160), 0.8));
    p.drawLine(QPointF(0, -8), QPointF(0, 8));
    p.restore();
}

QImage flower() {
    QImage image = canvas(213, 210, QColor(0, 78, 152));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 210);
    sky.setColorAt(0, QColor(232, 244, 252));
    sky.setColorAt(1, QColor(250, 250, 236));
    p.setPen(QPen(QColor(20, 60, 120), 3));
    p.setBrush(sky);
    p.drawRoundedRect(QRectF(1.5, 1.5, 210, 207), 14, 14);

    // Stalk and a leaf.
    p.setPen(QPen(kDarkGreen, 9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(kMid, 205), QPointF(kMid, kReceptacle + 8));
    QPainterPath leaf;
    leaf.moveTo(kMid + 2, 190);
    leaf.cubicTo(kMid + 24, 170, kMid + 58, 172, kMid + 76, 178);
    leaf.cubicTo(kMid + 56, 196, kMid + 26, 198, kMid + 2, 190);
    p.setPen(QPen(kDarkGreen, 1.2));
    p.setBrush(kGreen);
    p.drawPath(leaf);

    // Sepals under the petals.
    p.setPen(QPen(kDarkGreen, 1.2));
    p.setBrush(QColor(88, 166, 60));
    mirrored(p, sepal());

    // Petals: the far ones paler, then the near ones.
    p.setPen(QPen(QColor(170, 40, 110), 1.3));
    p.setBrush(QColor(246, 168, 206));
    mirrored(p, petal(58, 96));
    QRadialGradient pink(QPointF(kMid, kReceptacle), 120);
    pink.setColorAt(0, QColor(250, 120, 180));
    pink.setColorAt(1, QColor(220, 50, 130));
    p.setBrush(pink);
    mirrored(p, petal(92, 74));

    // Receptacle, the swollen top of the stalk.
    p.setPen(QPen(kDarkGreen, 1.2));
    p.setBrush(QColor(110, 170, 70));
    p.drawEllipse(QPointF(kMid, kReceptacle + 2), 20, 10);

    // Stamens either side of the carpel.
    stamen(p, QPointF(kMid - 40, 86), -18);
    stamen(p, QPointF(kMid - 24, 72), -8);
    stamen(p, QPointF(2 * kMid - (kMid - 40), 86), 18);
    stamen(p, QPointF(2 * kMid - (kMid - 24), 72), 8);

    // Carpel: ovary cut open with its ovules, style and sticky stigma.
    QPainterPath ovary;
    ovary.moveTo(kMid - 6, 108);
    ovary.cubicTo(kMid - 26, 116, kMid - 24, 146, kMid, 148);
    ovary.cubicTo(kMid + 24, 146, kMid + 26, 116, kMid + 6, 108);
    ovary.closeSubpath();
    p.setPen(QPen(kDarkGreen, 1.4));
    p.setBrush(QColor(120, 190, 80));
    p.drawPath(ovary);
    p.setBrush(QColor(225, 245, 200));
    p.drawEllipse(QPointF(kMid, 130), 11, 14);  // the cavity
    p.setPen(QPen(QColor(90, 140, 60), 0.8));
    p.setBrush(QColor(255, 252, 230));
    for (QPointF o :
         {QPointF(-4, -8), QPointF(4, -4), QPointF(-4, 1), QPointF(4, 6), QPointF(-3, 10)})
        p.drawEllipse(QPointF(kMid, 130) + o, 3.2, 2.8);
    p.setPen(QPen(QColor(100, 170, 70), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(kMid, 109), QPointF(kMid, 62));
    p.setPen(QPen(kDarkGreen, 1.2));
    p.setBrush(QColor(190, 215, 70));
    QPainterPath stigma;
    stigma.moveTo(kMid - 3, 64);
    stigma.cubicTo(kMid - 16, 58, kMid - 14, 44, kMid - 5, 48);
    stigma.cubicTo(kMid - 3, 40, kMid + 3, 40, kMid + 5, 48);
    stigma.cubicTo(kMid + 14, 44, kMid + 16, 58, kMid + 3, 64);
    stigma.closeSubpath();
    p.drawPath(stigma);
    // Pollen grains caught on the sticky stigma, and a few at the anthers.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(245, 180, 0));
    for (QPointF g :
         {QPointF(kMid - 7, 52), QPointF(kMid + 6, 53), QPointF(kMid, 47), QPointF(kMid - 48, 74),
          QPointF(kMid + 47, 73), QPointF(kMid - 30, 58), QPointF(kMid + 31, 59)})
        p.drawEllipse(g, 1.8, 1.8);
    return image;
}

}  // namespace

void writePlantPictures(const QDir& out) {
    saveImage(flower(), out, "Images/flower.jpg");
}
