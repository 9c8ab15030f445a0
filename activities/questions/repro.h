#pragma once
// Plant reproduction, true or false: a statement at a time; the right button flashes and
// both buttons are locked until the next statement.
#include <QString>
#include <cstdint>

#include "activities/questions/questionscreen.h"
#include "ui/timer.h"

class repro : public questions::QuestionScreen {
  public:
    static constexpr const char* Name = "repro";
    repro();

    void Form_Load() override;
    void questioninput();
    void calculate();
    void Label1_Click(int Index);
    void Timer1_Timer();
    void Timer2_Timer();

    QString statement[31];  // entry 30 stays empty and is never drawn
    std::int16_t truefalse[31] = {};
    std::int16_t questno = 0;
    std::int16_t flash = 0;

    ui::PictureBox Image1{*this, "Image1"};
    ui::ControlArray<ui::Label> Label7{*this, "Label7"};
    ui::ControlArray<ui::Label> Label1{*this, "Label1"};
    ui::Timer Timer1{*this, 200};  // the flashing
    ui::Timer Timer2{*this, 1};    // shows the statement once the screen is up

  protected:
    void revealAnswer() override;
    void newQuestion() override;
};
