#include "common.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QtMath>
#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>

namespace {
int density = 1;
QString language;
// What each English picture looked like, by file: another language's picture is written only
// where its drawing differs.
std::map<QString, QByteArray> englishDrawings;

QByteArray drawing(const QImage& image) {
    return QCryptographicHash::hash(
        QByteArrayView(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()),
        QCryptographicHash::Sha1);
}
}  // namespace

void setDensity(int ratio) {
    density = ratio;
}

void setLanguage(const QString& code) {
    language = code;
}

QString inLanguage(const char* english, const char* welsh) {
    return QString::fromUtf8(language == "cy" ? welsh : english);
}

void saveImage(const QImage& image, const QDir& out, const QString& relPath) {
    const QString drawn = QStringLiteral("%1@%2").arg(relPath).arg(density);
    if (language.isEmpty()) {
        englishDrawings[drawn] = drawing(image);
    } else if (englishDrawings[drawn] == drawing(image)) {
        return;
    }
    QString path = out.filePath(relPath);
    if (!language.isEmpty()) path.insert(path.lastIndexOf('.'), '.' + language);
    if (density != 1) {
        if (image.devicePixelRatio() != density) return;
        // Photographs stay JPEG, which decodes several times faster than PNG; BMP diagrams
        // become PNG.
        const bool photo = path.endsWith(".jpg", Qt::CaseInsensitive);
        path = path.left(path.lastIndexOf('.')) +
               QStringLiteral("@%1x.%2").arg(density).arg(photo ? "jpg" : "png");
    }
    const bool jpeg = path.endsWith(".jpg", Qt::CaseInsensitive);
    const bool bmp = path.endsWith(".bmp", Qt::CaseInsensitive);
    const char* format = jpeg ? "JPEG" : bmp ? "BMP" : "PNG";
    if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !image.save(path, format, jpeg ? 92 : -1))
        throw std::runtime_error("cannot write " + path.toStdString());
}

QImage canvas(int width, int height, QColor fill) {
    QImage image(width * density, height * density, QImage::Format_RGB32);
    image.setDevicePixelRatio(density);
    image.fill(fill);
    return image;
}

bool isPlain(const QImage& image, const QRect& area, QColor colour) {
    const qreal r = image.devicePixelRatio();
    const QRect pixels(area.topLeft() * r, area.size() * r);
    for (int y = pixels.top(); y <= pixels.bottom(); ++y)
        for (int x = pixels.left(); x <= pixels.right(); ++x)
            if (image.pixelColor(x, y) != colour) return false;
    return true;
}

QFont pixelFont(int pixels, bool bold, const QString& family) {
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    // Grey-scale antialiasing only: sub-pixel colour fringes look dirty when projected.
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QFont captionFont(qreal shown) {
    int pixels = 10;
    while (QFontMetricsF(pixelFont(pixels, true)).capHeight() * shown < 14) ++pixels;
    return pixelFont(pixels, true);
}

QFont fittedFont(const QString& text, qreal maxWidth, int pixels, bool bold) {
    QFont font = pixelFont(pixels, bold);
    while (pixels > 6 && QFontMetricsF(font).horizontalAdvance(text) > maxWidth)
        font = pixelFont(--pixels, bold);
    return font;
}

void drawCaption(QPainter& p, const QRectF& box, const QString& text, const QFont& font,
                 QColor fill, QColor ink) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(fill.darker(140), 1.5));
    p.setBrush(fill);
    const qreal radius = box.height() / 3;
    p.drawRoundedRect(box, radius, radius);
    p.setFont(font);
    p.setPen(ink);
    p.drawText(box, Qt::AlignCenter, text);
    p.restore();
}

void drawShadowedText(QPainter& p, const QRectF& box, int flags, const QString& text, QColor ink) {
    p.save();
    p.setPen(QColor(0, 0, 0, 150));
    p.drawText(box.translated(1, 1), flags, text);
    p.setPen(ink);
    p.drawText(box, flags, text);
    p.restore();
}

void drawArrow(QPainter& p, const QPainterPath& path, QColor colour, qreal width, qreal head) {
    p.save();
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const QPointF tip = path.pointAtPercent(1);
    const qreal angle = qDegreesToRadians(path.angleAtPercent(1));
    const QPointF back(-std::cos(angle), std::sin(angle));  // y grows downwards
    const QPointF side(back.y(), -back.x());
    const QPointF base = tip + back * head;
    // Stop the shaft inside the head so the point stays sharp.
    const qreal end = path.percentAtLength(std::max(0.0, path.length() - head * 0.7));
    QPainterPath shaft(path.pointAtPercent(0));
    for (int i = 1; i <= 40; ++i) shaft.lineTo(path.pointAtPercent(end * i / 40));
    p.drawPath(shaft);
    QPolygonF headShape{tip, base + side * head * 0.55, base - side * head * 0.55};
    p.setPen(QPen(colour, 1));
    p.setBrush(colour);
    p.drawPolygon(headShape);
    p.restore();
}

QPainterPath thick(const QPainterPath& centre, qreal width) {
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(centre).simplified();
}
