#include "ui/displayscale.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

#include "ui/twips.h"

namespace ui {

float fittingScale(QSizeF outerTwips, QSize available) {
    constexpr double kStep = 0.25;
    const double width = outerTwips.width() / Twips::kPerPixelAtUnitScale;
    const double height = outerTwips.height() / Twips::kPerPixelAtUnitScale;
    if (width <= 0 || height <= 0) return 1.0f;
    const double most = std::min(available.width() / width, available.height() / height);
    // A tiny tolerance, so that an exact fit is not lost to rounding.
    const double steps = std::floor(most / kStep + 1e-9);
    return static_cast<float>(std::max(1.0, steps * kStep));
}

float fitToDisplay(QSizeF outerTwips) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const float s = screen ? fittingScale(outerTwips, screen->availableGeometry().size()) : 1.0f;
    Twips::setScale(s);
    return s;
}

}  // namespace ui
