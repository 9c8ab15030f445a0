// Pictures of living things and the Earth: a food chain, the water cycle, and the Earth
// lit on one side by the Sun for day and night.
#include <QDir>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>
#include <algorithm>
#include <cmath>
#include <tuple>

#include "common.h"
#include "pictures.h"

namespace {

constexpr int kWidth = 470, kHeight = 370;  // a labelling picture's area
const QColor kScreenBlue(9, 63, 137);

QPainterPath straight(QPointF a, QPointF b) {
    QPainterPath path(a);
    path.lineTo(b);
    return path;
}

// ---- A food chain: grass, rabbit, fox ---------------------------------------------------------

void paintGrass(QPainter& p, QPointF base) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 15; ++i) {
        const qreal x = base.x() - 42 + i * 6;
        const qreal lean = (i - 7) * 2.6;
        const qreal height = 55 + (i * 37 % 23);
        QPainterPath blade(QPointF(x - 3, base.y()));
        blade.quadTo(x + lean * 0.3, base.y() - height * 0.6, x + lean, base.y() - height);
        blade.quadTo(x + lean * 0.3 + 2, base.y() - height * 0.5, x + 3, base.y());
        blade.closeSubpath();
        p.setPen(QPen(QColor(30, 100, 30), 1));
        p.setBrush(i % 2 ? QColor(80, 170, 60) : QColor(110, 196, 70));
        p.drawPath(blade);
    }
    p.restore();
}

void paintRabbit(QPainter& p, QPointF at) {
    const QColor fur(168, 140, 112), edge(90, 70, 52);
    p.save();
    p.translate(at);
    p.setPen(QPen(edge, 1.3));
    p.setBrush(fur);
    // Facing left, towards the grass it eats.
    p.drawEllipse(QPointF(10, 10), 36, 26);    // body
    p.drawEllipse(QPointF(34, 28), 16, 8);     // back foot
    p.drawEllipse(QPointF(-26, -10), 17, 15);  // head
    QPainterPath ear;
    ear.addEllipse(QPointF(0, -22), 5, 17);
    p.drawPath(QTransform().translate(-18, -22).rotate(12).map(ear));
    p.drawPath(QTransform().translate(-28, -22).rotate(-6).map(ear));
    p.setBrush(QColor(250, 250, 250));
    p.drawEllipse(QPointF(46, 2), 8, 8);  // tail
    p.setBrush(QColor(20, 20, 20));
    p.drawEllipse(QPointF(-30, -13), 2.8, 2.8);  // eye
    p.setBrush(QColor(230, 150, 160));
    p.drawEllipse(QPointF(-42, -6), 2.5, 2);  // nose
    p.setBrush(fur);
    p.drawEllipse(QPointF(-14, 32), 9, 5);  // front foot
    p.restore();
}

void paintFox(QPainter& p, QPointF at) {
    const QColor fur(222, 110, 30), edge(120, 50, 10), dark(50, 30, 20);
    p.save();
    p.translate(at);
    p.setPen(QPen(edge, 1.3));
    // Legs, behind the body.
    p.setBrush(dark);
    for (qreal x : {-28.0, -16.0, 18.0, 30.0}) p.drawRoundedRect(QRectF(x - 4, 4, 8, 38), 3, 3);
    // The bushy tail with its white tip.
    QPainterPath tail(QPointF(38, -6));
    tail.cubicTo(58, -10, 70, 6, 66, 26);
    tail.cubicTo(58, 20, 48, 8, 36, 6);
    tail.closeSubpath();
    p.setBrush(fur);
    p.drawPath(tail);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(65, 24), 5, 5);
    p.setBrush(fur);
    p.drawEllipse(QPointF(4, 0), 42, 18);  // body
    // Head facing left, with pointed ears and snout.
    QPainterPath head(QPointF(-34, -26));
    head.lineTo(-30, -44);
    head.lineTo(-22, -30);
    head.lineTo(-14, -44);
    head.lineTo(-12, -22);
    head.cubicTo(-10, -10, -22, -4, -34, -8);
    head.lineTo(-60, -14);
    head.cubicTo(-56, -20, -44, -26, -34, -26);
    p.drawPath(head);
    p.setBrush(Qt::white);
    QPainterPath cheek(QPointF(-58, -13));
    cheek.lineTo(-34, -8);
    cheek.cubicTo(-28, -6, -22, -6, -18, -10);
    cheek.cubicTo(-26, 0, -40, -2, -58, -13);
    p.drawPath(cheek);
    p.setBrush(dark);
    p.drawEllipse(QPointF(-60, -14), 3, 2.5);    // nose
    p.drawEllipse(QPointF(-28, -20), 2.5, 2.5);  // eye
    p.restore();
}

QImage foodChain() {
    QImage image = canvas(kWidth, kHeight, kScreenBlue);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // The ground they live on.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 110, 60));
    p.drawRoundedRect(QRectF(14, 208, 442, 14), 7, 7);
    paintGrass(p, {72, 212});
    paintRabbit(p, {224, 172});
    paintFox(p, {396, 168});
    // Arrows point from what is eaten to what eats it: the way the food goes.
    const QColor ink(255, 255, 255);
    drawArrow(p, straight({118, 170}, {170, 170}), ink, 5, 16);
    drawArrow(p, straight({282, 164}, {330, 164}), ink, 5, 16);
    p.setPen(Qt::white);
    p.setFont(captionFont(kLabellingShown));
    p.drawText(QRectF(0, 300, kWidth, 66), Qt::AlignCenter,
               inLanguage("Each arrow points from the food\nto the animal that eats it.",
                          "Mae pob saeth yn pwyntio o'r bwyd\nat yr anifail sy'n ei fwyta."));
    return image;
}

// ---- The water cycle ------------------------------------------------------------------------

constexpr qreal kSeaLevel = 262;

QImage waterCycle() {
    QImage image = canvas(kWidth, kHeight, Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, kSeaLevel);
    sky.setColorAt(0, QColor(120, 180, 235));
    sky.setColorAt(1, QColor(200, 228, 250));
    p.fillRect(QRectF(0, 0, kWidth, kHeight), sky);
    // The Sun warms the sea.
    QRadialGradient sun(QPointF(48, 46), 30);
    sun.setColorAt(0, QColor(255, 250, 180));
    sun.setColorAt(1, QColor(255, 210, 40));
    p.setPen(QPen(QColor(255, 200, 30), 3, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 12; ++i) {
        const qreal a = i * M_PI / 6;
        p.drawLine(QPointF(48 + 32 * std::cos(a), 46 + 32 * std::sin(a)),
                   QPointF(48 + 42 * std::cos(a), 46 + 42 * std::sin(a)));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(sun);
    p.drawEllipse(QPointF(48, 46), 27, 27);
    // The land: hills rising to a mountain on the right.
    QPainterPath land(QPointF(196, kHeight));
    land.lineTo(200, kSeaLevel);
    land.cubicTo(240, 250, 270, 230, 300, 200);
    land.lineTo(390, 120);
    land.lineTo(470, 190);
    land.lineTo(470, kHeight);
    land.closeSubpath();
    p.setBrush(QColor(96, 160, 70));
    p.setPen(QPen(QColor(50, 100, 40), 1.5));
    p.drawPath(land);
    QPainterPath rock(QPointF(340, 164));
    rock.lineTo(390, 120);
    rock.lineTo(446, 170);
    rock.cubicTo(420, 176, 400, 160, 380, 172);
    rock.cubicTo(366, 162, 352, 172, 340, 164);
    p.setBrush(QColor(140, 130, 120));
    p.setPen(QPen(QColor(90, 80, 70), 1));
    p.drawPath(rock);
    QPainterPath snow(QPointF(372, 136));
    snow.lineTo(390, 120);
    snow.lineTo(408, 136);
    snow.lineTo(398, 134);
    snow.lineTo(390, 140);
    snow.lineTo(382, 134);
    snow.closeSubpath();
    p.setBrush(Qt::white);
    p.drawPath(snow);
    // The sea, where the water collects.
    QLinearGradient seaFill(0, kSeaLevel, 0, kHeight);
    seaFill.setColorAt(0, QColor(40, 120, 200));
    seaFill.setColorAt(1, QColor(20, 70, 150));
    QPainterPath sea(QPointF(0, kSeaLevel));
    for (int i = 0; i < 10; ++i)
        sea.quadTo(i * 21 + 10.5, kSeaLevel + (i % 2 ? 4 : -4), i * 21 + 21, kSeaLevel);
    sea.lineTo(214, kHeight);
    sea.lineTo(0, kHeight);
    sea.closeSubpath();
    p.setBrush(seaFill);
    p.setPen(QPen(QColor(20, 70, 150), 1));
    p.drawPath(sea);
    // Run-off: a river carries rain water down from the mountain to the sea.
    QPainterPath river(QPointF(384, 176));
    river.cubicTo(360, 210, 400, 232, 340, 256);
    river.cubicTo(300, 272, 280, 262, 206, 288);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(40, 110, 200), 9, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(river);
    p.setPen(QPen(QColor(110, 180, 240), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(river);
    // The cloud, where the water vapour cools and condenses into tiny drops.
    p.setPen(QPen(QColor(150, 160, 175), 1.2));
    p.setBrush(QColor(245, 247, 250));
    QPainterPath cloud;
    cloud.setFillRule(Qt::WindingFill);
    for (const auto& [x, y, r] : {std::tuple{246.0, 82.0, 22.0},
                                  {272.0, 66.0, 28.0},
                                  {306.0, 62.0, 30.0},
                                  {336.0, 76.0, 24.0},
                                  {290.0, 88.0, 24.0}})
        cloud.addEllipse(QPointF(x, y), r, r * 0.8);
    p.drawPath(cloud.simplified());
    // Precipitation: rain falls from the cloud all the way down to the hillside.
    p.setPen(QPen(QColor(30, 90, 200), 2.2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 8; ++i) {
        for (qreal y = 112 + (i % 2) * 12;; y += 26) {
            const QPointF top(250 + i * 11 - (y - 112) * 4 / 26, y), bottom = top + QPointF(-3, 12);
            if (land.contains(bottom)) {
                if (!land.contains(top)) p.drawLine(top, top + QPointF(-1.5, 6));
                break;
            }
            p.drawLine(top, bottom);
        }
    }
    // Evaporation: the Sun's heat turns sea water into water vapour, which rises.
    const QColor vapour(230, 90, 30);
    for (int i = 0; i < 3; ++i) {
        const qreal x = 50 + i * 54;
        QPainterPath rise(QPointF(x, 250));
        rise.cubicTo(x - 10, 230, x + 10, 210, x, 190);
        rise.cubicTo(x - 10, 172, x + 6, 160, x + 2, 150);
        drawArrow(p, rise, vapour, 3, 12);
    }
    // The rising vapour is carried up to where the cloud forms.
    QPainterPath drift(QPointF(180, 150));
    drift.quadTo(190, 100, 220, 90);
    drawArrow(p, drift, vapour, 3, 12);
    return image;
}

// A closed outline with rounded corners through the midpoints of the polygon's sides.
QPainterPath smooth(const QPolygonF& corners) {
    const auto mid = [&](int i) {
        return (corners[i % corners.size()] + corners[(i + 1) % corners.size()]) / 2;
    };
    QPainterPath path(mid(0));
    for (int i = 1; i <= corners.size(); ++i) path.quadTo(corners[i % corners.size()], mid(i));
    return path;
}

// ---- Day and night: the Sun lights one half of the Earth ----------------------------------

// Drawn at the size of the true/false screens' picture slot, so its words show at their own
// size: 22 px bold, capitals 15 px high.
QImage dayAndNight() {
    constexpr int width = 213, height = 204;
    const QPointF earth(142, 104);
    constexpr qreal radius = 48;
    QImage image = canvas(width, height, QColor(8, 12, 40));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 230, 255));
    for (int i = 0; i < 24; ++i) {
        const QPointF star((i * 97) % width, (i * 61 + 13) % height);
        if (QLineF(star, earth).length() > radius + 6 && star.x() > 64 && star.y() < 160)
            p.drawEllipse(star, 0.9, 0.9);
    }
    // The Sun, far off to the left: its light comes from one side only.
    const QPointF sunCentre(-48, 104);
    QRadialGradient sun(sunCentre, 100);
    sun.setColorAt(0, QColor(255, 250, 200));
    sun.setColorAt(0.8, QColor(255, 210, 50));
    sun.setColorAt(1, QColor(255, 160, 20));
    p.setBrush(sun);
    p.drawEllipse(sunCentre, 96, 96);
    for (int y : {72, 88, 104, 120, 136})
        drawArrow(p, straight({58, qreal(y)}, {earth.x() - radius - 5, qreal(y)}),
                  QColor(255, 225, 90), 2, 8);
    // The Earth: sea and land, the half facing away from the Sun in darkness.
    QPainterPath globe;
    globe.addEllipse(earth, radius, radius);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 110, 210));
    p.drawPath(globe);
    p.save();
    p.setClipPath(globe);
    p.setBrush(QColor(70, 160, 70));
    const qreal k = radius / 96;
    const QPolygonF land1{earth + QPointF(-60, -70) * k, earth + QPointF(-10, -80) * k,
                          earth + QPointF(0, -30) * k, earth + QPointF(-30, 10) * k,
                          earth + QPointF(-70, -10) * k};
    const QPolygonF land2{earth + QPointF(10, 0) * k, earth + QPointF(60, -20) * k,
                          earth + QPointF(80, 40) * k, earth + QPointF(30, 80) * k};
    p.drawPath(smooth(land1));
    p.drawPath(smooth(land2));
    p.setBrush(QColor(0, 0, 20, 185));
    p.drawRect(QRectF(earth.x(), earth.y() - radius, radius, 2 * radius));
    p.restore();
    p.setPen(QPen(QColor(200, 220, 255), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(globe);
    // Its axis, and its spin drawn round the axis above the North Pole, well away from the
    // sunlight: the side facing us turns from the day side towards the night side.
    const QColor spin(255, 255, 255);
    p.setPen(QPen(spin, 1.5, Qt::DashLine));
    p.drawLine(earth + QPointF(0, -radius - 26), earth + QPointF(0, radius + 12));
    QPainterPath turn;
    const QRectF round(earth.x() - 26, earth.y() - radius - 30, 52, 16);
    turn.arcMoveTo(round, 195);
    turn.arcTo(round, 195, 150);
    drawArrow(p, turn, spin, 2.5, 9);
    p.setFont(pixelFont(22, true));
    const qreal below = earth.y() + radius + 14;
    drawShadowedText(p, QRectF(earth.x() - 64, below, 62, 26), Qt::AlignCenter,
                     inLanguage("Day", "Dydd"), Qt::white);
    drawShadowedText(p, QRectF(earth.x(), below, 70, 26), Qt::AlignCenter,
                     inLanguage("Night", "Nos"), Qt::white);
    p.setPen(QColor(90, 50, 0));
    p.drawText(QRectF(0, earth.y() - 13, 46, 26), Qt::AlignCenter, inLanguage("Sun", "Haul"));
    return image;
}

}  // namespace

void writeNatureActivityPictures(const QDir& out) {
    saveImage(foodChain(), out, "Images/food-chain.jpg");
    saveImage(waterCycle(), out, "Images/water-cycle.jpg");
    saveImage(dayAndNight(), out, "Images/day-and-night.jpg");
}
