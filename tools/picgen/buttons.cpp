// The picture buttons: raised faces with a word and a symbol, 119x33; the speaker button is a
// square face with its symbol alone.
#include <QDir>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include "common.h"
#include "pictures.h"

namespace {
constexpr int kWidth = 119;
constexpr int kSquare = 33;
constexpr int kHeight = 33;
constexpr qreal kSymbolBox = 24;  // symbols are drawn in a square of this size
const QColor kInk(255, 255, 255);

using SymbolPainter = void (*)(QPainter&, const QRectF&);

void arrow(QPainter& p, const QRectF& r, bool pointsRight) {
    const qreal dir = pointsRight ? 1 : -1;
    const QPointF c = r.center();
    const qreal h = r.width() / 2;
    QPolygonF shape{{c.x() + dir * h, c.y()},
                    {c.x(), c.y() - h * 0.8},
                    {c.x(), c.y() - h * 0.35},
                    {c.x() - dir * h, c.y() - h * 0.35},
                    {c.x() - dir * h, c.y() + h * 0.35},
                    {c.x(), c.y() + h * 0.35},
                    {c.x(), c.y() + h * 0.8}};
    p.setPen(QPen(QColor(0, 0, 0, 120), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kInk);
    p.drawPolygon(shape);
}

void leftArrow(QPainter& p, const QRectF& r) {
    arrow(p, r, false);
}
void rightArrow(QPainter& p, const QRectF& r) {
    arrow(p, r, true);
}

void tick(QPainter& p, const QRectF& r) {
    QPainterPath path;
    path.moveTo(r.left() + r.width() * 0.12, r.top() + r.height() * 0.55);
    path.lineTo(r.left() + r.width() * 0.4, r.top() + r.height() * 0.82);
    path.lineTo(r.left() + r.width() * 0.9, r.top() + r.height() * 0.18);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 110), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path.translated(0.8, 0.8));
    p.setPen(QPen(kInk, 4.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

void lightBulb(QPainter& p, const QRectF& r) {
    const qreal s = r.width();
    const QPointF glass(r.center().x(), r.top() + s * 0.42);
    p.setPen(QPen(QColor(255, 240, 150), 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int i = -2; i <= 2; ++i) {  // rays: the bulb is lit
        const qreal a = qDegreesToRadians(-90 + 38.0 * i);
        const QPointF dir(std::cos(a), std::sin(a));
        p.drawLine(glass + dir * s * 0.33, glass + dir * s * 0.42);
    }
    p.setPen(QPen(QColor(120, 80, 0), 1.2));
    p.setBrush(QColor(255, 228, 70));
    p.drawEllipse(glass, s * 0.27, s * 0.27);
    p.setBrush(QColor(210, 210, 210));
    const QRectF cap(glass.x() - s * 0.14, glass.y() + s * 0.24, s * 0.28, s * 0.28);
    p.drawRoundedRect(cap, 2, 2);
    p.drawLine(QPointF(cap.left(), cap.center().y()), QPointF(cap.right(), cap.center().y()));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 230), 1.6, Qt::SolidLine, Qt::RoundCap));
    const QRectF shineArc(glass.x() - s * 0.18, glass.y() - s * 0.18, s * 0.36, s * 0.36);
    p.drawArc(shineArc, 100 * 16, 70 * 16);  // glint on the glass
}

void pencil(QPainter& p, const QRectF& r) {
    p.save();
    p.translate(r.center());
    p.rotate(-45);
    const qreal l = r.width() * 0.62;
    const qreal w = r.width() * 0.14;
    p.setPen(QPen(QColor(60, 40, 0), 1));
    p.setBrush(QColor(255, 200, 40));
    p.drawRect(QRectF(-l, -w, l * 1.4, 2 * w));  // painted shaft
    p.setBrush(QColor(240, 140, 160));
    p.drawRect(QRectF(-l - w * 1.2, -w, w * 1.2, 2 * w));  // rubber
    p.setBrush(QColor(240, 210, 160));
    p.drawPolygon(QPolygonF{{l * 0.4, -w}, {l, 0}, {l * 0.4, w}});  // sharpened wood
    p.setBrush(QColor(50, 50, 50));
    p.drawPolygon(QPolygonF{{l * 0.8, -w * 0.33}, {l, 0}, {l * 0.8, w * 0.33}});  // lead
    p.restore();
}

void letterTiles(QPainter& p, const QRectF& r) {
    struct Tile {
        char letter;
        qreal dx, dy, angle;
    };
    constexpr Tile kTiles[] = {{'C', -6, -4, -14}, {'A', 4, -5, 10}, {'B', -1, 6, -4}};
    const qreal side = r.width() * 0.5;
    p.setFont(pixelFont(int(side * 0.8), true));
    for (const Tile& t : kTiles) {
        p.save();
        p.translate(r.center() + QPointF(t.dx, t.dy));
        p.rotate(t.angle);
        const QRectF face(-side / 2, -side / 2, side, side);
        p.setPen(QPen(QColor(90, 60, 20), 1));
        p.setBrush(QColor(250, 232, 190));
        p.drawRoundedRect(face, 2, 2);
        p.setPen(QColor(60, 30, 0));
        p.drawText(face, Qt::AlignCenter, QString(QChar(t.letter)));
        p.restore();
    }
}

void speaker(QPainter& p, const QRectF& r) {
    const qreal s = r.width();
    const QPointF c = r.center();
    QPolygonF cone{{c.x() - s * 0.38, c.y() - s * 0.14}, {c.x() - s * 0.2, c.y() - s * 0.14},
                   {c.x() + s * 0.04, c.y() - s * 0.36}, {c.x() + s * 0.04, c.y() + s * 0.36},
                   {c.x() - s * 0.2, c.y() + s * 0.14},  {c.x() - s * 0.38, c.y() + s * 0.14}};
    p.setPen(QPen(QColor(0, 0, 0, 120), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kInk);
    p.drawPolygon(cone);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kInk, 2, Qt::SolidLine, Qt::RoundCap));
    for (qreal radius : {s * 0.2, s * 0.34}) {  // sound waves
        const QRectF arc(c.x() + s * 0.04 - radius, c.y() - radius, 2 * radius, 2 * radius);
        p.drawArc(arc, -45 * 16, 90 * 16);
    }
}

struct ButtonStyle {
    const char* file;
    const char* label;
    const char* welsh;  // the same word on the program's Welsh screens
    QRgb face;
    SymbolPainter symbol;
    bool symbolAfterLabel;  // "Next" reads towards its arrow
    int width = kWidth;
};

constexpr ButtonStyle kButtons[] = {
    {"exit", "Exit", "Gadael", qRgb(196, 40, 40), leftArrow, false},
    {"next", "Next", "Nesaf", qRgb(30, 140, 50), rightArrow, true},
    {"answer", "Answer", "Ateb", qRgb(30, 90, 180), lightBulb, false},
    {"check", "Check", "Gwirio", qRgb(0, 125, 125), tick, false},
    {"jotter", "Jotter", "Llyfr Bras", qRgb(180, 90, 10), pencil, false},
    {"scramble", "Scramble", "Cymysgu", qRgb(115, 55, 170), letterTiles, false},
    {"speaker", "", "", qRgb(30, 90, 180), speaker, false, kSquare},
};

QImage button(const ButtonStyle& b) {
    const QColor face(b.face);
    const int width = b.width;
    QImage image = canvas(width, kHeight, face.darker(250));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    // Light from above: bright top edge, dark bottom edge, gently curved face.
    const QRectF outer(1, 1, width - 2, kHeight - 2);
    QLinearGradient shade(0, 0, 0, kHeight);
    shade.setColorAt(0, face.lighter(145));
    shade.setColorAt(0.5, face);
    shade.setColorAt(1, face.darker(135));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawRoundedRect(outer, 5, 5);
    p.setPen(QPen(QColor(255, 255, 255, 110), 1));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(6, 2.5), QPointF(width - 6, 2.5));
    if (b.label[0] == '\0') {
        b.symbol(p, QRectF((width - kSymbolBox) / 2, (kHeight - kSymbolBox) / 2, kSymbolBox,
                           kSymbolBox));
        return image;
    }

    constexpr qreal kPad = 6;
    const QString label = inLanguage(b.label, b.welsh);
    const QFont font = fittedFont(label, kWidth - 3 * kPad - kSymbolBox, 19);
    const qreal textWidth = QFontMetricsF(font).horizontalAdvance(label);
    const qreal gap = kPad;
    const qreal left = (kWidth - textWidth - gap - kSymbolBox) / 2;  // centre symbol + word
    const qreal symbolX = b.symbolAfterLabel ? left + textWidth + gap : left;
    const qreal textX = b.symbolAfterLabel ? left : left + kSymbolBox + gap;
    b.symbol(p, QRectF(symbolX, (kHeight - kSymbolBox) / 2, kSymbolBox, kSymbolBox));
    p.setFont(font);
    drawShadowedText(p, QRectF(textX, 0, textWidth + 2, kHeight), Qt::AlignVCenter | Qt::AlignLeft,
                     label, kInk);
    return image;
}
}  // namespace

void writeButtons(const QDir& out) {
    for (const ButtonStyle& b : kButtons)
        saveImage(button(b), out, QStringLiteral("Images/%1.jpg").arg(b.file));
}
