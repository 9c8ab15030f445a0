#pragma once
// The speaker button of an activity screen: shown while reading aloud is on, it reads what
// the screen gives it (the instruction, the question and its answers, the passage).
#include <functional>

#include "speech/readaloud.h"
#include "ui/commandbutton.h"

namespace speech {

// The free corner each kind of screen keeps for its speaker button, a square of kSpeakerSide.
struct Corner {
    float left, top;
};
constexpr float kSpeakerSide = 495;
// Labelling, sorting and passages: left of Start Again, in the row of the buttons.
constexpr Corner kLabellingCorner{120, 7920};
// Questions and true or false: left of the question, above the instruction.
constexpr Corner kQuestionsCorner{120, 120};
// Scrambled Words: above New Question.
constexpr Corner kWordGameCorner{240, 7080};

class SpeakerButton : public ui::CommandButton {
  public:
    SpeakerButton(ui::Form& screen, Corner corner, std::function<QString()> text);

    void read() const;

  private:
    void follow();

    std::function<QString()> text_;
    bool dressed_ = false;
    Watch watch_{[this] { follow(); }};
};

}  // namespace speech
