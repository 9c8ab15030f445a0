#include "activities/questions/questionscreen.h"

#include <algorithm>

#include "activities/questions/picturetexts.h"
#include "ui/formregistry.h"
#include "ui/module1.h"
#include "ui/platform.h"

using namespace ui;

namespace questions {

namespace {
constexpr FontSpec kCommandFont{"Tahoma", 15.75f, true};
constexpr float kCommandHeight = 495;
}  // namespace

QuestionScreen::QuestionScreen(const char* name, const char* caption,
                               std::span<const CommandDesign> commands)
    : Form(name), commands_(commands) {
    setCaption(caption);
    setBorderStyle(BorderStyle::FixedSingle);
    for (int i = 0; i < static_cast<int>(commands.size()); ++i) {
        const CommandDesign& c = commands[i];
        Label3.add(i).applyDesign(buttonDesign(c.left, c.top, c.width, kCommandHeight, c.caption,
                                               kCommandFont, colours::kBlack));
    }
    Label3.Click = bind(this, &QuestionScreen::Label3_Click);
    Label3.MouseMove = bind(this, &QuestionScreen::Label3_MouseMove);
}

void QuestionScreen::setupWithBackground(Colour back) {
    Module1::setupscreen(*this);
    setBackColor(back);
}

int QuestionScreen::commandIndex(Command role) const {
    for (int i = 0; i < static_cast<int>(commands_.size()); ++i)
        if (commands_[i].role == role) return i;
    return -1;
}

void QuestionScreen::Label3_Click(int Index) {
    if (Index < 0 || Index >= static_cast<int>(commands_.size())) return;
    switch (commands_[Index].role) {
        case Command::Exit:
            exitActivity();
            break;
        case Command::Answer:
            revealAnswer();
            break;
        case Command::NewQuestion:
            newQuestion();
            break;
        case Command::OtherSection:
            switchSection();
            break;
    }
}

void QuestionScreen::Label3_MouseMove(int Index, int, int, float, float) {
    Label3(Index).setOpaque(true);
}

void QuestionScreen::Form_MouseMove(int, int, float, float) {
    for (int i = 0; i < static_cast<int>(commands_.size()); ++i)
        if (commands_[i].role != Command::OtherSection) Label3(i).setOpaque(false);
}

void QuestionScreen::exitActivity() {
    forms().unload(*this);
}

std::int16_t QuestionScreen::drawIndex(int count) {
    platform().randomize();
    const int index = static_cast<int>(platform().rnd() * count);
    // A source that ever gave 1.0 (or less than 0) must not reach past the table.
    return static_cast<std::int16_t>(std::clamp(index, 0, count - 1));
}

void QuestionScreen::showPicture(PictureBox& slot, const char* file) {
    slot.setPicture(LoadPicture(file).value_or(Picture()));
    slot.setDescription(QString::fromUtf8(pictureText(file)));
}

}  // namespace questions
