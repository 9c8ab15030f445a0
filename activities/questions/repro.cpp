#include "activities/questions/repro.h"

#include "activities/questions/flashing.h"
#include "activities/questions/reprotable.h"

using namespace ui;
using namespace questions;

namespace {

constexpr Colour kBackground = RGB(0, 78, 152);
constexpr Colour kWhite = RGB(255, 255, 255);
constexpr FontSpec kAnswerFont{"Arial", 48, true};

constexpr CommandDesign kCommands[] = {
    {Command::Exit, 10560, 7920, 1245, "Exit"},
    {Command::NewQuestion, 120, 7920, 2565, "New Question"},
    {Command::Answer, 4920, 7920, 2085, "Answer"},
};

constexpr LabelDesign kInstruction =
    textDesign(120, 960, 8265, 1425, kTimes(27.75f),
               "Is the statement below true or false? Click the correct button.");
constexpr LabelDesign kStatement =
    textDesign(240, 3240, 11385, 1995, {"Arial", 36, true}, "", false);
constexpr LabelDesign kTrue =
    buttonDesign(1800, 5520, 3555, 1200, "TRUE", kAnswerFont, colours::kBlack);
constexpr LabelDesign kFalse =
    buttonDesign(6480, 5520, 3555, 1200, "FALSE", kAnswerFont, colours::kBlack);
constexpr LabelDesign kFeedback = textDesign(1800, 6960, 8265, 945, kTimes(36), "", false);

// The text of the right button: white in phase 1, yellow in phase 0.
constexpr FlashColours kFlash{
    .fill = false, .phase = {colours::kYellow, kWhite}, .steady = colours::kYellow};

}  // namespace

repro::repro() : QuestionScreen(Name, "Plant Reproduction", kCommands) {
    Image1.setGeometry(8400, 120, 3195, 3150);
    Label7.add(3).applyDesign(kInstruction);
    Label7.add(0).applyDesign(kStatement);
    Label1.add(0).applyDesign(kTrue);
    Label1.add(1).applyDesign(kFalse);
    Label7.add(1).applyDesign(kFeedback);

    Label1.Click = bind(this, &repro::Label1_Click);
    Timer1.Tick = bind(this, &repro::Timer1_Timer);
    Timer2.Tick = bind(this, &repro::Timer2_Timer);
}

void repro::Form_Load() {
    setupWithBackground(kBackground);
    showPicture(Image1, "Images\\flower.jpg");
    questioninput();
    calculate();
    Timer2.setEnabled(true);
}

void repro::questioninput() {
    for (int i = 0; i < 30; ++i) {
        statement[i] = QString::fromUtf8(kStatements[i].text);
        truefalse[i] = kStatements[i].truefalse;
    }
}

void repro::calculate() {
    questno = drawIndex(30);
    Label7(0).setCaption(statement[questno]);
}

void repro::Timer2_Timer() {
    Label7(0).setVisible(true);
    Timer2.setEnabled(false);
}

void repro::Label1_Click(int Index) {
    if (Timer1.Enabled()) return;  // settled: the right button is flashing
    if (Index != truefalse[questno]) {
        Label7(1).setCaption("Wrong, Try Again.");
        Label7(1).setVisible(true);
    } else {
        Label7(1).setCaption("Correct, Well Done!");
        Label7(1).setVisible(true);
        Timer1.setEnabled(true);
    }
}

void repro::revealAnswer() {
    Label7(1).setVisible(false);
    Timer1.setEnabled(true);
}

void repro::newQuestion() {
    Label7(1).setVisible(false);
    stopFlashing(kFlash, Timer1, flash, Label1);
    calculate();
}

void repro::Timer1_Timer() {
    flashStep(kFlash, flash, Label1(truefalse[questno]));
}
