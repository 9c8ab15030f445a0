#pragma once
// The one mapping between twips (the layout unit) and device-independent pixels.
#include <QPoint>
#include <QRect>
#include <cmath>

namespace ui {

class Twips {
  public:
    static constexpr float kPerPixelAtUnitScale = 15.0f;

    // Display scale: 1 draws 15 twips to a pixel; a larger scale draws everything bigger.
    static float scale() { return scale_; }
    static void setScale(float s) { scale_ = s > 0 ? s : 1.0f; }

    static float perPixel() { return kPerPixelAtUnitScale / scale_; }
    static int toPixels(float twips) { return static_cast<int>(std::lround(twips / perPixel())); }
    static float toTwips(double pixels) { return static_cast<float>(pixels * perPixel()); }
    static QRect toPixels(float left, float top, float width, float height) {
        return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
    }

  private:
    static inline float scale_ = 1.0f;
};

}  // namespace ui
