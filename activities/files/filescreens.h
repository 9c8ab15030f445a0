#pragma once
// The screens made from activity files, each on the engine that plays its like: labelling,
// sorting and passages on the labelling engine, questions and true/false on theirs.
#include <QByteArray>
#include <functional>
#include <memory>
#include <vector>

#include "activities/files/activity.h"
#include "activities/files/layout.h"
#include "activities/labelling/labellingscreen.h"
#include "activities/questions/questionscreen.h"
#include "activities/questions/truefalsescreen.h"
#include "ui/choice.h"
#include "ui/line.h"
#include "ui/timer.h"

namespace activityfiles {

// The passages of one set, each on a screen of its own; an option shows another passage's
// screen in place of this one, as the magnets sections do.
struct PassageLinks {
    std::vector<QString> screens;  // one per option; empty: the option is greyed
    int chosen = 0;
};

// What the labelling engine reads from its layout must outlive the engine's construction.
struct DragTables {
    DragTables(const QString& title, const DragPlan& plan);
    QByteArray captionBytes;
    std::vector<QByteArray> wordBytes;
    std::vector<labelling::Word> wordTable;
    labelling::Layout engineLayout;
};

class FileDragScreen : private DragTables, public LabellingScreen {
  public:
    FileDragScreen(const QString& name, const QString& title, DragPlan plan,
                   PassageLinks links = {});

    void onLoad() override;
    void passageChosen(int index);
    void showOptions();

    ui::Label instruction{*this, "Label7"};
    ui::PictureBox picture{*this, "Image1"};
    ui::ControlArray<ui::Line> lines{*this, "Line1"};
    ui::ControlArray<ui::Label> headings{*this, "Label8"};
    ui::Label passageText{*this, "Label5"};
    ui::ControlArray<ui::OptionButton> passages{*this, "Option1"};
    ui::Timer showOptionsTimer{*this, 1};

    const DragPlan& plan() const { return plan_; }

  protected:
    void loadScreen() override;
    // A word scores on any box of its group: its column, or a box of the same word.
    int score() const override;
    QString spokenText() const override;
    QString spokenWord(int word) const override;

  private:
    DragPlan plan_;
    PassageLinks links_;
};

// Questions drawn at random, each with its text, picture and answers: the magnets flow.
class FileQuestionsScreen : public questions::QuestionScreen {
  public:
    FileQuestionsScreen(const QString& name, std::shared_ptr<const Activity> activity,
                        std::vector<QuestionPlan> plans);

    void onLoad() override;
    void showQuestion();
    void answerClicked(int index);
    QString spokenText() const override;

    std::int16_t questionNumber = 0;
    std::int16_t rightAnswer = 0;

    ui::ControlArray<ui::Label> messages{*this, "Label5"};
    ui::PictureBox picture{*this, "Image1"};
    ui::ControlArray<ui::Label> answerButtons{*this, "Label4"};

  protected:
    void revealAnswer() override;
    void newQuestion() override;

  private:
    std::shared_ptr<const Activity> activity_;
    std::vector<QuestionPlan> plans_;
};

class FileTrueFalseScreen : public questions::TrueFalseScreen {
  public:
    FileTrueFalseScreen(const QString& name, std::shared_ptr<const Activity> activity,
                        QuestionPlan plan);

  protected:
    void fillStatements() override;
    void showScreenPicture() override;
    QString spokenStatement() const override;

  private:
    std::shared_ptr<const Activity> activity_;
    QuestionPlan plan_;
};

// Registers the screens that play a laid-out activity, for the menus and for trying it out:
// passage k of a passage set under nameOf(k), any other kind under nameOf(0).
void registerActivityScreens(std::shared_ptr<const Activity> activity,
                             std::shared_ptr<const Planned> plan,
                             const std::function<QString(int)>& nameOf);

}  // namespace activityfiles
