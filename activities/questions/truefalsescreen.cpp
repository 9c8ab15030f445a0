#include "activities/questions/truefalsescreen.h"

#include "speech/spoken.h"

using namespace ui;

namespace questions {

namespace {

constexpr Colour kBackground = RGB(0, 78, 152);
constexpr Colour kWhite = RGB(255, 255, 255);
constexpr FontSpec kAnswerFont{"Arial", 48, true};

constexpr CommandDesign kCommands[] = {
    {Command::Exit, 10560, 7920, 1245, QT_TRANSLATE_NOOP("Screens", "Exit")},
    {Command::NewQuestion, 120, 7920, 2565, QT_TRANSLATE_NOOP("Screens", "New Question")},
    {Command::Answer, 4920, 7920, 2085, QT_TRANSLATE_NOOP("Screens", "Answer")},
};

constexpr LabelDesign kTrue = buttonDesign(
    1800, 5520, 3555, 1200, QT_TRANSLATE_NOOP("Screens", "TRUE"), kAnswerFont, colours::kBlack);
constexpr LabelDesign kFalse = buttonDesign(
    6480, 5520, 3555, 1200, QT_TRANSLATE_NOOP("Screens", "FALSE"), kAnswerFont, colours::kBlack);
constexpr LabelDesign kFeedback = textDesign(1800, 6960, 8265, 945, kTimes(36), "", false);

// The text of the right button: white in phase 1, yellow in phase 0.
constexpr FlashColours kFlash{
    .fill = false, .phase = {colours::kYellow, kWhite}, .steady = colours::kYellow};

}  // namespace

TrueFalseScreen::TrueFalseScreen(const char* name, const QString& caption,
                                 const QString& instruction, const QRectF& pictureRect)
    : QuestionScreen(name, "", kCommands), background(kBackground), flashing(kFlash) {
    setCaption(caption);
    picture.setGeometry(
        static_cast<float>(pictureRect.left()), static_cast<float>(pictureRect.top()),
        static_cast<float>(pictureRect.width()), static_cast<float>(pictureRect.height()));
    messages.add(3).applyDesign(kTrueFalseInstruction);
    messages(3).setCaption(instruction);
    messages.add(0).applyDesign(kStatementDesign);
    answerButtons.add(0).applyDesign(kTrue);
    answerButtons.add(1).applyDesign(kFalse);
    messages.add(1).applyDesign(kFeedback);

    answerButtons.Click = bind(this, &TrueFalseScreen::answerClicked);
    flashTimer.Tick = bind(this, &TrueFalseScreen::flashTick);
    statementTimer.Tick = bind(this, &TrueFalseScreen::showFirstStatement);
}

void TrueFalseScreen::onLoad() {
    setupWithBackground(background);
    showScreenPicture();
    fillStatements();
    showQuestion();
    statementTimer.setEnabled(true);
}

void TrueFalseScreen::showQuestion() {
    questionNumber = drawQuestion(statementCount(), questionNumber);
    messages(0).setCaption(statement[questionNumber]);
}

void TrueFalseScreen::showFirstStatement() {
    messages(0).setVisible(true);
    statementTimer.setEnabled(false);
}

QString TrueFalseScreen::spokenText() const {
    return speech::sentences(
        {messages(3).Caption(), spokenQuestion(spokenStatement(), answerButtons)});
}

void TrueFalseScreen::answerClicked(int index) {
    if (flashTimer.Enabled()) return;  // settled: the right button is flashing
    if (index != rightAnswers[questionNumber]) {
        messages(1).setCaption(tr("Wrong, Try Again."));
    } else {
        messages(1).setCaption(tr("Correct, Well Done!"));
        flashTimer.setEnabled(true);
    }
    showFeedback(messages(1));
}

void TrueFalseScreen::revealAnswer() {
    messages(1).setVisible(false);
    flashTimer.setEnabled(true);
}

void TrueFalseScreen::newQuestion() {
    messages(1).setVisible(false);
    stopFlashing(flashing, flashTimer, flash, answerButtons);
    showQuestion();
}

void TrueFalseScreen::flashTick() {
    // The first tick may come sooner than the rest; it is set once, as setting it again would
    // restart the countdown.
    if (flashTimer.Interval() != flashEvery) flashTimer.setInterval(flashEvery);
    flashStep(flashing, flash, answerButtons(rightAnswers[questionNumber]));
}

}  // namespace questions
