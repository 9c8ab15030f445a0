#pragma once
#include <QWidget>

namespace ui {

class Control;

// The Qt widget behind every control: it paints through its control and turns Qt's mouse
// events into the control's events. Qt grabs the mouse on press, so a drag stays with it.
class ControlWidget final : public QWidget {
  public:
    ControlWidget(Control& control, QWidget* parent);
    void detach() { control_ = nullptr; }
    // The control painted here; null once it is gone.
    Control* control() const { return control_; }
    // What a user's click does, for assistive technology's press and toggle actions.
    void activate();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    Control* control_;
    bool pressed_ = false;
};

}  // namespace ui
