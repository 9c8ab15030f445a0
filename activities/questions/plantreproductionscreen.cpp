#include "activities/questions/plantreproductionscreen.h"

#include "activities/questions/plantreproductiontable.h"

using namespace questions;

PlantReproductionScreen::PlantReproductionScreen()
    : TrueFalseScreen(Name, "Plant Reproduction",
                      "Is the statement below true or false? Click the correct button.",
                      {8400, 120, 3195, 3150}) {}

void PlantReproductionScreen::showScreenPicture() {
    showPicture(flowerPicture, "Images\\flower.jpg");
}

void PlantReproductionScreen::fillStatements() {
    statement.assign(31, QString());
    rightAnswers.assign(31, 0);
    for (int i = 0; i < 30; ++i) {
        statement[i] = QString::fromUtf8(kStatements[i].text);
        rightAnswers[i] = kStatements[i].rightAnswer;
    }
}
