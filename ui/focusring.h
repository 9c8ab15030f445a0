#pragma once
#include <QFocusFrame>

namespace ui {

// The ring round the control that the keys act on: a white band with a black line on each
// side, drawn outside the control so that it hides nothing of it and moves nothing; a word
// carried by the keys casts a shadow as well. Qt keeps it with its control as that moves.
class FocusRing final : public QFocusFrame {
  public:
    explicit FocusRing(QWidget* window);

    // The white band, in twips: 3 pixels at scale 1, more on a larger display.
    static constexpr float kBandTwips = 45;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace ui
