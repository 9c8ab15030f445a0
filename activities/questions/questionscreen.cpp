#include "activities/questions/questionscreen.h"

#include <algorithm>

#include "speech/readaloud.h"
#include "speech/spoken.h"
#include "ui/formregistry.h"
#include "ui/platform.h"
#include "ui/programstate.h"

using namespace ui;

namespace questions {

QuestionScreen::QuestionScreen(const char* name, const char* caption,
                               std::span<const CommandDesign> designs)
    : Form(name), commands_(designs) {
    setCaption(caption);
    setBorderStyle(BorderStyle::FixedSingle);
    for (int i = 0; i < static_cast<int>(designs.size()); ++i) {
        const CommandDesign& c = designs[i];
        commands.add(i).applyDesign(buttonDesign(c.left, c.top, c.width, kCommandHeight, c.caption,
                                                 kCommandFont, colours::kBlack));
    }
    commands.Click = bind(this, &QuestionScreen::commandClicked);
    commands.MouseMove = bind(this, &QuestionScreen::pointerOverCommand);
}

void QuestionScreen::setupWithBackground(Colour back) {
    ProgramState::applyScreenLayout(*this);
    setBackColor(back);
}

int QuestionScreen::commandIndex(Command role) const {
    for (int i = 0; i < static_cast<int>(commands_.size()); ++i)
        if (commands_[i].role == role) return i;
    return -1;
}

void QuestionScreen::commandClicked(int index) {
    if (index < 0 || index >= static_cast<int>(commands_.size())) return;
    switch (commands_[index].role) {
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

void QuestionScreen::pointerOverCommand(int index, int, int, float, float) {
    commands(index).setOpaque(true);
}

void QuestionScreen::onMouseMove(int, int, float, float) {
    for (int i = 0; i < static_cast<int>(commands_.size()); ++i)
        if (commands_[i].role != Command::OtherSection) commands(i).setOpaque(false);
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

std::int16_t QuestionScreen::drawQuestion(int count, int showing) {
    if (!drawn_ || count < 2 || showing < 0 || showing >= count) {
        drawn_ = true;
        return drawIndex(count);
    }
    const std::int16_t other = drawIndex(count - 1);
    return static_cast<std::int16_t>(other < showing ? other : other + 1);
}

void QuestionScreen::showFeedback(Label& message, const QString& spoken) {
    message.setVisible(true);
    speech::say(spoken.isEmpty() ? message.Caption() : spoken);
}

QString QuestionScreen::spokenQuestion(const QString& question,
                                       const ControlArray<Label>& answers) {
    QStringList parts{question};
    for (int i : answers.indices())
        if (answers(i).Visible()) parts << answers(i).Caption();
    return speech::sentences(parts);
}

}  // namespace questions
