#pragma once
#include <QFont>
#include <QString>

namespace ui {

// A font as the layout names it: a design family, a point size and weight.
struct FontSpec {
    const char* family = "Arial";
    float points = 8.25f;
    bool bold = false;
};

// The step by which a caption that cannot fit is made smaller (one pixel at 96 dpi).
constexpr float kFitStepPoints = 0.75f;

// Text about to be shown passes here first, so that fonts holding the characters the design
// faces lack can be made ready before it is measured or drawn (see app/fontconfiguration).
void prepareText(const QString& text);
void setTextPreparer(void (*prepare)(const QString& text));

// The installed face that stands in for a design family.
QString installedFamily(const QString& designFamily);

// The Qt font for a design font at the design scale (15 twips to a pixel), with a point size
// override. Text is measured with it and drawn through a DesignScale painter.
QFont makeFont(const FontSpec& design, float points);
inline QFont makeFont(const FontSpec& design) {
    return makeFont(design, design.points);
}

}  // namespace ui
