#pragma once
#include <QWidget>

#include "ui/mouse.h"
#include "ui/touch.h"

namespace ui {

class Form;

// The top-level Qt window behind a form: it paints the background and passes the pointers
// over the bare background, and the window system's close request, to the form. It takes
// the window's touches and hands each point on (ui/touch.h).
class FormWindow final : public QWidget {
  public:
    explicit FormWindow(Form& form);
    void detach() { form_ = nullptr; }
    // Painted by the display server alone: no paint reaches the window.
    void setFilledOnServer() {
        filledOnServer_ = true;
        setAttribute(Qt::WA_PaintOnScreen);
    }
    QPaintEngine* paintEngine() const override {
        return filledOnServer_ ? nullptr : QWidget::paintEngine();
    }

    // One pointer on the bare background.
    void pointerPressed(const PointerEvent& e);
    void pointerMoved(const PointerEvent& e);
    void pointerReleased(const PointerEvent& e);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    Form* form_;
    bool filledOnServer_ = false;
    Taps taps_;
    TouchPoints touches_{*this};
};

}  // namespace ui
