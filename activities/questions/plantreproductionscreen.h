#pragma once
// Plant reproduction, true or false: a statement at a time; the right button flashes and
// both buttons are locked until the next statement.
#include <QString>
#include <cstdint>

#include "activities/questions/questionscreen.h"
#include "ui/timer.h"

class PlantReproductionScreen : public questions::QuestionScreen {
  public:
    static constexpr const char* Name = "repro";
    PlantReproductionScreen();

    void onLoad() override;
    void fillStatements();
    void showQuestion();
    void answerClicked(int index);
    void flashTick();
    void showFirstStatement();

    QString statement[31];  // entry 30 stays empty and is never drawn
    std::int16_t rightAnswers[31] = {};
    std::int16_t questionNumber = 0;
    std::int16_t flash = 0;

    ui::PictureBox flowerPicture{*this, "Image1"};
    ui::ControlArray<ui::Label> messages{*this, "Label7"};
    ui::ControlArray<ui::Label> answerButtons{*this, "Label1"};
    ui::Timer flashTimer{*this, 200};    // the flashing
    ui::Timer statementTimer{*this, 1};  // shows the statement once the screen is up

  protected:
    void revealAnswer() override;
    void newQuestion() override;
};
