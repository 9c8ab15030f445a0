#pragma once
// Fitting the program to the display: on a projector or a large board everything is drawn
// larger, so that the pupils at the back can read it.
#include <QSize>
#include <QSizeF>

namespace ui {

// The largest display scale, in steps of 0.25 from `lowest` up to `highest`, at which an outer
// window of `outerTwips` (at 15 twips to a pixel for scale 1) fits inside `available` pixels;
// `lowest` where none does.
float fittingScale(QSizeF outerTwips, QSize available, float lowest = 1.0f,
                   float highest = 1000.0f);

// Chooses the scale for the primary screen's available area (the desktop less its panels)
// and applies it to the twips mapping; gives the scale chosen. Call once, before any form.
float fitToDisplay(QSizeF outerTwips);

}  // namespace ui
