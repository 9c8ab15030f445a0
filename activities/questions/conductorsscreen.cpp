#include "activities/questions/conductorsscreen.h"

#include "activities/questions/conductorstable.h"
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

ConductorsScreen::ConductorsScreen()
    : QuestionScreen(Name, "Insulators and Conductors", kCommands) {
    messages.add(1).applyDesign(kQuestion);
    // The circuit lies beneath everything; the material is drawn over its gap.
    pictures.add(0).setGeometry(0, 840, 12000, 6855);
    pictures(0).sendToBack();
    pictures.add(1).setGeometry(3885, 840, 3615, 915);
    answerButtons.add(0).applyDesign(kInsulator);
    answerButtons.add(1).applyDesign(kConductor);
    messages.add(2).applyDesign(kFeedback);

    answerButtons.Click = bind(this, &ConductorsScreen::answerClicked);
    flashTimer.Tick = bind(this, &ConductorsScreen::flashTick);
}

void ConductorsScreen::onLoad() {
    setupWithBackground(kBackground);
    showQuestion();
}

void ConductorsScreen::showQuestion() {
    questionNumber = drawQuestion(11, questionNumber);
    const Material& m = kMaterials[questionNumber];
    showPicture(pictures(0), kCircuitOff);
    showPicture(pictures(1), m.picture);
    messages(1).setCaption(m.question);
    rightAnswer = m.rightAnswer;
}

void ConductorsScreen::showOutcome() {
    showPicture(pictures(0), rightAnswer == 1 ? kCircuitOn : kCircuitNo);
}

void ConductorsScreen::answerClicked(int index) {
    if (index != rightAnswer) {
        messages(2).setCaption("Wrong, Try Again");
    } else {
        messages(2).setCaption(kWellDone);
        flashTimer.setEnabled(true);  // already flashing after "Answer": the countdown runs on
        showOutcome();
    }
    showFeedback(messages(2));
}

void ConductorsScreen::revealAnswer() {
    showOutcome();
    flashTimer.setEnabled(true);
}

void ConductorsScreen::newQuestion() {
    messages(2).setVisible(false);
    stopFlashing(kFlash, flashTimer, flash, answerButtons);
    showQuestion();
}

void ConductorsScreen::flashTick() {
    // From the first tick on, for as long as the screen lives; setting it again would only
    // restart the countdown, so it is set once.
    if (flashTimer.Interval() != kFlashInterval) flashTimer.setInterval(kFlashInterval);
    flashStep(kFlash, flash, answerButtons(rightAnswer));
}
