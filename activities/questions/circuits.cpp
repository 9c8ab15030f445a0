#include "activities/questions/circuits.h"

#include "activities/questions/circuitstable.h"
#include "activities/questions/flashing.h"

using namespace ui;
using namespace questions;

namespace {

constexpr Colour kBackground = RGB(39, 63, 137);
constexpr FontSpec kAnswerFont{"Arial", 20.25f, true};
constexpr int kFlashInterval = 250;

constexpr CommandDesign kCommands[] = {
    {Command::Exit, 10560, 7920, 1245, "Exit"},
    {Command::Answer, 3000, 7920, 1845, "Answer"},
    {Command::NewQuestion, 120, 7920, 2565, "New Question"},
};

constexpr LabelDesign kQuestion = textDesign(720, 120, 10185, 705, kTimes(26.25f));
constexpr LabelDesign kInsulator =
    buttonDesign(3360, 4080, 2565, 525, "Insulator", kAnswerFont, colours::kBlue);
constexpr LabelDesign kConductor =
    buttonDesign(6480, 4080, 2565, 525, "Conductor", kAnswerFont, colours::kBlue);
constexpr LabelDesign kFeedback =
    textDesign(5520, 7800, 4665, 705, kTimes(27.75f), kWellDone, false);

// The fill of the right button: blue in phase 1, black in phase 0.
constexpr FlashColours kFlash{
    .fill = true, .phase = {colours::kBlack, colours::kBlue}, .steady = colours::kBlue};

}  // namespace

circuits::circuits() : QuestionScreen(Name, "Insulators and Conductors", kCommands) {
    Label5.add(1).applyDesign(kQuestion);
    // The circuit lies beneath everything; the material is drawn over its gap.
    Image1.add(0).setGeometry(0, 840, 12000, 6855);
    Image1(0).sendToBack();
    Image1.add(1).setGeometry(3885, 840, 3615, 915);
    Label4.add(0).applyDesign(kInsulator);
    Label4.add(1).applyDesign(kConductor);
    Label5.add(2).applyDesign(kFeedback);

    Label4.Click = bind(this, &circuits::Label4_Click);
    Timer1.Tick = bind(this, &circuits::Timer1_Timer);
}

void circuits::Form_Load() {
    setupWithBackground(kBackground);
    calculate();
}

void circuits::calculate() {
    questno = drawIndex(11);
    const Material& m = kMaterials[questno];
    showPicture(Image1(0), kCircuitOff);
    showPicture(Image1(1), m.picture);
    Label5(1).setCaption(m.question);
    rightans = m.rightans;
}

void circuits::showOutcome() {
    showPicture(Image1(0), rightans == 1 ? kCircuitOn : kCircuitNo);
}

void circuits::Label4_Click(int Index) {
    if (Index != rightans) {
        Label5(2).setCaption("Wrong, Try Again");
    } else {
        Label5(2).setCaption(kWellDone);
        Timer1.setEnabled(true);  // already flashing after "Answer": the countdown runs on
        showOutcome();
    }
    Label5(2).setVisible(true);
}

void circuits::revealAnswer() {
    showOutcome();
    Timer1.setEnabled(true);
}

void circuits::newQuestion() {
    Label5(2).setVisible(false);
    stopFlashing(kFlash, Timer1, flash, Label4);
    calculate();
}

void circuits::Timer1_Timer() {
    // From the first tick on, for as long as the screen lives; setting it again would only
    // restart the countdown, so it is set once.
    if (Timer1.Interval() != kFlashInterval) Timer1.setInterval(kFlashInterval);
    flashStep(kFlash, flash, Label4(rightans));
}
