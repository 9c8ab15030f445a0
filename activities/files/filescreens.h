#pragma once
// The screens made from activity files, each on the engine that plays its like: labelling,
// sorting and passages on the labelling engine, questions and true/false on theirs.
#include <QByteArray>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "activities/files/activity.h"
#include "activities/files/layout.h"
#include "activities/labelling/labellingscreen.h"
#include "activities/questions/flashing.h"
#include "activities/questions/questionscreen.h"
#include "activities/questions/truefalsescreen.h"
#include "ui/choice.h"
#include "ui/formregistry.h"
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
    QString spokenText() const override;
    QString spokenWord(int word) const override;
    void arrangeHomes() override;

  private:
    DragPlan plan_;
    PassageLinks links_;
};

// The command buttons of a question screen, made before the engine that keeps them: the
// engine's own, or the places and captions of a screen laid out by hand.
struct QuestionCommands {
    QuestionCommands(const Activity& activity, int section);
    std::vector<QByteArray> commandCaptions;
    std::vector<questions::CommandDesign> commandDesigns;
};

// Questions drawn at random, each with its text, picture and answers: the magnets flow. A
// screen laid out by hand may add a backdrop that an answer changes, the right answer's button
// flashing, a wrong answer's own words, and sections, each a screen of its own.
class FileQuestionsScreen : private QuestionCommands, public questions::QuestionScreen {
  public:
    // Section `section` of the activity; `sections` names the screen of each.
    FileQuestionsScreen(const QString& name, std::shared_ptr<const Activity> activity,
                        std::vector<QuestionPlan> plans, int section = 0,
                        std::vector<QString> sections = {});

    void onLoad() override;
    void showQuestion();
    void answerClicked(int index);
    void flashTick();
    QString spokenText() const override;

    std::int16_t questionNumber = 0;  // into this section's questions
    std::int16_t rightAnswer = 0;
    std::int16_t flash = 0;

    ui::ControlArray<ui::Label> messages{*this, "Label5"};
    ui::ControlArray<ui::PictureBox> pictures{*this, "Image1"};
    ui::ControlArray<ui::Label> answerButtons{*this, "Label4"};
    ui::Timer flashTimer{*this, 250};

  protected:
    void exitActivity() override;
    void revealAnswer() override;
    void newQuestion() override;
    void switchSection() override;

  private:
    void layOutByHand(const FixedLayout& layout);
    const Question& question() const { return activity_->questions[asked_[questionNumber]]; }
    const QuestionPlan& plan() const { return plans_[asked_[questionNumber]]; }
    void showAfter();
    static QString spokenAnswer(const Question& q, int answer);
    // The right answer in words, shown and read.
    void showAnswerInWords();

    std::shared_ptr<const Activity> activity_;
    std::vector<QuestionPlan> plans_;
    int section_;
    std::vector<QString> sections_;
    std::vector<int> asked_;   // the questions of this section, into activity_->questions
    std::vector<int> slotOf_;  // each question's picture slot; -1 for none
    std::optional<questions::FlashColours> flashing_;
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

// The names of the screens that play an activity: passage k of a passage set, or section k of
// questions, under nameOf(k); any other kind under nameOf(0).
std::vector<QString> screenNames(const Activity& activity, const Planned& plan,
                                 const std::function<QString(int)>& nameOf);
// Its k-th screen, named names[k], with the others as its passages' or sections' screens.
std::unique_ptr<ui::Form> makeActivityScreen(std::shared_ptr<const Activity> activity,
                                             std::shared_ptr<const Planned> plan,
                                             const std::vector<QString>& names, size_t k);

// Registers the screens that play a laid-out activity, for the menus and for trying it out:
// passage k of a passage set under nameOf(k), any other kind under nameOf(0).
void registerActivityScreens(std::shared_ptr<const Activity> activity,
                             std::shared_ptr<const Planned> plan,
                             const std::function<QString(int)>& nameOf);

}  // namespace activityfiles
