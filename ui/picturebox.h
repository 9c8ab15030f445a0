#pragma once
#include <optional>

#include "ui/colour.h"
#include "ui/control.h"
#include "ui/pictures.h"

namespace ui {

// A picture slot: an image control (transparent, own size or stretched) or a picture box
// (its own background colour and border).
class PictureBox : public Control {
  public:
    using Control::Control;

    const Picture& picture() const { return picture_; }
    void setPicture(const Picture& p);
    void setStretch(bool s);
    std::optional<Colour> BackColor() const { return back_; }
    void setBackColor(Colour c);
    void setBorder(bool b);

  protected:
    void paint(QPainter& painter, const QRect& rect) const override;
    // Without a handler the pointer passes on to what lies beneath.
    bool acceptsMouse() const override { return listened(); }

  private:
    Picture picture_;
    bool stretch_ = false;
    bool border_ = false;
    std::optional<Colour> back_;
};

}  // namespace ui
