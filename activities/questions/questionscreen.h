#pragma once
// What every question screen has: command buttons that act by their role (their indexes
// differ from screen to screen), their hover highlight and the random draw.
#include <QCoreApplication>
#include <cstdint>
#include <span>

#include "speech/speakerbutton.h"
#include "ui/controlarray.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/picturebox.h"

namespace questions {

// The praise shared by the magnets and circuits screens: two blanks after the mark.
constexpr const char* kWellDone = QT_TRANSLATE_NOOP("Screens", "Correct!  Well Done");

// What a command button does. The section button keeps its black fill on the background.
enum class Command { Exit, Answer, NewQuestion, OtherSection };

struct CommandDesign {
    Command role;
    float left, top, width;
    const char* caption;  // a design caption (ui/screentext.h)
};

constexpr ui::FontSpec kTimes(float points) {
    return {"Times New Roman", points, false};
}

// The question screens' look, which their plans check every text against.
constexpr ui::FontSpec kCommandFont{"Tahoma", 15.75f, true};
constexpr float kCommandHeight = 495;
constexpr ui::FontSpec kQuestionFont = kTimes(26.25f);
constexpr ui::FontSpec kAnswerButtonFont{"Tahoma", 15.75f, true};
constexpr ui::FontSpec kRightAnswerFont = kTimes(27.75f);  // the answer in words
constexpr ui::FontSpec kPraiseFont = kTimes(36);

// The program-wide label styles, under the names these screens use.
using ui::buttonDesign;
using ui::textDesign;

class QuestionScreen : public ui::Form {
  public:
    void commandClicked(int index);
    void pointerOverCommand(int index, int button, int shift, float x, float y);
    void onMouseMove(int button, int shift, float x, float y) override;
    void onCloseRequested() override { exitActivity(); }

    // The index of the command button with that role; -1 when the screen has none.
    int commandIndex(Command role) const;

    ui::ControlArray<ui::Label> commands{*this, "Label3"};
    speech::SpeakerButton speaker{*this, speech::kQuestionsCorner, [this] { return spokenText(); }};

    // What the speaker button reads: the instruction, the question or statement, the answers.
    virtual QString spokenText() const = 0;

  protected:
    // Command button i is commands[i]; they start opaque.
    QuestionScreen(const char* name, const char* caption, std::span<const CommandDesign> commands);

    // The common setup, then the screen's own background colour.
    void setupWithBackground(ui::Colour back);

    virtual void exitActivity();
    virtual void revealAnswer() = 0;
    virtual void newQuestion() = 0;
    virtual void switchSection() {}

    // One draw from the clock-seeded source: an index from 0 to count - 1.
    static std::int16_t drawIndex(int count);
    // The question to show: the first draw is over all of them; after that one draw over
    // the others than `showing`, so New Question always changes it and the odds stay even.
    std::int16_t drawQuestion(int count, int showing);
    // Shows praise or the answer, and reads it (as `spoken`, where that is given).
    static void showFeedback(ui::Label& message, const QString& spoken = {});
    // The question, then the answers shown, in order.
    static QString spokenQuestion(const QString& question,
                                  const ui::ControlArray<ui::Label>& answers);

  private:
    std::span<const CommandDesign> commands_;
    bool drawn_ = false;
};

}  // namespace questions
