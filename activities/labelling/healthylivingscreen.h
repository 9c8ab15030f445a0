#pragma once
#include <QString>
#include <array>

#include "activities/labelling/labellingscreen.h"
#include "ui/choice.h"
#include "ui/timer.h"

// Healthy Living: six words are dragged into the gaps of a passage about smoking.
class HealthyLivingScreen : public LabellingScreen {
  public:
    static constexpr const char* Name = "healthy";
    // Passages that activity files add: option i's caption and the screen that shows its
    // passage (none: the option stays greyed). Option 0, smoking, is this screen's own.
    struct OtherPassage {
        QString caption;
        QString screen;
    };
    explicit HealthyLivingScreen(const std::array<OtherPassage, 4>& others = {});

    void onLoad() override;
    void passageChosen(int index);
    void showOptions();

    ui::Label passageText{*this, "Label5"};
    ui::Label instruction{*this, "Label7"};
    ui::ControlArray<ui::OptionButton> passages{*this, "Option1"};
    ui::Timer showOptionsTimer{*this, 1};

    const std::array<OtherPassage, 4> otherPassages;

  protected:
    void loadScreen() override;
    QString spokenText() const override;
};
