#pragma once
// One design for the two magnets sections: a picture, three answer buttons, praise, the
// answer in words, and a button to the other section. Each section brings its own table.
#include <cstdint>

#include "activities/questions/magnetstables.h"
#include "activities/questions/questionscreen.h"

class MagnetsScreen : public questions::QuestionScreen {
  public:
    void onLoad() override;
    void showQuestion();
    void answerClicked(int index);
    QString spokenText() const override {
        return spokenQuestion(messages(1).Caption(), answerButtons);
    }

    const questions::MagnetsSectionDesign& design() const { return design_; }

    std::int16_t questionNumber = 0;
    std::int16_t rightAnswer = 0;

    ui::ControlArray<ui::Label> messages{*this, "Label5"};
    ui::ControlArray<ui::PictureBox> pictures{*this, "Image1"};
    ui::ControlArray<ui::Label> answerButtons{*this, "Label4"};

  protected:
    explicit MagnetsScreen(const questions::MagnetsSectionDesign& design);

    void exitActivity() override;
    void revealAnswer() override;
    void newQuestion() override;
    void switchSection() override;

  private:
    const questions::MagnetsSectionDesign& design_;
};

// Section 1: two magnets.
class TwoMagnetsScreen : public MagnetsScreen {
  public:
    static constexpr const char* Name = "magnets";
    TwoMagnetsScreen() : MagnetsScreen(questions::kMagnets1) {}
};

// Section 2: a magnet and a material.
class MagnetAndMaterialScreen : public MagnetsScreen {
  public:
    static constexpr const char* Name = "magnets2";
    MagnetAndMaterialScreen() : MagnetsScreen(questions::kMagnets2) {}
};
