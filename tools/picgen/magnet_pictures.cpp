// The magnets questions: pairs of magnets (bar magnets end to end and side by side,
// horseshoe magnets face to face) and a magnet beside each material. No picture shows a
// pull or a push: that is what the pupil answers.
#include <QDir>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include "common.h"
#include "materials.h"
#include "pictures.h"

namespace {

enum class Pole { N, S };

// Red north, blue south, as on the classroom magnets.
QColor poleColour(Pole pole) {
    return pole == Pole::N ? QColor(214, 38, 38) : QColor(38, 112, 226);
}
Pole other(Pole pole) {
    return pole == Pole::N ? Pole::S : Pole::N;
}
QString letter(Pole pole) {
    // Welsh names the poles gogledd and de.
    return pole == Pole::N ? inLanguage("N", "G") : inLanguage("S", "D");
}

// A painted face lit from above.
QBrush poleBrush(Pole pole, const QRectF& r) {
    const QColor c = poleColour(pole);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, c.lighter(135));
    g.setColorAt(0.45, c);
    g.setColorAt(1, c.darker(135));
    return g;
}

void drawPoleLetter(QPainter& p, const QRectF& box, Pole pole, int pixels) {
    p.setFont(pixelFont(pixels, true));
    drawShadowedText(p, box, Qt::AlignCenter, letter(pole), Qt::white);
}

// A bar magnet lying left to right; `left` is the pole at its left end.
void paintBarMagnet(QPainter& p, const QRectF& r, Pole left) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath body;
    body.addRoundedRect(r, 4, 4);
    const QRectF leftHalf(r.left(), r.top(), r.width() / 2, r.height());
    const QRectF rightHalf(r.center().x(), r.top(), r.width() / 2, r.height());
    p.setClipPath(body);
    p.fillRect(leftHalf, poleBrush(left, r));
    p.fillRect(rightHalf, poleBrush(other(left), r));
    p.setClipping(false);
    p.setPen(QPen(Qt::white, 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(body);
    p.setPen(QPen(QColor(255, 255, 255, 160), 1.5));
    p.drawLine(QPointF(r.center().x(), r.top() + 1), QPointF(r.center().x(), r.bottom() - 1));
    const int pixels = int(r.height() * 0.66);
    // The letters sit near the ends, where the poles are.
    const qreal end = std::min(r.width() * 0.22, r.height() * 1.3);
    drawPoleLetter(p, QRectF(r.left(), r.top(), end, r.height()), left, pixels);
    drawPoleLetter(p, QRectF(r.right() - end, r.top(), end, r.height()), other(left), pixels);
    p.restore();
}

struct Horseshoe {
    QPointF bend;     // centre of the curved end
    qreal radius;     // outer radius of the bend
    qreal thickness;  // of each arm
    qreal armLength;  // straight part, from the bend's centre to the tip
    bool opensRight;  // the tips point right (else left)
    Pole top;         // the pole of the upper arm's tip
};

// The tip of an arm, in picture coordinates.
QRectF tipBox(const Horseshoe& h, bool upper) {
    const qreal tipLength = h.thickness * 1.15;
    const qreal dir = h.opensRight ? 1 : -1;
    const qreal tipEnd = h.bend.x() + dir * h.armLength;
    const qreal tipStart = tipEnd - dir * tipLength;
    const qreal y = upper ? h.bend.y() - h.radius : h.bend.y() + h.radius - h.thickness;
    return QRectF(QPointF(std::min(tipStart, tipEnd), y), QSizeF(tipLength, h.thickness));
}

void paintHorseshoe(QPainter& p, const Horseshoe& h) {
    const qreal R = h.radius, r = R - h.thickness, L = h.armLength;
    // Drawn opening to the right around the origin, then placed.
    QPainterPath shape;
    shape.moveTo(L, -R);
    shape.lineTo(0, -R);
    shape.arcTo(QRectF(-R, -R, 2 * R, 2 * R), 90, 180);
    shape.lineTo(L, R);
    shape.lineTo(L, r);
    shape.lineTo(0, r);
    shape.arcTo(QRectF(-r, -r, 2 * r, 2 * r), 270, -180);
    shape.lineTo(L, -r);
    shape.closeSubpath();
    QTransform place;
    place.translate(h.bend.x(), h.bend.y());
    if (!h.opensRight) place.scale(-1, 1);
    const QPainterPath placed = place.map(shape);

    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setClipPath(placed);
    const QRectF all = placed.boundingRect();
    // The steel of the bend between the two painted arms.
    QLinearGradient steel(all.topLeft(), all.bottomLeft());
    steel.setColorAt(0, QColor(200, 204, 210));
    steel.setColorAt(0.5, QColor(150, 154, 162));
    steel.setColorAt(1, QColor(110, 114, 122));
    p.fillRect(all, steel);
    const QRectF upperHalf(all.left(), all.top(), all.width(), h.bend.y() - all.top());
    const QRectF lowerHalf(all.left(), h.bend.y(), all.width(), all.bottom() - h.bend.y());
    // Each arm is painted its pole's colour from the bend to its tip.
    const qreal armFrom = h.opensRight ? h.bend.x() : all.left();
    const qreal armTo = h.opensRight ? all.right() : h.bend.x();
    p.fillRect(QRectF(armFrom, upperHalf.top(), armTo - armFrom, upperHalf.height()),
               poleBrush(h.top, upperHalf));
    p.fillRect(QRectF(armFrom, lowerHalf.top(), armTo - armFrom, lowerHalf.height()),
               poleBrush(other(h.top), lowerHalf));
    p.setClipping(false);
    p.setPen(QPen(Qt::white, 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(placed);
    const int pixels = int(h.thickness * 0.78);
    drawPoleLetter(p, tipBox(h, true), h.top, pixels);
    drawPoleLetter(p, tipBox(h, false), other(h.top), pixels);
    p.restore();
}

QImage onScreenBlue(int width, int height) {
    return canvas(width, height, QColor(kQuestionScreenBlue));
}

// ---- Two bar magnets end to end (800 x 75) ---------------------------------------------------

QImage endToEnd(Pole leftOfFirst, Pole leftOfSecond) {
    QImage image = onScreenBlue(800, 75);
    QPainter p(&image);
    paintBarMagnet(p, QRectF(60, 13, 290, 50), leftOfFirst);
    paintBarMagnet(p, QRectF(450, 13, 290, 50), leftOfSecond);
    return image;
}

// ---- Other arrangements (330 x 170) ----------------------------------------------------------

QImage sideBySide(Pole leftOfUpper, Pole leftOfLower) {
    QImage image = onScreenBlue(330, 170);
    QPainter p(&image);
    paintBarMagnet(p, QRectF(35, 34, 260, 44), leftOfUpper);
    paintBarMagnet(p, QRectF(35, 100, 260, 44), leftOfLower);
    return image;
}

QImage faceToFace(Pole leftTop, Pole rightTop) {
    QImage image = onScreenBlue(330, 170);
    QPainter p(&image);
    paintHorseshoe(p, {QPointF(80, 85), 66, 36, 68, true, leftTop});
    paintHorseshoe(p, {QPointF(250, 85), 66, 36, 68, false, rightTop});
    return image;
}

// ---- A magnet and a material (640 x 238) ------------------------------------------------------

enum class Piece { Sheet, Block, Mirror };

// A flat sheet seen a little from above and to the side, so its thickness shows.
void paintSlab(QPainter& p, const QRectF& face, qreal depth, Surface surface, bool rounded) {
    QPainterPath front;
    if (rounded)
        front.addRoundedRect(face, 14, 14);
    else
        front.addRect(face);
    // Top and side edges, a shade darker than the face.
    QPainterPath edge;
    edge.moveTo(face.topLeft());
    edge.lineTo(face.topLeft() + QPointF(depth, -depth));
    edge.lineTo(face.topRight() + QPointF(depth, -depth));
    edge.lineTo(face.bottomRight() + QPointF(depth, -depth));
    edge.lineTo(face.bottomRight());
    edge.lineTo(face.topRight());
    edge.closeSubpath();
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (!rounded) {
        paintSurface(p, edge, surface);
        p.fillPath(edge, QColor(0, 0, 0, 70));
        p.setPen(QPen(QColor(20, 25, 50), 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(edge);
    } else {
        p.fillPath(front.translated(depth * 0.6, -depth * 0.6), QColor(150, 20, 40));
    }
    paintSurface(p, front, surface);
    p.setPen(QPen(QColor(20, 25, 50), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(front);
    p.restore();
}

void paintMirror(QPainter& p, const QRectF& face) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // A thin bevelled glass edge round the silvered glass.
    QPainterPath outer;
    outer.addRoundedRect(face, 6, 6);
    QLinearGradient bevel(face.topLeft(), face.bottomRight());
    bevel.setColorAt(0, QColor(250, 252, 255));
    bevel.setColorAt(1, QColor(120, 140, 160));
    p.fillPath(outer, bevel);
    QPainterPath glass;
    glass.addRoundedRect(face.adjusted(7, 7, -7, -7), 3, 3);
    paintSurface(p, glass, Surface::Mirror);
    p.setPen(QPen(QColor(20, 25, 50), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(outer);
    p.restore();
}

QImage magnetAnd(Surface surface, Piece piece) {
    QImage image = onScreenBlue(640, 238);
    QPainter p(&image);
    // The magnet's poles face the material across a gap.
    paintHorseshoe(p, {QPointF(115, 119), 80, 42, 100, true, Pole::N});
    switch (piece) {
        case Piece::Sheet:
            paintSlab(p, QRectF(300, 34, 300, 178), 6, surface, false);
            break;
        case Piece::Block:
            paintSlab(p, QRectF(300, 52, 290, 150), 8, surface, true);
            break;
        case Piece::Mirror:
            paintMirror(p, QRectF(300, 22, 300, 196));
            break;
    }
    return image;
}

}  // namespace

void writeMagnetPictures(const QDir& out) {
    // End to end: 1 and 2 have unlike poles facing, 3 and 4 like poles.
    saveImage(endToEnd(Pole::N, Pole::N), out, "Images/magnets1.bmp");  // S faces N
    saveImage(endToEnd(Pole::S, Pole::S), out, "Images/magnets2.bmp");  // N faces S
    saveImage(endToEnd(Pole::N, Pole::S), out, "Images/magnets3.bmp");  // S faces S
    saveImage(endToEnd(Pole::S, Pole::N), out, "Images/magnets4.bmp");  // N faces N
    // 5 and 6 repel: like poles side by side, like poles face to face.
    saveImage(sideBySide(Pole::N, Pole::N), out, "Images/magnets5.bmp");
    saveImage(faceToFace(Pole::N, Pole::N), out, "Images/magnets6.bmp");
    // 7 and 8 attract: unlike poles side by side, unlike poles face to face.
    saveImage(sideBySide(Pole::S, Pole::N), out, "Images/magnets7.bmp");
    saveImage(faceToFace(Pole::S, Pole::N), out, "Images/magnets8.bmp");

    saveImage(magnetAnd(Surface::Copper, Piece::Sheet), out, "Images/magmetal1.bmp");
    saveImage(magnetAnd(Surface::Iron, Piece::Sheet), out, "Images/magmetal2.bmp");
    // One picture for steel, nickel, cobalt and aluminium: a plain grey sheet, unnamed.
    saveImage(magnetAnd(Surface::PlainMetal, Piece::Sheet), out, "Images/magmetal3.bmp");
    saveImage(magnetAnd(Surface::Plastic, Piece::Block), out, "Images/magmetal4.bmp");
    saveImage(magnetAnd(Surface::Mirror, Piece::Mirror), out, "Images/magmetal5.bmp");
}
