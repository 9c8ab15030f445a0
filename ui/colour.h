#pragma once
#include <QColor>

namespace ui {

// Colours are kept as 0xRRGGBB so that tables stay constexpr.
using Colour = unsigned int;
constexpr Colour RGB(int r, int g, int b) {
    return (static_cast<Colour>(r) << 16) | (static_cast<Colour>(g) << 8) | static_cast<Colour>(b);
}
inline QColor toQColor(Colour c) {
    return QColor::fromRgb((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF);
}

namespace colours {
constexpr Colour kBlack = RGB(0, 0, 0);
constexpr Colour kYellow = RGB(255, 255, 0);
constexpr Colour kBlue = RGB(0, 0, 255);
constexpr Colour kBrown = RGB(128, 64, 0);
constexpr Colour kButtonFace = RGB(192, 192, 192);
constexpr Colour kSetupBlue = RGB(49, 135, 214);
constexpr Colour kMenuBlue = RGB(49, 135, 215);
constexpr Colour kGreyedText = RGB(140, 140, 140);  // a disabled control's caption
}  // namespace colours

// The standard 16-colour palette; colour number i is kStandard16[i].
constexpr Colour kStandard16[16] = {
    RGB(0, 0, 0),       RGB(0, 0, 128),   RGB(0, 128, 0),   RGB(0, 128, 128),
    RGB(128, 0, 0),     RGB(128, 0, 128), RGB(128, 128, 0), RGB(192, 192, 192),
    RGB(128, 128, 128), RGB(0, 0, 255),   RGB(0, 255, 0),   RGB(0, 255, 255),
    RGB(255, 0, 0),     RGB(255, 0, 255), RGB(255, 255, 0), RGB(255, 255, 255),
};

}  // namespace ui
