#pragma once
// The one mapping between twips (the layout unit) and device-independent pixels.
#include <QPoint>
#include <QRect>
#include <algorithm>
#include <cmath>

namespace ui {

class Twips {
  public:
    static constexpr float kPerPixelAtUnitScale = 15.0f;

    // The screens' display scale: 1 draws 15 twips to a pixel; a larger scale draws everything
    // bigger. A window may draw at a scale of its own (Form::scale), passed as `s`.
    static float scale() { return scale_; }
    static void setScale(float s) { scale_ = s > 0 ? s : 1.0f; }

    static float perPixel(float s = scale()) { return kPerPixelAtUnitScale / s; }
    static int toPixels(float twips, float s = scale()) {
        return static_cast<int>(std::lround(twips / perPixel(s)));
    }
    static float toTwips(double pixels, float s = scale()) {
        return static_cast<float>(pixels * perPixel(s));
    }
    static QRect toPixels(float left, float top, float width, float height, float s = scale()) {
        return {toPixels(left, s), toPixels(top, s), toPixels(width, s), toPixels(height, s)};
    }

    // Text is laid out at the design scale, 15 twips to a pixel, whatever the display scale,
    // so that wrapping, fitting and sizing to a caption give the same twips at every scale.
    static int toDesignPixels(float twips) {
        return static_cast<int>(std::lround(twips / kPerPixelAtUnitScale));
    }
    static QRect designRect(float width, float height) {
        return {0, 0, toDesignPixels(width), toDesignPixels(height)};
    }
    static float fromDesignPixels(double pixels) {
        return static_cast<float>(pixels * kPerPixelAtUnitScale);
    }
    // A pen or border width given in pixels at the design scale, in whole display pixels.
    static int strokePixels(int designPixels, float s = scale()) {
        return std::max(1, static_cast<int>(std::lround(designPixels * s)));
    }

  private:
    static inline float scale_ = 1.0f;
};

}  // namespace ui
