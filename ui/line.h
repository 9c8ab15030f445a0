#pragma once
#include "ui/colour.h"
#include "ui/control.h"

namespace ui {

// A straight line between two points in twips; it never takes the pointer.
class Line : public Control {
  public:
    Line(Form& form, QString name, int index = -1, Control* container = nullptr);

    float X1() const { return x1_; }
    float Y1() const { return y1_; }
    float X2() const { return x2_; }
    float Y2() const { return y2_; }
    void setEnds(float x1, float y1, float x2, float y2);
    void setBorderColor(Colour c);
    void setBorderWidth(int pixels);

  protected:
    void paint(QPainter& painter, const QRect& rect) const override;
    bool acceptsMouse() const override { return false; }

  private:
    void place();

    float x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    Colour colour_ = colours::kBlack;
    int width_ = 1;
};

}  // namespace ui
