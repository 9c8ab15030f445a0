#pragma once
// Check boxes and option buttons. Setting the value from code raises Click, as the layout
// expects; a user's click on an option raises Click once, for that option only.
#include "ui/colour.h"
#include "ui/control.h"
#include "ui/fonts.h"

namespace ui {

class ChoiceControl : public Control {
  public:
    using Control::Control;

    const QString& Caption() const { return caption_; }
    void setCaption(const QString& c);
    QString shownCaption() const override { return caption_; }
    bool captionFits() const override;
    void setForeColor(Colour c);
    void setBackColor(Colour c);
    void setFont(const FontSpec& f);
    // A click ticks or chooses it, whether or not a handler listens.
    bool reactsToClick() const override { return true; }

  protected:
    void paintChoice(QPainter& painter, const QRect& area, bool round, bool marked) const;

  private:
    // Where the tick mark and the caption are drawn, at the design scale.
    QRect markRect() const;
    QRect captionRect() const;

    QString caption_;
    Colour fore_ = colours::kBlack;
    Colour back_ = colours::kButtonFace;
    FontSpec font_{"Arial", 8.25f, false};
};

class CheckBox : public ChoiceControl {
  public:
    using ChoiceControl::ChoiceControl;
    int Value() const { return value_; }  // 0 unticked, 1 ticked
    void setValue(int v);

  protected:
    void paint(QPainter& painter, const QRect& rect) const override;
    void userClick() override { setValue(value_ ? 0 : 1); }

  private:
    int value_ = 0;
};

// Option buttons of one container exclude each other.
class OptionButton : public ChoiceControl {
  public:
    using ChoiceControl::ChoiceControl;
    bool Value() const { return value_; }
    void setValue(bool v);

  protected:
    void paint(QPainter& painter, const QRect& rect) const override;
    void userClick() override { setValue(true); }

  private:
    bool value_ = false;
};

}  // namespace ui
