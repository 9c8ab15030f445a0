#pragma once
#include <QWidget>

namespace ui {

class Control;

// The Qt widget behind every control: it paints through its control and turns Qt's mouse
// events into the control's events. Qt grabs the mouse on press, so a drag stays with it.
// Keys go to the form's keyboard, whichever control has the focus.
class ControlWidget final : public QWidget {
  public:
    ControlWidget(Control& control, QWidget* parent);
    void detach() { control_ = nullptr; }
    // The control painted here; null once it is gone.
    Control* control() const { return control_; }
    // What a user's click does, for assistive technology's press and toggle actions.
    void activate();

  protected:
    bool event(QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    Control* control_;
    bool pressed_ = false;
};

}  // namespace ui
