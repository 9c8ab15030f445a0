#pragma once
// Plant reproduction, true or false: thirty statements about flowers, seeds and pollination.
#include "activities/questions/truefalsescreen.h"

class PlantReproductionScreen : public questions::TrueFalseScreen {
  public:
    static constexpr const char* Name = "repro";
    PlantReproductionScreen();

    void fillStatements() override;

    ui::PictureBox& flowerPicture = picture;

  protected:
    void showScreenPicture() override;
};
