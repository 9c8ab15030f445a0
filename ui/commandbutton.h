#pragma once
#include "ui/colour.h"
#include "ui/control.h"
#include "ui/fonts.h"
#include "ui/pictures.h"

namespace ui {

// A push button with a caption, or a picture button in the graphical style.
class CommandButton : public Control {
  public:
    using Control::Control;

    const QString& Caption() const { return caption_; }
    void setCaption(const QString& c);
    QString shownCaption() const override { return caption_; }
    bool captionFits() const override;
    const Picture& picture() const { return picture_; }
    void setPicture(const Picture& p);
    Colour BackColor() const { return back_; }
    void setBackColor(Colour c);
    void setFont(const FontSpec& f);

  protected:
    void paint(QPainter& painter, const QRect& rect) const override;

  private:
    QString caption_;
    Picture picture_;
    Colour back_ = colours::kButtonFace;
    FontSpec font_{"Arial", 8.25f, false};
};

}  // namespace ui
