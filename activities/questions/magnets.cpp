#include "activities/questions/magnets.h"

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

MagnetsSection::MagnetsSection(const MagnetsSectionDesign& design)
    : QuestionScreen(design.name, "Magnets", design.commands), design_(design) {
    Label5.add(1).applyDesign(design.question);
    for (int s = 0; s < design.slotCount; ++s) {
        const SlotDesign& slot = design.slots[s];
        Image1.add(slot.index).setGeometry(slot.left, slot.top, slot.width, slot.height);
    }
    for (int i = 0; i < 3; ++i) {
        Label4.add(i).applyDesign(buttonDesign(kAnswerLefts[i], design.answerTop, kAnswerWidth,
                                               kAnswerHeight, design.answerCaptions[i], kAnswerFont,
                                               colours::kBlue));
    }
    Label5.add(2).applyDesign(design.praise);
    Label5.add(0).applyDesign(design.answerInWords);
    Label4.Click = bind(this, &MagnetsSection::Label4_Click);
}

void MagnetsSection::Form_Load() {
    setupWithBackground(kBackground);
    calculate();
}

void MagnetsSection::calculate() {
    for (int slot : Image1.indices()) Image1(slot).setVisible(false);
    questno = drawIndex(8);
    const MagnetQuestion& q = design_.questions[questno];
    showPicture(Image1(q.slot), q.picture);
    Image1(q.slot).setVisible(true);
    Label5(1).setCaption(q.question);
    rightans = q.rightans;
    Label5(0).setCaption(design_.answerText[rightans != 0 ? 1 : 0]);
}

void MagnetsSection::Label4_Click(int Index) {
    if (Index == rightans) {
        Label5(2).setVisible(true);
    } else {
        Label5(2).setVisible(false);
        Label5(0).setVisible(true);
    }
}

void MagnetsSection::exitActivity() {
    if (Form* other = forms().find(design_.otherSection)) forms().unload(*other);
    forms().unload(*this);
}

void MagnetsSection::revealAnswer() {
    Label5(0).setVisible(true);
}

void MagnetsSection::newQuestion() {
    Label5(0).setVisible(false);
    Label5(2).setVisible(false);
    calculate();
}

void MagnetsSection::switchSection() {
    forms().show(design_.otherSection);
    forms().unload(*this);
}
