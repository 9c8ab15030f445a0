// Pictures of the program's frame: title picture, main-screen background, logo and icon.
#include <QDir>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include "app/appicon.h"
#include "common.h"
#include "pictures.h"

namespace {
constexpr QRgb kWindowBlue = qRgb(49, 135, 215);
constexpr QRgb kLeafGreen = qRgb(60, 150, 50);
constexpr QRgb kStemGreen = qRgb(50, 125, 40);

// ---- Title picture ---------------------------------------------------------------------------

void paintSun(QPainter& p, QPointF centre, qreal radius) {
    QRadialGradient glow(centre, radius * 2.4);
    glow.setColorAt(0, QColor(255, 250, 200, 200));
    glow.setColorAt(1, QColor(255, 250, 200, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(centre, radius * 2.4, radius * 2.4);
    p.setBrush(QColor(255, 236, 120));
    p.drawEllipse(centre, radius, radius);
}

// A broad, pointed sunflower leaf with a midrib; it grows from the origin along +x.
void paintLeaf(QPainter& p, QPointF base, qreal length, qreal angle) {
    p.save();
    p.translate(base);
    p.rotate(angle);
    QPainterPath leaf;
    leaf.moveTo(0, 0);
    leaf.cubicTo(length * 0.25, -length * 0.55, length * 0.8, -length * 0.35, length, 0);
    leaf.cubicTo(length * 0.8, length * 0.3, length * 0.25, length * 0.4, 0, 0);
    p.setPen(QPen(QColor(kStemGreen).darker(130), 1.5));
    p.setBrush(QColor(kLeafGreen));
    p.drawPath(leaf);
    p.setPen(QPen(QColor(150, 210, 110), 1.4));
    p.drawLine(QPointF(2, 0), QPointF(length * 0.9, 0));
    for (qreal t : {0.3, 0.5, 0.7}) {
        p.drawLine(QPointF(length * t, 0), QPointF(length * (t + 0.12), -length * 0.16));
        p.drawLine(QPointF(length * t, 0), QPointF(length * (t + 0.12), length * 0.12));
    }
    p.restore();
}

struct Sunflower {
    QPointF head;
    qreal radius;
    qreal groundY;
    qreal stemWidth;
};

void paintSunflower(QPainter& p, const Sunflower& f) {
    QPainterPath stem;
    stem.moveTo(f.head.x() + f.radius * 0.15, f.groundY);
    stem.cubicTo(f.head.x() - f.radius * 0.2, f.groundY - (f.groundY - f.head.y()) * 0.5,
                 f.head.x() + f.radius * 0.1, f.head.y() + f.radius * 0.6, f.head.x(), f.head.y());
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(kStemGreen), f.stemWidth, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(stem);
    // Sunflower leaves alternate up the stem.
    const qreal stemLength = f.groundY - f.head.y();
    paintLeaf(p, stem.pointAtPercent(0.22), f.radius * 0.95, -20);
    paintLeaf(p, stem.pointAtPercent(0.42), f.radius * 0.85, 200);
    if (stemLength > f.radius * 1.8) paintLeaf(p, stem.pointAtPercent(0.08), f.radius, 175);
    p.save();
    p.translate(f.head);
    paintSunflowerHead(p, f.radius, true);
    p.restore();
}

void paintGrass(QPainter& p, int width, int height, qreal top) {
    QLinearGradient ground(0, top, 0, height);
    ground.setColorAt(0, QColor(110, 190, 70));
    ground.setColorAt(1, QColor(60, 140, 40));
    QPainterPath hill;
    hill.moveTo(0, top + 8);
    hill.quadTo(width * 0.5, top - 12, width, top + 4);
    hill.lineTo(width, height);
    hill.lineTo(0, height);
    p.setPen(Qt::NoPen);
    p.setBrush(ground);
    p.drawPath(hill);
    // Blades on a fixed stride with a repeating lean so every run draws the same grass.
    p.setPen(QPen(QColor(45, 120, 35), 1.5, Qt::SolidLine, Qt::RoundCap));
    for (int x = 3, i = 0; x < width; x += 7, ++i) {
        const qreal y = height - 2 - (i % 3) * 3;
        p.drawLine(QPointF(x, y), QPointF(x + (i % 5) - 2, y - 9 - (i % 4) * 2));
    }
}

QImage titlePicture() {
    QImage image = canvas(320, 240, Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 240);
    sky.setColorAt(0, QColor(60, 145, 230));
    sky.setColorAt(0.8, QColor(175, 218, 250));
    p.fillRect(image.rect(), sky);
    paintSun(p, QPointF(42, 38), 20);
    paintGrass(p, 320, 240, 200);
    paintSunflower(p, {QPointF(78, 138), 40, 236, 7});
    paintSunflower(p, {QPointF(200, 96), 82, 240, 11});
    return image;
}

// ---- Main-screen background ------------------------------------------------------------------

enum class Motif { Atom, Leaf, Magnet, Star, Flask };

struct MotifPlace {
    Motif motif;
    qreal x, y, size, angle;
};

// Kept clear of the label column on the right and the logo at the bottom left.
constexpr MotifPlace kMotifs[] = {
    {Motif::Atom, 150, 170, 70, 0},     {Motif::Leaf, 430, 130, 60, 30},
    {Motif::Magnet, 300, 330, 55, -15}, {Motif::Star, 540, 250, 22, 0},
    {Motif::Flask, 480, 430, 60, 8},    {Motif::Star, 90, 330, 16, 0},
    {Motif::Atom, 560, 520, 50, 40},    {Motif::Leaf, 240, 520, 45, -40},
    {Motif::Star, 360, 210, 12, 0},     {Motif::Star, 590, 120, 14, 0},
    {Motif::Star, 210, 420, 10, 0},     {Motif::Magnet, 570, 380, 35, 25},
};

void paintMotif(QPainter& p, const MotifPlace& m) {
    p.save();
    p.translate(m.x, m.y);
    p.rotate(m.angle);
    const qreal s = m.size;
    switch (m.motif) {
        case Motif::Atom:
            for (int i = 0; i < 3; ++i) {
                p.drawEllipse(QPointF(0, 0), s, s * 0.35);
                p.rotate(60);
            }
            p.drawEllipse(QPointF(0, 0), s * 0.1, s * 0.1);
            break;
        case Motif::Leaf: {
            QPainterPath leaf;
            leaf.moveTo(-s, 0);
            leaf.quadTo(0, -s * 0.7, s, 0);
            leaf.quadTo(0, s * 0.7, -s, 0);
            p.drawPath(leaf);
            p.drawLine(QPointF(-s * 1.3, s * 0.15), QPointF(s * 0.8, 0));
            break;
        }
        case Motif::Magnet: {
            QPainterPath horseshoe;
            horseshoe.arcMoveTo(-s, -s, 2 * s, 2 * s, 180);
            horseshoe.arcTo(-s, -s, 2 * s, 2 * s, 180, 180);
            horseshoe.lineTo(s, -s);
            horseshoe.lineTo(s * 0.45, -s);
            horseshoe.arcTo(-s * 0.45, -s * 0.45, s * 0.9, s * 0.9, 0, -180);
            horseshoe.lineTo(-s * 0.45, -s);
            horseshoe.lineTo(-s, -s);
            horseshoe.closeSubpath();
            p.drawPath(horseshoe);
            p.drawLine(QPointF(-s, -s * 0.55), QPointF(-s * 0.45, -s * 0.55));
            p.drawLine(QPointF(s * 0.45, -s * 0.55), QPointF(s, -s * 0.55));
            break;
        }
        case Motif::Star: {
            QPolygonF star;
            for (int i = 0; i < 10; ++i) {
                const qreal r = (i % 2) ? s * 0.4 : s;
                const qreal a = M_PI * i / 5 - M_PI / 2;
                star << QPointF(r * std::cos(a), r * std::sin(a));
            }
            p.drawPolygon(star);
            break;
        }
        case Motif::Flask: {
            QPolygonF flask;
            flask << QPointF(-s * 0.18, -s) << QPointF(s * 0.18, -s) << QPointF(s * 0.18, -s * 0.4)
                  << QPointF(s * 0.6, s * 0.6) << QPointF(-s * 0.6, s * 0.6)
                  << QPointF(-s * 0.18, -s * 0.4);
            p.drawPolygon(flask);
            p.drawLine(QPointF(-s * 0.42, s * 0.15), QPointF(s * 0.42, s * 0.15));
            break;
        }
    }
    p.restore();
}

QImage mainBackground() {
    QImage image = canvas(800, 600, QColor(kWindowBlue));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient wash(0, 0, 0, 600);
    wash.setColorAt(0, QColor(64, 150, 226));
    wash.setColorAt(0.5, QColor(kWindowBlue));
    wash.setColorAt(1, QColor(38, 118, 200));
    p.fillRect(image.rect(), wash);
    QRadialGradient light(QPointF(260, 200), 420);
    light.setColorAt(0, QColor(255, 255, 255, 28));
    light.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(image.rect(), light);
    // Faint outlines only: the labels' yellow-on-black text must stay the strongest contrast.
    p.setPen(QPen(QColor(255, 255, 255, 34), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    for (const MotifPlace& m : kMotifs) paintMotif(p, m);
    return image;
}

// ---- Logo --------------------------------------------------------------------------------------

QPainterPath flaskOutline() {
    QPainterPath flask;
    flask.moveTo(83, 58);
    flask.lineTo(83, 102);
    flask.lineTo(36, 188);
    flask.quadTo(30, 206, 50, 208);
    flask.lineTo(150, 208);
    flask.quadTo(170, 206, 164, 188);
    flask.lineTo(117, 102);
    flask.lineTo(117, 58);
    flask.closeSubpath();
    return flask;
}

void paintSprout(QPainter& p) {
    p.setPen(QPen(QColor(kStemGreen), 5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath stem;
    stem.moveTo(100, 150);
    stem.cubicTo(96, 110, 106, 70, 100, 32);
    p.drawPath(stem);
    p.setPen(QPen(QColor(235, 235, 215), 2, Qt::SolidLine, Qt::RoundCap));
    for (qreal dx : {-12.0, 0.0, 10.0})
        p.drawLine(QPointF(100, 150), QPointF(100 + dx, 168));  // roots
    paintLeaf(p, QPointF(100, 36), 56, -32);
    paintLeaf(p, QPointF(100, 46), 50, 208);
}

QImage logo() {
    QImage image = canvas(200, 278, QColor(kWindowBlue));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient card(0, 0, 0, 278);
    card.setColorAt(0, QColor(255, 255, 255));
    card.setColorAt(1, QColor(214, 234, 252));
    p.setPen(QPen(QColor(25, 75, 150), 4));
    p.setBrush(card);
    p.drawRoundedRect(QRectF(2, 2, 196, 274), 18, 18);

    const QPainterPath flask = flaskOutline();
    p.save();
    p.setClipPath(flask);
    QLinearGradient water(0, 130, 0, 206);
    water.setColorAt(0, QColor(90, 200, 190));
    water.setColorAt(1, QColor(30, 140, 150));
    p.fillRect(QRectF(0, 140, 200, 80), water);
    p.restore();
    paintSprout(p);  // the roots stand in the water; the shoot grows out of the neck
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 170));
    constexpr QPointF kBubbles[] = {{70, 187}, {120, 178}, {84, 162}, {108, 196}, {92, 182}};
    constexpr qreal kBubbleRadius[] = {5, 4, 3, 3, 5};
    for (int i = 0; i < 5; ++i) p.drawEllipse(kBubbles[i], kBubbleRadius[i], kBubbleRadius[i]);
    p.setPen(QPen(QColor(25, 75, 150), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(255, 255, 255, 40));
    p.drawPath(flask);
    p.drawLine(QPointF(75, 58), QPointF(125, 58));  // rim
    p.setPen(QPen(QColor(25, 75, 150), 2.5, Qt::SolidLine, Qt::RoundCap));
    for (int y : {155, 172, 189}) p.drawLine(QPointF(134, y), QPointF(144, y));  // graduations
    p.setPen(QPen(QColor(255, 255, 255, 200), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(72, 126), QPointF(52, 164));  // glass highlight

    const QString name = "Brindlemark";
    drawCaption(p, QRectF(12, 222, 176, 44), name, fittedFont(name, 160, 30), QColor(25, 75, 150),
                QColor(255, 222, 60));
    return image;
}
}  // namespace

void writeShellPictures(const QDir& out) {
    saveImage(titlePicture(), out, "Images/sunflowersm.jpg");
    saveImage(mainBackground(), out, "Images/opening.jpg");
    saveImage(logo(), out, "Images/logo2.jpg");
    saveImage(brindlemarkIconImage(256), out, "icons/brindlemark.png");
    saveImage(makerIconImage(256), out, "icons/brindlemark-maker.png");
}
