#pragma once
#include <QWidget>
#include <set>

#include "ui/mouse.h"

namespace ui {

class Control;

// The Qt widget behind every control: it paints through its control and turns the pointers'
// presses, moves and releases (the mouse's, and each touch point's, which its window hands
// on) into the control's events. Each pointer stays with the control it pressed, so a drag
// stays with it. Keys go to the form's keyboard, whichever control has the focus.
class ControlWidget final : public QWidget {
  public:
    ControlWidget(Control& control, QWidget* parent);
    void detach() { control_ = nullptr; }
    // The control painted here; null once it is gone.
    Control* control() const { return control_; }
    // What a user's click does, for assistive technology's press and toggle actions.
    void activate();

    // One pointer, already found to be over this control (or to have pressed it).
    void pointerPressed(const PointerEvent& e);
    void pointerMoved(const PointerEvent& e);
    void pointerReleased(const PointerEvent& e);

  protected:
    bool event(QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    Control* control_;
    std::set<int> pressedBy_;  // the pointers whose left button or touch went down here
    Taps taps_;
};

}  // namespace ui
