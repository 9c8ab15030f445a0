// Pictures for light and electricity: the circuit symbols a primary class uses, drawn the
// standard way, and a ray diagram of light travelling in straight lines.
#include <QDir>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <array>

#include "common.h"
#include "pictures.h"

namespace {

constexpr int kWidth = 470, kHeight = 370;  // a labelling picture's area
const QColor kScreenBlue(9, 63, 137);

// ---- Circuit symbols: each on its own card, its name's box below it ------------------------

constexpr qreal kCardWidth = 130, kCardHeight = 70;
constexpr qreal kLead = 2.5;  // the width of a wire in a symbol

enum class Symbol { Cell, Battery, Lamp, OpenSwitch, ClosedSwitch, Buzzer, Motor, Wire };

// A cell: the long thin plate is the positive side, the short thick one the negative.
void cellPlates(QPainter& p, qreal x, qreal y) {
    p.setPen(QPen(Qt::black, kLead));
    p.drawLine(QPointF(x - 5, y - 20), QPointF(x - 5, y + 20));
    p.setPen(QPen(Qt::black, 6, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(x + 5, y - 10), QPointF(x + 5, y + 10));
}

void paintSymbol(QPainter& p, Symbol s, QPointF c) {
    const qreal left = c.x() - kCardWidth / 2 + 8, right = c.x() + kCardWidth / 2 - 8;
    const qreal y = c.y();
    const QPen wire(Qt::black, kLead, Qt::SolidLine, Qt::FlatCap);
    p.setPen(wire);
    p.setBrush(Qt::NoBrush);
    const auto leads = [&](qreal from, qreal to) {
        p.setPen(wire);
        p.drawLine(QPointF(left, y), QPointF(from, y));
        p.drawLine(QPointF(to, y), QPointF(right, y));
    };
    switch (s) {
        case Symbol::Cell:
            leads(c.x() - 5, c.x() + 8);
            cellPlates(p, c.x(), y);
            break;
        case Symbol::Battery:
            // Two cells joined, positive of one to negative of the next.
            leads(c.x() - 25, c.x() + 28);
            cellPlates(p, c.x() - 20, y);
            p.setPen(wire);
            p.drawLine(QPointF(c.x() - 12, y), QPointF(c.x() + 15, y));
            cellPlates(p, c.x() + 20, y);
            break;
        case Symbol::Lamp:
            leads(c.x() - 20, c.x() + 20);
            p.drawEllipse(c, 20, 20);
            p.drawLine(c + QPointF(-14, -14), c + QPointF(14, 14));
            p.drawLine(c + QPointF(-14, 14), c + QPointF(14, -14));
            break;
        case Symbol::OpenSwitch:
        case Symbol::ClosedSwitch: {
            const QPointF a(c.x() - 24, y), b(c.x() + 24, y);
            leads(a.x(), b.x());
            const bool closed = s == Symbol::ClosedSwitch;
            p.drawLine(a, closed ? b : QPointF(c.x() + 20, y - 22));
            p.setBrush(Qt::black);
            p.drawEllipse(a, 3.5, 3.5);
            p.drawEllipse(b, 3.5, 3.5);
            break;
        }
        case Symbol::Buzzer: {
            // A dome with its two wires leaving the flat side.
            QPainterPath dome(QPointF(c.x() - 20, y + 6));
            dome.arcTo(QRectF(c.x() - 20, y - 14, 40, 40), 180, -180);
            dome.closeSubpath();
            p.drawPath(dome);
            p.drawLine(QPointF(c.x() - 9, y + 6), QPointF(c.x() - 9, y + 20));
            p.drawLine(QPointF(c.x() + 9, y + 6), QPointF(c.x() + 9, y + 20));
            p.drawLine(QPointF(left, y + 20), QPointF(c.x() - 9, y + 20));
            p.drawLine(QPointF(c.x() + 9, y + 20), QPointF(right, y + 20));
            break;
        }
        case Symbol::Motor:
            leads(c.x() - 20, c.x() + 20);
            p.drawEllipse(c, 20, 20);
            p.setFont(pixelFont(24, true));
            p.drawText(QRectF(c.x() - 20, y - 20, 40, 40), Qt::AlignCenter, "M");
            break;
        case Symbol::Wire:
            leads(c.x(), c.x());
            break;
    }
}

// Where each symbol's card is centred: three rows, the last of two.
constexpr std::array<QPointF, 8> kCardCentres{
    QPointF(79, 44),   QPointF(235, 44),  QPointF(391, 44),  QPointF(79, 167),
    QPointF(235, 167), QPointF(391, 167), QPointF(157, 290), QPointF(313, 290)};
constexpr Symbol kOrder[] = {Symbol::Cell,       Symbol::Battery,      Symbol::Lamp,
                             Symbol::OpenSwitch, Symbol::ClosedSwitch, Symbol::Buzzer,
                             Symbol::Motor,      Symbol::Wire};

QImage circuitSymbols() {
    QImage image = canvas(kWidth, kHeight, kScreenBlue);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (size_t i = 0; i < kCardCentres.size(); ++i) {
        const QPointF c = kCardCentres[i];
        p.setPen(QPen(QColor(170, 180, 200), 1.5));
        p.setBrush(Qt::white);
        p.drawRoundedRect(
            QRectF(c.x() - kCardWidth / 2, c.y() - kCardHeight / 2, kCardWidth, kCardHeight), 8, 8);
        paintSymbol(p, kOrder[i], c);
    }
    return image;
}

// ---- Ray diagram: a lamp, an object and its shadow, a mirror and an eye ----------------------

constexpr QPointF kLamp(62, 120);
constexpr QRectF kObject(196, 92, 26, 58);  // an opaque block
constexpr qreal kWall = 436;
constexpr qreal kMirrorY = 332;
constexpr QPointF kEye(380, 246);

// Where the line from a through b reaches the vertical line at x.
QPointF onto(QPointF a, QPointF b, qreal x) {
    return a + (b - a) * ((x - a.x()) / (b.x() - a.x()));
}

QImage rayDiagram() {
    QImage image = canvas(kWidth, kHeight, kScreenBlue);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ray(255, 230, 60);
    // The wall the shadow falls on, lit except where the object blocks the light.
    const QPointF shadowTop = onto(kLamp, kObject.topLeft(), kWall);
    const QPointF shadowBottom = onto(kLamp, kObject.bottomLeft(), kWall);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 244, 200));
    p.drawRect(QRectF(kWall, 8, 18, 262));
    p.setBrush(QColor(30, 30, 36));
    p.drawRect(QRectF(kWall, shadowTop.y(), 18, shadowBottom.y() - shadowTop.y()));
    // Rays go out from the lamp in straight lines, each with its arrow.
    const auto rayTo = [&](QPointF from, QPointF to) {
        QPainterPath path(from);
        path.lineTo(to);
        drawArrow(p, path, ray, 2.5, 12);
    };
    rayTo(kLamp, QPointF(kWall, 18));  // above the shadow, the wall is lit
    rayTo(kLamp, shadowTop);
    rayTo(kLamp, shadowBottom);
    rayTo(kLamp, QPointF(kObject.left(), kObject.center().y()));  // stopped by the object
    // One ray reflects off the mirror into the eye: in at one angle, out at the same.
    const QPointF lampImage(kLamp.x(), 2 * kMirrorY - kLamp.y());
    const qreal t = (lampImage.y() - kMirrorY) / (lampImage.y() - kEye.y());
    const QPointF bounce = lampImage + (kEye - lampImage) * t;
    rayTo(kLamp, bounce);
    rayTo(bounce, kEye + (bounce - kEye) * (30 / QLineF(bounce, kEye).length()));
    // The mirror: a shiny face on a dark back.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 70, 80));
    p.drawRect(QRectF(bounce.x() - 80, kMirrorY, 160, 9));
    QLinearGradient shine(bounce.x() - 80, 0, bounce.x() + 80, 0);
    shine.setColorAt(0, QColor(190, 215, 235));
    shine.setColorAt(0.5, QColor(250, 252, 255));
    shine.setColorAt(1, QColor(170, 200, 225));
    p.setBrush(shine);
    p.drawRect(QRectF(bounce.x() - 80, kMirrorY - 3, 160, 4));
    // The opaque object.
    p.setPen(QPen(QColor(90, 50, 20), 1.5));
    p.setBrush(QColor(170, 100, 50));
    p.drawRect(kObject);
    // The lamp: a bulb glowing on its stand.
    QRadialGradient glow(kLamp, 30);
    glow.setColorAt(0, QColor(255, 255, 220));
    glow.setColorAt(0.5, QColor(255, 230, 80));
    glow.setColorAt(1, QColor(255, 230, 80, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(kLamp, 30, 30);
    p.setBrush(QColor(120, 120, 130));
    p.drawRect(QRectF(kLamp.x() - 7, kLamp.y() + 14, 14, 12));
    p.drawRect(QRectF(kLamp.x() - 3, kLamp.y() + 26, 6, 40));
    p.drawRect(QRectF(kLamp.x() - 20, kLamp.y() + 66, 40, 6));
    // The eye, looking back along the reflected ray.
    p.save();
    p.translate(kEye);
    p.rotate(QLineF(kEye, bounce).angle() * -1);
    p.scale(1.5, 1.5);
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(Qt::white);
    QPainterPath eye(QPointF(22, 0));
    eye.quadTo(0, -20, -16, 0);
    eye.quadTo(0, 20, 22, 0);
    p.drawPath(eye);
    p.setBrush(QColor(60, 120, 200));
    p.drawEllipse(QPointF(10, 0), 7, 7);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(12, 0), 3.2, 3.2);
    p.restore();
    return image;
}

}  // namespace

void writePhysicsActivityPictures(const QDir& out) {
    saveImage(circuitSymbols(), out, "Images/circuit-symbols.jpg");
    saveImage(rayDiagram(), out, "Images/ray-diagram.jpg");
}
