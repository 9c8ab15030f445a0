#pragma once
#include "ui/colour.h"
#include "ui/control.h"

namespace ui {

// A frame: a box with an etched border that holds other controls.
class Frame : public Control {
  public:
    using Control::Control;
    void setBackColor(Colour c);
    void setBorder(bool b);

  protected:
    void paint(QPainter& painter, const QRect& rect) const override;
    bool acceptsMouse() const override { return false; }

  private:
    Colour back_ = colours::kButtonFace;
    bool border_ = true;
};

}  // namespace ui
