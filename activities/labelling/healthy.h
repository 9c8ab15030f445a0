#pragma once
#include "activities/labelling/labellingscreen.h"
#include "ui/choice.h"
#include "ui/timer.h"

// Healthy Living: six words are dragged into the gaps of a passage about smoking.
class healthy : public LabellingScreen {
  public:
    static constexpr const char* Name = "healthy";
    healthy();

    void Form_Load() override;
    void Option1_Click(int Index);
    void Timer1_Timer();

    ui::Label Label5{*this, "Label5"};
    ui::Label Label7{*this, "Label7"};
    ui::ControlArray<ui::OptionButton> Option1{*this, "Option1"};
    ui::Timer Timer1{*this, 1};

  protected:
    void loadScreen() override;
};
