#pragma once
// The true-or-false engine: a statement at a time, drawn at random; the right button flashes
// and both buttons are locked until the next statement.
#include <QRectF>
#include <QString>
#include <cstdint>
#include <vector>

#include "activities/questions/flashing.h"
#include "activities/questions/questionscreen.h"
#include "ui/timer.h"

namespace questions {

// The parts of the screen that show a file's words, which its plan checks them against.
constexpr ui::LabelDesign kTrueFalseInstruction =
    textDesign(120, 960, 8265, 1425, kRightAnswerFont);
constexpr ui::LabelDesign kStatementDesign =
    textDesign(240, 3240, 11385, 1995, {"Arial", 36, true}, "", false);

class TrueFalseScreen : public QuestionScreen {
    Q_DECLARE_TR_FUNCTIONS(TrueFalseScreen)

  public:
    void onLoad() override;
    void showQuestion();
    void answerClicked(int index);
    void flashTick();
    void showFirstStatement();
    QString spokenText() const override;

    // One entry more than there are statements; the last stays empty and is never drawn.
    std::vector<QString> statement;
    std::vector<std::int16_t> rightAnswers;  // 0 TRUE, 1 FALSE
    std::int16_t questionNumber = 0;
    std::int16_t flash = 0;

    ui::PictureBox picture{*this, "Image1"};
    ui::ControlArray<ui::Label> messages{*this, "Label7"};
    ui::ControlArray<ui::Label> answerButtons{*this, "Label1"};
    ui::Timer flashTimer{*this, 200};    // the flashing
    ui::Timer statementTimer{*this, 1};  // shows the statement once the screen is up

    // The screen's colour and how the right button flashes: its text, white then yellow, a
    // colour every 200 ms, unless its activity says otherwise.
    ui::Colour background;
    FlashColours flashing;
    int flashEvery = 200;

  protected:
    TrueFalseScreen(const char* name, const QString& caption, const QString& instruction,
                    const QRectF& pictureRect);

    // Fills statement and rightAnswers.
    virtual void fillStatements() = 0;
    virtual void showScreenPicture() = 0;
    // The statement drawn, as it is read aloud.
    virtual QString spokenStatement() const { return statement[questionNumber]; }
    void revealAnswer() override;
    void newQuestion() override;

  private:
    int statementCount() const { return static_cast<int>(statement.size()) - 1; }
};

}  // namespace questions
