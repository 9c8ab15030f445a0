#include "materials.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

// A fixed scatter in [0, 1): the same texture on every run, without visible rows.
qreal scatter(unsigned i) {
    i = (i ^ 61u) ^ (i >> 16);
    i *= 9u;
    i ^= i >> 4;
    i *= 0x27d4eb2du;
    i ^= i >> 15;
    return (i & 0xFFFFu) / 65536.0;
}

// A polished bar lit from above: dark rims, a bright band, then the body colour.
void metalSheen(QPainter& p, const QRectF& r, QColor base, qreal shine) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, base.darker(135));
    g.setColorAt(0.22, base.lighter(100 + int(60 * shine)));
    g.setColorAt(0.42, base);
    g.setColorAt(0.82, base.darker(118));
    g.setColorAt(1, base.darker(160));
    p.fillRect(r, g);
}

// Fine lines along the grain, on a fixed stride so every run draws the same.
void brushedLines(QPainter& p, const QRectF& r, QColor ink, int alpha) {
    for (int i = 0; r.top() + 2 + i * 3 < r.bottom(); ++i) {
        const qreal y = r.top() + 2 + i * 3 + (i % 3) * 0.6;
        QColor c = ink;
        c.setAlpha(alpha * ((i * 7) % 5 + 2) / 6);
        p.setPen(QPen(c, 0.8));
        const qreal inset = (i * 13) % 17;
        p.drawLine(QPointF(r.left() + inset, y), QPointF(r.right() - (i * 5) % 11, y));
    }
}

void rustPatches(QPainter& p, const QRectF& r) {
    struct Patch {
        qreal x, y, w, h;
    };
    constexpr Patch kPatches[] = {{0.12, 0.65, 0.10, 0.22}, {0.47, 0.2, 0.07, 0.16},
                                  {0.78, 0.55, 0.13, 0.26}, {0.3, 0.82, 0.06, 0.1},
                                  {0.64, 0.86, 0.05, 0.09}, {0.9, 0.2, 0.05, 0.12}};
    p.setPen(Qt::NoPen);
    for (const Patch& k : kPatches) {
        const QPointF c(r.left() + k.x * r.width(), r.top() + k.y * r.height());
        const qreal rx = k.w * r.width() / 2 + 3, ry = k.h * r.height() / 2 + 2;
        QRadialGradient g(c, std::max(rx, ry));
        g.setColorAt(0, QColor(150, 72, 28, 200));
        g.setColorAt(0.7, QColor(125, 62, 30, 120));
        g.setColorAt(1, QColor(120, 60, 30, 0));
        p.setBrush(g);
        p.drawEllipse(c, rx, ry);
    }
}

void sparkles(QPainter& p, const QRectF& r) {
    constexpr QPointF kAt[] = {{0.18, 0.28}, {0.55, 0.22}, {0.83, 0.3}};
    p.setPen(QPen(QColor(255, 255, 235, 230), 1.4, Qt::SolidLine, Qt::RoundCap));
    for (QPointF a : kAt) {
        const QPointF c(r.left() + a.x() * r.width(), r.top() + a.y() * r.height());
        const qreal s = std::min(7.0, r.height() * 0.18);
        p.drawLine(c - QPointF(s, 0), c + QPointF(s, 0));
        p.drawLine(c - QPointF(0, s * 0.7), c + QPointF(0, s * 0.7));
    }
}

// Brass rod: a screw thread of slanted grooves.
void thread(QPainter& p, const QRectF& r) {
    p.setPen(QPen(QColor(95, 75, 20, 150), 1.6));
    for (qreal x = r.left() - r.height(); x < r.right(); x += 6)
        p.drawLine(QPointF(x, r.bottom()), QPointF(x + r.height() * 0.35, r.top()));
    p.setPen(QPen(QColor(255, 240, 170, 110), 1));
    for (qreal x = r.left() - r.height() + 2; x < r.right(); x += 6)
        p.drawLine(QPointF(x, r.bottom()), QPointF(x + r.height() * 0.35, r.top()));
}

// Graphite's layers: short, bright, slanted flakes over the dark grey.
void flakes(QPainter& p, const QRectF& r) {
    for (int i = 0; i < int(r.width() / 5); ++i) {
        const qreal x = r.left() + scatter(2 * i) * r.width();
        const qreal y = r.top() + 3 + scatter(2 * i + 1) * (r.height() - 6);
        p.setPen(QPen(QColor(190, 196, 210, 70 + (i % 3) * 40), 1.1));
        p.drawLine(QPointF(x, y), QPointF(x + 5 + (i % 4), y - 1.5));
    }
}

void woodGrain(QPainter& p, const QRectF& r) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(196, 142, 84));
    g.setColorAt(0.5, QColor(176, 120, 66));
    g.setColorAt(1, QColor(150, 98, 52));
    p.fillRect(r, g);
    p.setBrush(Qt::NoBrush);
    const int lines = std::max(4, int(r.height() / 6));
    for (int i = 0; i < lines; ++i) {
        const qreal y = r.top() + (i + 0.5) * r.height() / lines;
        QPainterPath grain;
        grain.moveTo(r.left(), y);
        const qreal wave = 2 + (i % 3);
        for (qreal x = r.left(); x <= r.right() + 20; x += 40)
            grain.quadTo(x + 10, y + ((int(x) / 40 + i) % 2 ? wave : -wave), x + 20, y);
        p.setPen(QPen(QColor(110, 66, 30, 150 - (i % 2) * 50), 1 + (i % 2) * 0.6));
        p.drawPath(grain);
    }
    // A knot, with the grain flowing round it.
    const QPointF knot(r.left() + r.width() * 0.62, r.center().y() + r.height() * 0.08);
    const qreal kr = std::min(r.height() * 0.22, 16.0);
    p.setPen(QPen(QColor(100, 58, 26, 200), 1.2));
    p.setBrush(QColor(120, 72, 34));
    p.drawEllipse(knot, kr * 1.6, kr);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(knot, kr * 2.4, kr * 1.5);
}

void bambooCane(QPainter& p, const QRectF& r) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(150, 160, 60));
    g.setColorAt(0.25, QColor(222, 220, 130));
    g.setColorAt(0.55, QColor(196, 190, 92));
    g.setColorAt(1, QColor(128, 130, 48));
    p.fillRect(r, g);
    // Fibres along the cane.
    for (int i = 1; i < 6; ++i) {
        const qreal y = r.top() + i * r.height() / 6;
        p.setPen(QPen(QColor(120, 120, 40, 60), 1));
        p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
    }
    // Nodes: a raised ring every stretch of cane.
    const qreal step = std::max(60.0, r.width() / 3);
    for (qreal x = r.left() + step * 0.8; x < r.right() - 8; x += step) {
        QLinearGradient ring(r.topLeft(), r.bottomLeft());
        ring.setColorAt(0, QColor(110, 112, 40));
        ring.setColorAt(0.3, QColor(190, 185, 95));
        ring.setColorAt(1, QColor(95, 95, 35));
        p.fillRect(QRectF(x - 3, r.top(), 6, r.height()), ring);
        p.setPen(QPen(QColor(80, 80, 25), 1.4));
        p.drawLine(QPointF(x - 3, r.top()), QPointF(x - 3, r.bottom()));
        p.drawLine(QPointF(x + 3, r.top()), QPointF(x + 3, r.bottom()));
    }
}

void glossyPlastic(QPainter& p, const QRectF& r) {
    const QColor base(232, 44, 70);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, base.lighter(125));
    g.setColorAt(0.5, base);
    g.setColorAt(1, base.darker(135));
    p.fillRect(r, g);
    // The shine of a smooth moulded surface.
    QPainterPath shine;
    const QRectF band(r.left() + 6, r.top() + r.height() * 0.1, r.width() - 12, r.height() * 0.28);
    shine.addRoundedRect(band, band.height() / 2, band.height() / 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 95));
    p.drawPath(shine);
    // Ruler marks along the lower edge.
    p.setPen(QPen(QColor(120, 10, 30, 200), 1.2));
    for (int i = 0; r.left() + 8 + i * 8 < r.right() - 4; ++i) {
        const qreal x = r.left() + 8 + i * 8;
        const qreal len = (i % 5 == 0) ? r.height() * 0.38 : r.height() * 0.2;
        p.drawLine(QPointF(x, r.bottom() - 1), QPointF(x, r.bottom() - 1 - len));
    }
}

void clearGlass(QPainter& p, const QRectF& r) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(225, 250, 252, 200));
    g.setColorAt(0.4, QColor(185, 235, 238, 130));
    g.setColorAt(1, QColor(150, 215, 220, 180));
    p.fillRect(r, g);
    // Glare: two slanted streaks.
    p.setPen(Qt::NoPen);
    for (auto [x, w] : {std::pair{0.2, 0.09}, std::pair{0.33, 0.035}, std::pair{0.7, 0.06}}) {
        QPolygonF streak;
        const qreal x0 = r.left() + x * r.width();
        const qreal ww = w * r.width();
        streak << QPointF(x0, r.bottom()) << QPointF(x0 + ww, r.bottom())
               << QPointF(x0 + ww + r.height() * 0.6, r.top())
               << QPointF(x0 + r.height() * 0.6, r.top());
        p.setBrush(QColor(255, 255, 255, 120));
        p.drawPolygon(streak);
    }
    // Its edges catch the light.
    p.setPen(QPen(QColor(235, 255, 255, 230), 2));
    p.drawLine(QPointF(r.left(), r.top() + 1), QPointF(r.right(), r.top() + 1));
    p.setPen(QPen(QColor(110, 180, 190, 220), 2));
    p.drawLine(QPointF(r.left(), r.bottom() - 1), QPointF(r.right(), r.bottom() - 1));
}

void mattRubber(QPainter& p, const QRectF& r) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(62, 62, 66));
    g.setColorAt(0.35, QColor(44, 44, 47));
    g.setColorAt(1, QColor(22, 22, 24));
    p.fillRect(r, g);
    // A dull, grainy surface: scattered specks and no shine.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < int(r.width() * r.height() / 40); ++i) {
        const qreal x = r.left() + scatter(2 * i + 7000) * r.width();
        const qreal y = r.top() + scatter(2 * i + 7001) * r.height();
        p.setBrush(QColor(90, 90, 95, 40 + (i % 4) * 20));
        p.drawEllipse(QPointF(x, y), 0.8, 0.8);
    }
}

void mirrorGlass(QPainter& p, const QRectF& r) {
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, QColor(236, 244, 250));
    g.setColorAt(0.35, QColor(178, 200, 218));
    g.setColorAt(0.6, QColor(214, 228, 240));
    g.setColorAt(1, QColor(140, 164, 188));
    p.fillRect(r, g);
    p.setPen(Qt::NoPen);
    for (auto [x, w] : {std::pair{0.12, 0.12}, std::pair{0.3, 0.04}, std::pair{0.62, 0.08}}) {
        QPolygonF streak;
        const qreal x0 = r.left() + x * r.width();
        const qreal ww = w * r.width();
        streak << QPointF(x0, r.bottom()) << QPointF(x0 + ww, r.bottom())
               << QPointF(x0 + ww + r.height() * 0.45, r.top())
               << QPointF(x0 + r.height() * 0.45, r.top());
        p.setBrush(QColor(255, 255, 255, 150));
        p.drawPolygon(streak);
    }
}

}  // namespace

void paintSurface(QPainter& p, const QPainterPath& shape, Surface surface) {
    const QRectF r = shape.boundingRect();
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setClipPath(shape);
    switch (surface) {
        case Surface::Aluminium:
            metalSheen(p, r, QColor(196, 202, 208), 0.45);
            brushedLines(p, r, QColor(255, 255, 255), 120);
            break;
        case Surface::Iron:
            metalSheen(p, r, QColor(92, 94, 100), 0.5);
            brushedLines(p, r, QColor(40, 40, 44), 120);
            rustPatches(p, r);
            break;
        case Surface::Gold:
            metalSheen(p, r, QColor(236, 178, 22), 0.8);
            sparkles(p, r);
            break;
        case Surface::Copper:
            metalSheen(p, r, QColor(196, 104, 52), 0.7);
            brushedLines(p, r, QColor(255, 200, 160), 70);
            break;
        case Surface::Brass:
            metalSheen(p, r, QColor(184, 156, 64), 0.4);
            thread(p, r);
            break;
        case Surface::Graphite:
            metalSheen(p, r, QColor(64, 66, 72), 1.4);
            flakes(p, r);
            break;
        case Surface::Wood:
            woodGrain(p, r);
            break;
        case Surface::Bamboo:
            bambooCane(p, r);
            break;
        case Surface::Plastic:
            glossyPlastic(p, r);
            break;
        case Surface::Glass:
            clearGlass(p, r);
            break;
        case Surface::Rubber:
            mattRubber(p, r);
            break;
        case Surface::PlainMetal:
            metalSheen(p, r, QColor(150, 153, 158), 0.35);
            brushedLines(p, r, QColor(235, 235, 240), 60);
            break;
        case Surface::Mirror:
            mirrorGlass(p, r);
            break;
    }
    p.restore();
}
