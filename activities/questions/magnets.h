#pragma once
// One design for the two magnets sections: a picture, three answer buttons, praise, the
// answer in words, and a button to the other section. Each section brings its own table.
#include <cstdint>

#include "activities/questions/magnetstables.h"
#include "activities/questions/questionscreen.h"

class MagnetsSection : public questions::QuestionScreen {
  public:
    void Form_Load() override;
    void calculate();
    void Label4_Click(int Index);

    const questions::MagnetsSectionDesign& design() const { return design_; }

    std::int16_t questno = 0;
    std::int16_t rightans = 0;

    ui::ControlArray<ui::Label> Label5{*this, "Label5"};
    ui::ControlArray<ui::PictureBox> Image1{*this, "Image1"};
    ui::ControlArray<ui::Label> Label4{*this, "Label4"};

  protected:
    explicit MagnetsSection(const questions::MagnetsSectionDesign& design);

    void exitActivity() override;
    void revealAnswer() override;
    void newQuestion() override;
    void switchSection() override;

  private:
    const questions::MagnetsSectionDesign& design_;
};

// Section 1: two magnets.
class magnets : public MagnetsSection {
  public:
    static constexpr const char* Name = "magnets";
    magnets() : MagnetsSection(questions::kMagnets1) {}
};

// Section 2: a magnet and a material.
class magnets2 : public MagnetsSection {
  public:
    static constexpr const char* Name = "magnets2";
    magnets2() : MagnetsSection(questions::kMagnets2) {}
};
