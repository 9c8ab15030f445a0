#pragma once
// Insulators and conductors: a material in the gap of a circuit; the right answer lights
// the bulb or shows that no current flows, and its button flashes until the next material.
#include <cstdint>

#include "activities/questions/questionscreen.h"
#include "ui/timer.h"

class circuits : public questions::QuestionScreen {
  public:
    static constexpr const char* Name = "circuits";
    circuits();

    void Form_Load() override;
    void calculate();
    void Label4_Click(int Index);
    void Timer1_Timer();

    std::int16_t questno = 0;
    std::int16_t rightans = 0;
    std::int16_t flash = 0;

    ui::ControlArray<ui::PictureBox> Image1{*this, "Image1"};
    ui::ControlArray<ui::Label> Label5{*this, "Label5"};
    ui::ControlArray<ui::Label> Label4{*this, "Label4"};
    // 1 ms as designed: the first tick after loading comes at once and sets 250 ms for good.
    ui::Timer Timer1{*this, 1};

  protected:
    void revealAnswer() override;
    void newQuestion() override;

  private:
    void showOutcome();
};
