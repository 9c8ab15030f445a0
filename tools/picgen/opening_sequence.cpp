// The opening animation: a pendulum making exactly one full swing in 40 frames (one second at
// 25 ms a frame). A 1 s period means a 25 cm pendulum on Earth, so the motion looks natural.
// The angle follows simple harmonic motion, so frame 39 runs straight on into frame 00.
#include <QDir>
#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

#include "common.h"
#include "pictures.h"

namespace {
constexpr int kFrames = 40;
constexpr int kWidth = 320;
constexpr int kHeight = 240;
constexpr QRgb kBackground = qRgb(49, 135, 214);  // the opening window's colour
constexpr QPointF kPivot(160, 26);
constexpr qreal kLength = 148;
constexpr qreal kBobRadius = 13;
constexpr qreal kAmplitudeDeg = 26;
constexpr qreal kFloorY = 214;
// Earlier positions drawn faintly behind the bob: wide gaps show where it moves fastest.
constexpr int kGhostAlpha[] = {70, 40, 20};

qreal angleAt(int frame) {
    return qDegreesToRadians(kAmplitudeDeg) * std::cos(2 * M_PI * frame / kFrames);
}

QPointF bobAt(int frame) {
    const qreal a = angleAt(frame);
    return kPivot + QPointF(kLength * std::sin(a), kLength * std::cos(a));
}

void paintStand(QPainter& p) {
    // Fade the bench edge out so the picture has no hard border on the window.
    QLinearGradient bench(20, 0, 300, 0);
    bench.setColorAt(0, QColor(20, 70, 130, 0));
    bench.setColorAt(0.15, QColor(20, 70, 130, 110));
    bench.setColorAt(0.85, QColor(20, 70, 130, 110));
    bench.setColorAt(1, QColor(20, 70, 130, 0));
    p.fillRect(QRectF(20, kFloorY, 280, 3), bench);

    const QColor metal(210, 220, 230);
    const QPen edge(QColor(40, 60, 90), 1.2);
    p.setPen(edge);
    p.setBrush(QColor(80, 90, 105));
    p.drawRoundedRect(QRectF(18, kFloorY - 9, 60, 9), 2, 2);  // heavy base
    p.setBrush(metal);
    p.drawRect(QRectF(42, kPivot.y() - 6, 6, kFloorY - kPivot.y() - 3));  // upright rod
    p.drawRect(QRectF(42, kPivot.y() - 3, 124, 6));                       // arm
    p.setBrush(QColor(80, 90, 105));
    p.drawRoundedRect(QRectF(38, kPivot.y() - 7, 14, 14), 2, 2);  // clamp
    p.drawEllipse(kPivot, 3.5, 3.5);                              // pivot pin
}

void paintGuides(QPainter& p) {
    QPen dashed(QColor(255, 255, 255, 70), 1.2, Qt::DashLine);
    p.setPen(dashed);
    p.setBrush(Qt::NoBrush);
    const QRectF circle(kPivot.x() - kLength, kPivot.y() - kLength, 2 * kLength, 2 * kLength);
    // Qt angles run anticlockwise from 3 o'clock in 1/16 degree; straight down is 270.
    p.drawArc(circle, int((270 - kAmplitudeDeg) * 16), int(2 * kAmplitudeDeg * 16));
    dashed.setColor(QColor(255, 255, 255, 45));
    p.setPen(dashed);
    p.drawLine(kPivot, kPivot + QPointF(0, kLength + kBobRadius + 6));  // rest position
}

// Light from straight above: the shadow follows the bob and is darker when the bob is lower.
void paintShadow(QPainter& p, QPointF bob) {
    const qreal height = kFloorY - bob.y();
    const qreal closeness = std::clamp((60 - height) / 30, 0.0, 1.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(10, 40, 80, int(50 + 50 * closeness)));
    p.drawEllipse(QPointF(bob.x(), kFloorY - 2), kBobRadius * (1.3 - 0.2 * closeness), 3.5);
}

void paintBob(QPainter& p, QPointF bob, int alpha) {
    QRadialGradient shine(bob + QPointF(-4, -4), kBobRadius * 1.4);
    shine.setColorAt(0, QColor(255, 230, 150, alpha));
    shine.setColorAt(0.5, QColor(235, 160, 30, alpha));
    shine.setColorAt(1, QColor(160, 90, 10, alpha));
    p.setPen(QPen(QColor(90, 50, 0, alpha), 1.2));
    p.setBrush(shine);
    p.drawEllipse(bob, kBobRadius, kBobRadius);
}

QImage frame(int i) {
    QImage image = canvas(kWidth, kHeight, QColor(kBackground));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paintStand(p);
    paintGuides(p);
    const QPointF bob = bobAt(i);
    paintShadow(p, bob);
    for (int g = std::size(kGhostAlpha); g >= 1; --g)
        paintBob(p, bobAt((i - g + kFrames) % kFrames), kGhostAlpha[g - 1]);
    p.setPen(QPen(QColor(30, 40, 55), 1.6));
    p.drawLine(kPivot, bob);  // string
    paintBob(p, bob, 255);
    p.setBrush(QColor(80, 90, 105));
    p.setPen(Qt::NoPen);
    p.drawEllipse(kPivot, 2, 2);
    return image;
}
}  // namespace

void writeOpeningSequence(const QDir& out) {
    for (int i = 0; i < kFrames; ++i)
        saveImage(frame(i), out, QStringLiteral("opening/phys%1.jpg").arg(i, 2, 10, QChar('0')));
}
