#include "ui/fonts.h"

#include <cmath>

namespace ui {

namespace {
void (*textPreparer)(const QString&) = nullptr;
}  // namespace

void prepareText(const QString& text) {
    if (textPreparer) textPreparer(text);
}

void setTextPreparer(void (*prepare)(const QString& text)) {
    textPreparer = prepare;
}

QString installedFamily(const QString& designFamily) {
    // Metric twins keep captions where the layout expects them. Tahoma has none;
    // Liberation Sans is close in width and keeps every fixed caption inside its label.
    const QString f = designFamily.toLower();
    if (f == "times new roman") return QStringLiteral("Liberation Serif");
    if (f == "arial" || f == "tahoma" || f == "ms sans serif")
        return QStringLiteral("Liberation Sans");
    return designFamily;
}

QFont makeFont(const FontSpec& design, float points) {
    QFont font(installedFamily(QString::fromLatin1(design.family)));
    // Pixel sizes keep text the same size whatever dpi the platform reports. The size is the
    // design one: painters magnify it by the display scale (see DesignScale).
    const int pixels = static_cast<int>(std::lround(points * 96.0f / 72.0f));
    font.setPixelSize(pixels > 1 ? pixels : 1);
    font.setBold(design.bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

}  // namespace ui
