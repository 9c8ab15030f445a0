// The insulators and conductors screen: a circuit of a battery, wires and a bulb with a
// gap in its top wire, and the eleven materials that are laid across that gap.
#include <QDir>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>
#include <stdexcept>

#include "common.h"
#include "materials.h"
#include "pictures.h"

namespace {

// Where the screen lays the material over the circuit, and where its answer buttons lie:
// the wires' clips end at the material's edges and nothing is drawn under the buttons.
constexpr QRect kMaterialSlot(259, 0, 241, 61);
constexpr QRect kAnswerButtons(224, 216, 380, 36);

constexpr qreal kTopWire = 30.5;  // level with the middle of the material
constexpr qreal kLeft = 80, kRight = 660, kBottom = 400;
constexpr qreal kWireWidth = 7;
const QColor kRedWire(220, 40, 40);
const QColor kBlackWire(30, 30, 34);

constexpr qreal kJawLength = 24;
// While the pupil decides, the clips stand open and back from the material, so that the
// picture claims neither a complete circuit nor a broken one.
constexpr qreal kOpenJawDegrees = 26;
constexpr int kOpenClipGap = 26;  // from the material's edge to where the jaws would close

enum class Outcome { Waiting, Lights, NoCurrent };

void wire(QPainter& p, const QPainterPath& path, QColor colour) {
    p.setBrush(Qt::NoBrush);
    // A pale edge keeps even the black wire clear on the dark background.
    p.setPen(
        QPen(QColor(205, 210, 225), kWireWidth + 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(colour, kWireWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

// A crocodile clip: a coloured boot on the wire and metal jaws whose teeth end at `tip`.
// Open, the jaws part about their hinge and grip nothing.
void crocodileClip(QPainter& p, qreal tip, bool pointsRight, QColor boot, bool open) {
    const qreal dir = pointsRight ? 1 : -1;
    p.save();
    p.translate(tip - dir * kJawLength, kTopWire);  // the hinge, where the jaws leave the boot
    QLinearGradient steel(0, -9, 0, 9);
    steel.setColorAt(0, QColor(235, 238, 242));
    steel.setColorAt(0.5, QColor(160, 165, 172));
    steel.setColorAt(1, QColor(110, 115, 122));
    // Closed, one piece (side 0); open, the upper (-1) and lower (1) halves turned apart.
    for (int half = 0; half < (open ? 2 : 1); ++half) {
        const qreal side = open ? (half == 0 ? -1 : 1) : 0;
        p.save();
        p.rotate(side * dir * kOpenJawDegrees);
        QPainterPath jaws;
        jaws.moveTo(0, side > 0 ? 0 : -9);
        jaws.lineTo(dir * kJawLength, side > 0 ? 0 : -4);
        jaws.lineTo(dir * kJawLength, side < 0 ? 0 : 4);
        jaws.lineTo(0, side < 0 ? 0 : 9);
        jaws.closeSubpath();
        p.setPen(QPen(QColor(60, 60, 70), 1));
        p.setBrush(steel);
        p.drawPath(jaws);
        p.setPen(QPen(QColor(70, 70, 80), 1));
        for (int i = 1; i <= 4; ++i) {  // teeth, facing whatever the jaws grip
            const qreal x = dir * i * 5;
            if (side == 0)
                p.drawLine(QPointF(x, -1), QPointF(x + dir * 2.5, 1));
            else
                p.drawLine(QPointF(x, 0), QPointF(x + dir * 2.5, -side * 2.5));
        }
        p.restore();
    }
    p.setPen(QPen(boot.darker(150), 1));
    p.setBrush(boot);
    p.drawRoundedRect(QRectF(pointsRight ? -30 : 0, -10, 30, 20), 6, 6);
    p.restore();
}

// A cell lying along the bottom wire, positive end to the right.
void battery(QPainter& p, const QRectF& r) {
    p.save();
    QLinearGradient body(r.topLeft(), r.bottomLeft());
    body.setColorAt(0, QColor(70, 70, 78));
    body.setColorAt(0.3, QColor(40, 40, 46));
    body.setColorAt(1, QColor(15, 15, 18));
    p.setPen(QPen(QColor(200, 200, 210), 1.5));
    p.setBrush(body);
    p.drawRoundedRect(r, 6, 6);
    // A copper-coloured band at the positive end and its terminal nub.
    const QRectF band(r.right() - r.width() * 0.28, r.top(), r.width() * 0.28, r.height());
    QLinearGradient copper(band.topLeft(), band.bottomLeft());
    copper.setColorAt(0, QColor(240, 170, 90));
    copper.setColorAt(0.4, QColor(200, 115, 45));
    copper.setColorAt(1, QColor(130, 70, 25));
    p.setBrush(copper);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(band, 6, 6);
    p.drawRect(band.adjusted(0, 0, -8, 0));
    p.setBrush(QColor(190, 192, 198));
    p.setPen(QPen(QColor(90, 90, 100), 1));
    p.drawRect(QRectF(r.right(), r.center().y() - 8, 8, 16));
    p.setFont(pixelFont(30, true));
    drawShadowedText(p, band, Qt::AlignCenter, "+", Qt::white);
    drawShadowedText(p, QRectF(r.left(), r.top(), r.width() * 0.25, r.height()), Qt::AlignCenter,
                     QString(QChar(0x2212)), Qt::white);
    p.restore();
}

// The bulb in its holder on the right-hand wire, its glass pointing out of the circuit.
void bulb(QPainter& p, bool lit) {
    const QPointF glass(kRight + 60, 215);
    const qreal radius = 27;
    p.save();
    if (lit) {
        QRadialGradient glow(glass, 95);
        glow.setColorAt(0, QColor(255, 250, 190, 230));
        glow.setColorAt(0.35, QColor(255, 230, 90, 120));
        glow.setColorAt(1, QColor(255, 220, 60, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(glass, 95, 95);
        p.setPen(QPen(QColor(255, 240, 120), 4, Qt::SolidLine, Qt::RoundCap));
        for (int i = -3; i <= 3; ++i) {
            const qreal a = qDegreesToRadians(30.0 * i);
            const QPointF d(std::cos(a), std::sin(a));
            p.drawLine(glass + d * (radius + 10), glass + d * (radius + 26));
        }
    }
    // Holder: a base with a terminal where each wire arrives.
    p.setPen(QPen(QColor(15, 15, 20), 1.2));
    p.setBrush(QColor(60, 60, 66));
    p.drawRoundedRect(QRectF(kRight - 16, 178, 32, 74), 5, 5);
    p.setBrush(QColor(200, 200, 208));
    p.drawEllipse(QPointF(kRight, 188), 5, 5);
    p.drawEllipse(QPointF(kRight, 242), 5, 5);
    // Screw cap.
    QLinearGradient cap(0, 200, 0, 230);
    cap.setColorAt(0, QColor(230, 232, 236));
    cap.setColorAt(1, QColor(130, 134, 140));
    p.setBrush(cap);
    p.drawRect(QRectF(kRight + 16, 201, 14, 28));
    p.setPen(QPen(QColor(110, 110, 118), 1));
    for (int x = 19; x <= 27; x += 4)
        p.drawLine(QPointF(kRight + x, 201), QPointF(kRight + x + 2, 229));
    // Glass.
    QRadialGradient g(glass - QPointF(8, 8), radius * 1.3);
    if (lit) {
        g.setColorAt(0, QColor(255, 255, 240));
        g.setColorAt(1, QColor(255, 236, 120));
    } else {
        g.setColorAt(0, QColor(250, 252, 255, 230));
        g.setColorAt(1, QColor(170, 185, 200, 230));
    }
    p.setPen(QPen(QColor(30, 40, 60), 1.5));
    p.setBrush(g);
    p.drawEllipse(glass, radius, radius);
    // Filament between its two supports.
    p.setPen(QPen(lit ? QColor(255, 140, 0) : QColor(80, 80, 90), lit ? 2.6 : 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(kRight + 30, 209), glass + QPointF(-2, -9));
    p.drawLine(QPointF(kRight + 30, 221), glass + QPointF(-2, 9));
    QPolygonF coil;
    for (int i = 0; i <= 6; ++i) coil << glass + QPointF(i % 2 ? 3 : -2, -9 + i * 3);
    p.drawPolyline(coil);
    p.restore();
}

// A chevron on a wire in the direction the current flows.
void currentArrow(QPainter& p, QPointF at, qreal degrees) {
    p.save();
    p.translate(at);
    p.rotate(degrees);
    QPolygonF head{{13, 0}, {-8, -12}, {-3, 0}, {-8, 12}};
    p.setPen(QPen(QColor(60, 40, 0), 1));
    p.setBrush(QColor(255, 225, 40));
    p.drawPolygon(head);
    p.restore();
}

void plate(QPainter& p, const QRectF& box, const QString& text, QColor fill) {
    p.save();
    p.setPen(QPen(Qt::white, 2));
    p.setBrush(fill);
    p.drawRoundedRect(box, 10, 10);
    p.setFont(pixelFont(24, true));
    drawShadowedText(p, box, Qt::AlignCenter, text, Qt::white);
    p.restore();
}

QImage circuit(Outcome outcome) {
    QImage image = canvas(800, 457, QColor(kQuestionScreenBlue));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF cell(330, kBottom - 24, 130, 48);
    // The clips' tips: on the material's edges, or short of them while waiting.
    const bool waiting = outcome == Outcome::Waiting;
    const qreal leftTip = kMaterialSlot.left() - (waiting ? kOpenClipGap : 0);
    const qreal rightTip =
        kMaterialSlot.left() + kMaterialSlot.width() + (waiting ? kOpenClipGap : 0);

    // Negative side: from the cell round the left to the left-hand clip.
    QPainterPath black;
    black.moveTo(cell.left(), kBottom);
    black.lineTo(kLeft + 20, kBottom);
    black.quadTo(kLeft, kBottom, kLeft, kBottom - 20);
    black.lineTo(kLeft, kTopWire + 20);
    black.quadTo(kLeft, kTopWire, kLeft + 20, kTopWire);
    black.lineTo(leftTip - 40, kTopWire);
    wire(p, black, kBlackWire);
    // Positive side: from the cell up through the bulb to the right-hand clip.
    QPainterPath red;
    red.moveTo(cell.right() + 8, kBottom);
    red.lineTo(kRight - 20, kBottom);
    red.quadTo(kRight, kBottom, kRight, kBottom - 20);
    red.lineTo(kRight, 242);
    red.moveTo(kRight, 188);
    red.lineTo(kRight, kTopWire + 20);
    red.quadTo(kRight, kTopWire, kRight - 20, kTopWire);
    red.lineTo(rightTip + 40, kTopWire);
    wire(p, red, kRedWire);

    crocodileClip(p, leftTip, true, kBlackWire.lighter(200), waiting);
    crocodileClip(p, rightTip, false, kRedWire, waiting);
    battery(p, cell);
    bulb(p, outcome == Outcome::Lights);

    if (outcome == Outcome::Lights) {
        // Conventional current: out of the positive end, round through bulb and material.
        currentArrow(p, QPointF(570, kBottom), 0);
        currentArrow(p, QPointF(kRight, 320), -90);
        currentArrow(p, QPointF(kRight, 110), -90);
        currentArrow(p, QPointF(590, kTopWire), 180);
        currentArrow(p, QPointF(160, kTopWire), 180);
        currentArrow(p, QPointF(kLeft, 220), 90);
        currentArrow(p, QPointF(205, kBottom), 0);
    } else if (outcome == Outcome::NoCurrent) {
        plate(p, QRectF(470, 290, 160, 44), inLanguage("No current", "Dim cerrynt"),
              QColor(200, 30, 30));
    }
    p.end();
    // The answer buttons must lie on plain background.
    if (!isPlain(image, kAnswerButtons, kQuestionScreenBlue))
        throw std::runtime_error("the circuit reaches under the answer buttons");
    // Open clips touch nothing: plain background on both sides of the material.
    const QRect besideLeft(kMaterialSlot.left() - kOpenClipGap / 2, 0, kOpenClipGap / 2,
                           kMaterialSlot.height());
    const QRect besideRight(kMaterialSlot.left() + kMaterialSlot.width(), 0, kOpenClipGap / 2,
                            kMaterialSlot.height());
    if (waiting && !(isPlain(image, besideLeft, kQuestionScreenBlue) &&
                     isPlain(image, besideRight, kQuestionScreenBlue)))
        throw std::runtime_error("an open clip reaches the material");
    return image;
}

// A strip of the material filling the gap from clip to clip, on the circuit's background.
QImage material(Surface surface) {
    QImage image = canvas(kMaterialSlot.width(), kMaterialSlot.height(), kQuestionScreenBlue);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const bool soft = surface == Surface::Rubber;
    const QRectF strip(0, kTopWire - 19, kMaterialSlot.width(), 38);
    QPainterPath shape;
    shape.addRoundedRect(strip, soft ? 12 : 4, soft ? 12 : 4);
    paintSurface(p, shape, surface);
    p.setPen(QPen(QColor(15, 20, 45), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
    return image;
}

}  // namespace

void writeCircuitPictures(const QDir& out) {
    saveImage(circuit(Outcome::Waiting), out, "Images/circuitoff.bmp");
    saveImage(circuit(Outcome::Lights), out, "Images/circuiton.bmp");
    saveImage(circuit(Outcome::NoCurrent), out, "Images/circuitno.bmp");

    struct Strip {
        const char* file;
        Surface surface;
    };
    constexpr Strip kStrips[] = {
        {"aluminium", Surface::Aluminium}, {"iron", Surface::Iron},
        {"gold", Surface::Gold},           {"copper", Surface::Copper},
        {"brass", Surface::Brass},         {"graphite", Surface::Graphite},
        {"wood", Surface::Wood},           {"bamboo", Surface::Bamboo},
        {"plastic", Surface::Plastic},     {"glass", Surface::Glass},
        {"rubber", Surface::Rubber},
    };
    for (const Strip& s : kStrips)
        saveImage(material(s.surface), out, QString("Images/%1.bmp").arg(s.file));
}
