// Pictures for question activities: newton meters showing readings, and the mixtures and
// equipment of separating, mostly on the question screens' blue.
#include <QDir>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <cmath>

#include "common.h"
#include "materials.h"
#include "pictures.h"

namespace {

const QColor kBackground(kQuestionScreenBlue);

// ---- Newton meters ---------------------------------------------------------------------------

// Drawn at the size the question screen shows it, 246 pixels high (on a plan 202 high, scaled),
// so that its digits show at their own size: 26 px bold, 18 px high. A mark for every newton
// from 0 N at the top to 10 N, a number on every second one; the pointer rests on a mark. The
// marks lie on whole pixels, so that even the short ones are sharp and 2 pixels thick.
constexpr int kMeterWidth = 170, kMeterHeight = 246;
constexpr qreal kPlan = kMeterHeight / 202.0;
constexpr qreal kZeroY = 42, kPerNewton = 11.2;
constexpr qreal kMid = 70;

// The middle of newton n's mark, in the plan's units, on a whole pixel of the picture.
qreal markY(int n) {
    return std::round((kZeroY + n * kPerNewton) * kPlan) / kPlan;
}

QImage newtonMeter(int reading) {
    QImage image = canvas(kMeterWidth, kMeterHeight, kBackground);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(kPlan, kPlan);
    const QColor metal(110, 110, 120);
    // The ring it hangs by, and its clear tube.
    p.setPen(QPen(QColor(200, 200, 210), 3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(kMid, 7), 5, 5);
    const QRectF tube(kMid - 38, 13, 76, 151);
    p.setPen(QPen(QColor(60, 60, 80), 2));
    p.setBrush(QColor(230, 236, 244));
    p.drawRoundedRect(tube, 9, 9);
    // The scale, on the right half of the tube: marks of 2 and 3 pixels, centred on a pixel's
    // edge and on a pixel's middle.
    p.setFont(pixelFont(21, true));
    for (int n = 0; n <= 10; ++n) {
        const bool numbered = n % 2 == 0;
        const qreal y = markY(n) + (numbered ? 0.5 / kPlan : 0);
        p.setPen(QPen(Qt::black, (numbered ? 3 : 2) / kPlan, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(kMid - 5, y), QPointF(kMid + (numbered ? 6 : 4), y));
        if (numbered)
            p.drawText(QRectF(kMid + 9, y - 12, 28, 24), Qt::AlignLeft | Qt::AlignVCenter,
                       QString::number(n));
    }
    p.drawText(QRectF(kMid + 6, 13, 30, 22), Qt::AlignCenter, "N");
    // The spring, stretched down to the pointer.
    const qreal pointerY = markY(reading);
    QPainterPath spring(QPointF(kMid - 19, 16));
    const int coils = 9;
    const qreal step = (pointerY - 3 - 18) / coils;
    for (int i = 0; i < coils; ++i) spring.lineTo(kMid + (i % 2 ? -30 : -8), 18 + (i + 0.5) * step);
    spring.lineTo(kMid - 19, pointerY - 3);
    p.setPen(QPen(metal, 1.8));
    p.drawPath(spring);
    // The pointer: a red bar from the spring to the scale, tipped with an arrow at the mark.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 20, 20));
    p.drawRect(QRectF(kMid - 30, pointerY - 2.5, 22, 5));
    p.drawPolygon(QPolygonF{QPointF(kMid - 3, pointerY), QPointF(kMid - 11, pointerY - 6),
                            QPointF(kMid - 11, pointerY + 6)});
    // The rod, and its hook below the tube.
    const qreal rodX = kMid - 19;
    p.setPen(QPen(metal, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(rodX, pointerY), QPointF(rodX, 174));
    QPainterPath hook(QPointF(rodX, 174));
    hook.arcTo(QRectF(rodX, 169, 12, 12), 180, 180);
    hook.lineTo(rodX + 12, 171);
    p.drawPath(hook);
    // The block hangs from the hook by a loop of string through its bend.
    const qreal bend = 181, blockTop = 190, w = 26 + reading * 3;
    p.setPen(QPen(QColor(240, 230, 200), 1.6));
    QPainterPath loop(QPointF(rodX - 4, blockTop));
    loop.lineTo(rodX + 6, bend);
    loop.lineTo(rodX + 16, blockTop);
    p.drawPath(loop);
    p.setPen(QPen(QColor(40, 40, 50), 1.5));
    p.setBrush(QColor(120, 124, 134));
    p.drawRoundedRect(QRectF(rodX + 6 - w / 2, blockTop, w, 11), 3, 3);
    return image;
}

// ---- Separating mixtures ---------------------------------------------------------------------

constexpr int kWidth = 400, kHeight = 300;
// How the question screen shows them: fitted to its picture slot, 246 pixels high.
constexpr qreal kQuestionShown = 246.0 / kHeight;

// Grains scattered at random (but the same every run) over an ellipse.
void scatter(QPainter& p, QRectF area, int count, qreal size, QColor colour, quint32 seed,
             bool round = true) {
    QRandomGenerator random(seed);
    p.setPen(QPen(colour.darker(150), 0.8));
    p.setBrush(colour);
    for (int i = 0; i < count; ++i) {
        const qreal a = random.bounded(2 * M_PI), r = std::sqrt(random.generateDouble());
        const QPointF c = area.center() + QPointF(std::cos(a) * r * area.width() / 2,
                                                  std::sin(a) * r * area.height() / 2);
        if (round)
            p.drawEllipse(c, size, size * 0.8);
        else
            p.drawEllipse(c, size, size * 0.35);
    }
}

// A shallow dish, seen from the side and a little above, holding a mixture whose main part
// has the colour `fill`; the mixture's area.
QRectF dish(QPainter& p, QColor fill) {
    const QRectF top(40, 90, 320, 100);
    p.setPen(QPen(QColor(60, 60, 80), 2));
    p.setBrush(QColor(225, 225, 235));
    QPainterPath body(top.bottomLeft() - QPointF(0, top.height() / 2));
    body.cubicTo(50, 270, 350, 270, 360, 140);
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(QColor(200, 200, 215));
    p.drawEllipse(top);
    const QRectF mix = top.adjusted(14, 8, -14, -8);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawEllipse(mix);
    return mix;
}

// A glass beaker with water up to `level`, a mark scale on its side.
QRectF beaker(QPainter& p, QRectF glass, qreal level, QColor water) {
    p.setPen(Qt::NoPen);
    p.setBrush(water);
    p.drawRect(QRectF(glass.left(), level, glass.width(), glass.bottom() - level));
    p.setPen(QPen(QColor(230, 240, 255), 3));
    p.setBrush(Qt::NoBrush);
    QPainterPath outline(glass.topLeft() - QPointF(8, 0));
    outline.lineTo(glass.topLeft());
    outline.lineTo(glass.bottomLeft());
    outline.lineTo(glass.bottomRight());
    outline.lineTo(glass.topRight());
    p.drawPath(outline);
    p.setPen(QPen(QColor(230, 240, 255), 1.5));
    for (int i = 1; i <= 4; ++i) {
        const qreal y = glass.bottom() - i * glass.height() / 5;
        p.drawLine(QPointF(glass.left() + 6, y), QPointF(glass.left() + 22, y));
    }
    return QRectF(glass.left(), level, glass.width(), glass.bottom() - level);
}

// A dish of sand, ready for what is mixed into it.
QRectF sandyDish(QPainter& p) {
    const QRectF mix = dish(p, QColor(222, 190, 120));
    scatter(p, mix, 260, 1.4, QColor(200, 160, 90), 7);
    return mix;
}

QImage stonesAndSand() {
    QImage image = canvas(kWidth, kHeight, kBackground);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF mix = sandyDish(p);
    scatter(p, mix.adjusted(10, 6, -10, -6), 26, 9, QColor(140, 140, 150), 11);
    return image;
}

QImage ironAndSand() {
    QImage image = canvas(kWidth, kHeight, kBackground);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF mix = sandyDish(p);
    scatter(p, mix, 320, 2.6, QColor(60, 60, 66), 5, false);
    return image;
}

QImage clipsAndRice() {
    QImage image = canvas(kWidth, kHeight, kBackground);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF mix = dish(p, QColor(245, 242, 230));
    scatter(p, mix, 220, 4, QColor(250, 248, 238), 3, false);
    // Steel paper clips.
    QRandomGenerator random(17);
    for (int i = 0; i < 7; ++i) {
        const QPointF c(mix.left() + 30 + i * 32, mix.center().y() + random.bounded(-18, 18));
        p.save();
        p.translate(c);
        p.rotate(random.bounded(-60, 60));
        p.setPen(QPen(QColor(110, 115, 125), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(-14, -5, 28, 10), 5, 5);
        p.drawRoundedRect(QRectF(-10, -2.5, 20, 5), 2.5, 2.5);
        p.restore();
    }
    return image;
}

QImage sandyWater() {
    QImage image = canvas(kWidth, kHeight, kBackground);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF water = beaker(p, QRectF(130, 50, 140, 220), 90, QColor(150, 130, 90, 200));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(214, 180, 110));
    QPainterPath settled(QPointF(water.left(), water.bottom()));
    settled.lineTo(water.left(), water.bottom() - 30);
    settled.cubicTo(water.left() + 50, water.bottom() - 40, water.right() - 40, water.bottom() - 24,
                    water.right(), water.bottom() - 34);
    settled.lineTo(water.bottomRight());
    settled.closeSubpath();
    p.drawPath(settled);
    scatter(p, water.adjusted(10, 10, -10, -50), 90, 1.6, QColor(200, 165, 95), 23);
    return image;
}

// A salt pot: a clear sign that the clear water hides dissolved salt. Its label is as large
// as a caption, as the question screen shows the picture.
void saltPot(QPainter& p, QPointF base) {
    p.setPen(QPen(QColor(60, 60, 80), 1.5));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(base.x() - 44, base.y() - 112, 88, 112), 12, 12);
    p.setBrush(QColor(200, 200, 210));
    p.drawRoundedRect(QRectF(base.x() - 38, base.y() - 128, 76, 20), 8, 8);
    p.setPen(QColor(10, 30, 110));
    p.setFont(captionFont(kQuestionShown));
    p.drawText(QRectF(base.x() - 44, base.y() - 80, 88, 40), Qt::AlignCenter,
               inLanguage("SALT", "HALEN"));
}

QImage saltWater() {
    QImage image = canvas(kWidth, kHeight, kBackground);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    beaker(p, QRectF(90, 60, 140, 210), 100, QColor(190, 225, 250, 220));
    // A spoon left in the glass after stirring.
    p.setPen(QPen(QColor(170, 170, 180), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(200, 40), QPointF(170, 220));
    saltPot(p, {320, 270});
    return image;
}

QImage filterFunnel() {
    QImage image = canvas(kWidth, kHeight, kBackground);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // A beaker below catches the clear water that comes through.
    beaker(p, QRectF(140, 170, 120, 110), 240, QColor(190, 225, 250, 220));
    // The funnel with its cone of filter paper, sand left on the paper.
    QPainterPath funnel(QPointF(110, 30));
    funnel.lineTo(290, 30);
    funnel.lineTo(208, 130);
    funnel.lineTo(208, 200);
    funnel.lineTo(192, 200);
    funnel.lineTo(192, 130);
    funnel.closeSubpath();
    p.setPen(QPen(QColor(230, 240, 255), 3));
    p.setBrush(QColor(255, 255, 255, 50));
    p.drawPath(funnel);
    QPolygonF paper{QPointF(122, 26), QPointF(278, 26), QPointF(200, 124)};
    p.setPen(QPen(QColor(200, 200, 200), 1.5));
    p.setBrush(QColor(250, 250, 245));
    p.drawPolygon(paper);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(214, 180, 110));
    p.drawPolygon(QPolygonF{QPointF(170, 86), QPointF(230, 86), QPointF(200, 122)});
    // Drops falling from the funnel's stem.
    p.setBrush(QColor(190, 225, 250));
    for (int y : {212, 226}) p.drawEllipse(QPointF(200, y), 3, 4.5);
    return image;
}

QImage sieve() {
    QImage image = canvas(kWidth, kHeight, kBackground);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // A bowl below, catching the fine sand.
    QPainterPath bowl(QPointF(110, 210));
    bowl.cubicTo(120, 290, 280, 290, 290, 210);
    bowl.closeSubpath();
    p.setPen(QPen(QColor(60, 60, 80), 2));
    p.setBrush(QColor(90, 160, 200));
    p.drawPath(bowl);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(222, 190, 120));
    p.drawEllipse(QRectF(120, 200, 160, 20));
    // The sieve: a mesh basket with a handle, stones left in it.
    QPainterPath basket(QPointF(120, 80));
    basket.cubicTo(130, 170, 270, 170, 280, 80);
    basket.closeSubpath();
    p.setPen(QPen(QColor(80, 80, 90), 3));
    p.setBrush(QColor(200, 200, 210, 90));
    p.drawPath(basket);
    p.setPen(QPen(QColor(170, 170, 180), 1));
    p.save();
    p.setClipPath(basket);
    for (int x = 120; x <= 280; x += 8) p.drawLine(QPointF(x, 80), QPointF(x, 160));
    for (int y = 80; y <= 160; y += 8) p.drawLine(QPointF(120, y), QPointF(280, y));
    p.restore();
    p.setPen(QPen(QColor(80, 80, 90), 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(280, 80), QPointF(370, 62));
    scatter(p, QRectF(150, 96, 100, 36), 12, 9, QColor(140, 140, 150), 11);
    // Fine grains falling through the holes.
    scatter(p, QRectF(160, 150, 80, 44), 40, 1.5, QColor(222, 190, 120), 29);
    return image;
}

QImage saucerInSun() {
    QImage image = canvas(kWidth, kHeight, QColor(150, 200, 240));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // A sunny window above a sill.
    QRadialGradient sun(QPointF(320, 60), 40);
    sun.setColorAt(0, QColor(255, 250, 190));
    sun.setColorAt(1, QColor(255, 210, 40));
    p.setPen(Qt::NoPen);
    p.setBrush(sun);
    p.drawEllipse(QPointF(320, 60), 36, 36);
    p.setBrush(QColor(240, 240, 235));
    p.drawRect(QRectF(0, 0, 24, kHeight));
    p.drawRect(QRectF(kWidth - 24, 0, 24, kHeight));
    p.drawRect(QRectF(0, 0, kWidth, 18));
    p.setBrush(QColor(170, 120, 70));
    p.drawRect(QRectF(0, 230, kWidth, 70));
    // The saucer: most of the water gone, salt crystals left round the edge.
    p.setPen(QPen(QColor(60, 60, 80), 2));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(110, 190, 180, 50));
    p.setBrush(QColor(190, 225, 250));
    p.drawEllipse(QRectF(150, 202, 100, 26));
    scatter(p, QRectF(128, 196, 144, 38), 70, 2.2, QColor(250, 250, 250), 31);
    return image;
}

}  // namespace

void writeQuestionActivityPictures(const QDir& out) {
    for (int reading = 2; reading <= 9; ++reading)
        saveImage(newtonMeter(reading), out,
                  QStringLiteral("Images/newton-meter-%1.jpg").arg(reading));
    saveImage(stonesAndSand(), out, "Images/stones-and-sand.jpg");
    saveImage(ironAndSand(), out, "Images/iron-and-sand.jpg");
    saveImage(clipsAndRice(), out, "Images/clips-and-rice.jpg");
    saveImage(sandyWater(), out, "Images/sandy-water.jpg");
    saveImage(saltWater(), out, "Images/salt-water.jpg");
    saveImage(filterFunnel(), out, "Images/filter-funnel.jpg");
    saveImage(sieve(), out, "Images/sieve.jpg");
    saveImage(saucerInSun(), out, "Images/saucer-in-sun.jpg");
}
