#include "ui/displayscale.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>

#include "ui/twips.h"

namespace ui {

float fittingScale(QSizeF outerTwips, QSize available, float lowest, float highest) {
    constexpr double kStep = 0.25;
    const double width = outerTwips.width() / Twips::kPerPixelAtUnitScale;
    const double height = outerTwips.height() / Twips::kPerPixelAtUnitScale;
    if (width <= 0 || height <= 0) return lowest;
    const double most = std::min(available.width() / width, available.height() / height);
    // A tiny tolerance, so that an exact fit is not lost to rounding.
    const double steps = std::floor(most / kStep + 1e-9);
    return static_cast<float>(std::max(double{lowest}, std::min(steps * kStep, double{highest})));
}

float fitToDisplay(QSizeF outerTwips) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const float s = screen ? fittingScale(outerTwips, screen->availableGeometry().size()) : 1.0f;
    Twips::setScale(s);
    return s;
}

}  // namespace ui
