#include "activities/questions/magnetsscreen.h"

#include "ui/formregistry.h"

using namespace ui;
using namespace questions;

namespace {
constexpr Colour kBackground = RGB(39, 63, 137);
constexpr FontSpec kAnswerFont{"Tahoma", 15.75f, true};
constexpr float kAnswerLefts[3] = {1560, 4560, 7560};
constexpr float kAnswerWidth = 2565;
constexpr float kAnswerHeight = 495;
}  // namespace

MagnetsScreen::MagnetsScreen(const MagnetsSectionDesign& design)
    : QuestionScreen(design.name, "Magnets", design.commands), design_(design) {
    messages.add(1).applyDesign(design.question);
    for (int s = 0; s < design.slotCount; ++s) {
        const SlotDesign& slot = design.slots[s];
        pictures.add(slot.index).setGeometry(slot.left, slot.top, slot.width, slot.height);
    }
    for (int i = 0; i < 3; ++i) {
        answerButtons.add(i).applyDesign(
            buttonDesign(kAnswerLefts[i], design.answerTop, kAnswerWidth, kAnswerHeight,
                         design.answerCaptions[i], kAnswerFont, colours::kBlue));
    }
    messages.add(2).applyDesign(design.praise);
    messages.add(0).applyDesign(design.answerInWords);
    answerButtons.Click = bind(this, &MagnetsScreen::answerClicked);
}

void MagnetsScreen::onLoad() {
    setupWithBackground(kBackground);
    showQuestion();
}

void MagnetsScreen::showQuestion() {
    for (int slot : pictures.indices()) pictures(slot).setVisible(false);
    questionNumber = drawQuestion(8, questionNumber);
    const MagnetQuestion& q = design_.questions[questionNumber];
    showPicture(pictures(q.slot), q.picture);
    pictures(q.slot).setVisible(true);
    messages(1).setCaption(q.question);
    rightAnswer = q.rightAnswer;
    messages(0).setCaption(design_.answerText[rightAnswer != 0 ? 1 : 0]);
}

void MagnetsScreen::answerClicked(int index) {
    if (index == rightAnswer) {
        showFeedback(messages(2));
    } else {
        messages(2).setVisible(false);
        showFeedback(messages(0));
    }
}

void MagnetsScreen::exitActivity() {
    if (Form* other = forms().find(design_.otherSection)) forms().unload(*other);
    forms().unload(*this);
}

void MagnetsScreen::revealAnswer() {
    showFeedback(messages(0));
}

void MagnetsScreen::newQuestion() {
    messages(0).setVisible(false);
    messages(2).setVisible(false);
    showQuestion();
}

void MagnetsScreen::switchSection() {
    forms().show(design_.otherSection);
    forms().unload(*this);
}
