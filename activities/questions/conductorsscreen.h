#pragma once
// Insulators and conductors: a material in the gap of a circuit; the right answer lights
// the bulb or shows that no current flows, and its button flashes until the next material.
#include <cstdint>

#include "activities/questions/questionscreen.h"
#include "ui/timer.h"

class ConductorsScreen : public questions::QuestionScreen {
  public:
    static constexpr const char* Name = "circuits";
    ConductorsScreen();

    void onLoad() override;
    void showQuestion();
    void answerClicked(int index);
    QString spokenText() const override {
        return spokenQuestion(messages(1).Caption(), answerButtons);
    }
    void flashTick();

    std::int16_t questionNumber = 0;
    std::int16_t rightAnswer = 0;
    std::int16_t flash = 0;

    ui::ControlArray<ui::PictureBox> pictures{*this, "Image1"};
    ui::ControlArray<ui::Label> messages{*this, "Label5"};
    ui::ControlArray<ui::Label> answerButtons{*this, "Label4"};
    // 1 ms as designed: the first tick after loading comes at once and sets 250 ms for good.
    ui::Timer flashTimer{*this, 1};

  protected:
    void revealAnswer() override;
    void newQuestion() override;

  private:
    void showOutcome();
};
