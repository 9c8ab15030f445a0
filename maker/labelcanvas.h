#pragma once
// The labelling picture as pupils will see it, with each label's box where the screen will
// put it (the same layout code) and its line. A click on the picture makes a label there;
// boxes and line ends are dragged; Delete removes; arrows nudge by a screen pixel (Shift:
// ten); Tab goes from label to label.
#include <QImage>
#include <QLineEdit>
#include <QPointer>
#include <QWidget>
#include <optional>

#include "activities/files/layout.h"
#include "maker/context.h"

namespace maker {

class LabelCanvas : public QWidget {
    Q_OBJECT
  public:
    LabelCanvas(Context& context, QWidget* parent = nullptr);

    // Lays the labels out again from the document.
    void refresh();
    void select(int label);
    int selected() const { return selected_; }
    // Where a point of the widget falls on the picture, in the picture's pixels, and back.
    QPointF toPicture(QPointF widgetPoint) const;
    QPointF fromPicture(QPointF picturePoint) const;
    // Boxes off the picture or over another, by label.
    std::vector<bool> misplaced() const;
    // Labels the check found a problem with, drawn as misplaced ones are.
    void flag(std::vector<int> labels) {
        flagged_ = std::move(labels);
        update();
    }
    bool hasPicture() const { return !pictureSize_.isEmpty(); }
    QSize pictureSize() const { return pictureSize_; }
    QLineEdit* wordEditor() const { return editor_; }
    QSize sizeHint() const override { return {600, 432}; }

  Q_SIGNALS:
    void selectionChanged();

  protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void mouseDoubleClickEvent(QMouseEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    bool focusNextPrevChild(bool next) override;

  private:
    enum class Grip { None, Box, LineEnd };
    // The twips of the screen's client area to widget pixels: scale and offset.
    double twipScale() const;
    QPointF twipOrigin() const;
    QRectF boxOnWidget(int label) const;
    std::pair<int, Grip> hit(QPointF widgetPoint) const;
    // Picture pixels for one widget pixel.
    double pixelsPerWidgetPixel() const;
    void makeLabel(QPointF picturePoint);
    void move(int label, Grip grip, QPointF by);
    void editWord(int label);
    void loadPicture();

    Context& context_;
    std::optional<activityfiles::DragPlan> plan_;
    QString picturePath_;
    QSize pictureSize_;
    QImage shown_;
    int selected_ = -1;
    Grip dragging_ = Grip::None;
    QPointF pressedAt_, dragBy_;
    QLineEdit* editor_ = nullptr;
    int editing_ = -1;
    std::vector<int> flagged_;
};

}  // namespace maker
