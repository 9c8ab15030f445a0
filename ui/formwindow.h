#pragma once
#include <QWidget>

namespace ui {

class Form;

// The top-level Qt window behind a form: it paints the background and passes the pointer
// over the bare background, and the window system's close request, to the form.
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
};

}  // namespace ui
