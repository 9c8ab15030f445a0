#include "activities/files/filescreens.h"

#include "activities/labelling/startorder.h"
#include "speech/readaloud.h"
#include "speech/spoken.h"
#include "ui/formregistry.h"
#include "ui/platform.h"

using namespace ui;

namespace activityfiles {

namespace {

float f(qreal v) {
    return static_cast<float>(v);
}

void place(Control& c, const QRectF& r) {
    c.setGeometry(f(r.left()), f(r.top()), f(r.width()), f(r.height()));
}

LabelDesign textAt(const Text& t, FontSpec font, Align align = Align::Center) {
    LabelDesign d =
        textDesign(f(t.rect.left()), f(t.rect.top()), f(t.rect.width()), f(t.rect.height()), font);
    d.align = align;
    return d;
}

// A teacher's picture decoded at the size of its slot: a phone photo costs no more than that.
Picture shownIn(const PictureBox& slot, const QString& file) {
    return loadPictureFile(file, devicePixels({slot.Width(), slot.Height()}, slot.scale())).picture;
}

constexpr Colour kPointerColour = RGB(0, 255, 0);
constexpr Colour kQuestionsBackground = RGB(39, 63, 137);

}  // namespace

DragTables::DragTables(const QString& title, const DragPlan& plan) : captionBytes(title.toUtf8()) {
    for (const Box& b : plan.boxes) wordBytes.push_back(b.word.toUtf8());
    for (size_t i = 0; i < plan.boxes.size(); ++i) {
        const Box& b = plan.boxes[i];
        wordTable.push_back({wordBytes[i].constData(),
                             {f(b.box.left()), f(b.box.top())},
                             {f(b.start.x()), f(b.start.y())}});
    }
    engineLayout = {.caption = captionBytes.constData(),
                    .clientWidth = 11790,
                    .clientHeight = 8400,
                    .wordWidth = f(plan.wordSize.width()),
                    .wordHeight = f(plan.wordSize.height()),
                    .wordFont = kWordFont,
                    .words = wordTable,
                    .score = {.left = f(plan.score.left()),
                              .top = f(plan.score.top()),
                              .width = f(plan.score.width()),
                              .height = f(plan.score.height())}};
}

FileDragScreen::FileDragScreen(const QString& name, const QString& title, DragPlan plan,
                               PassageLinks links)
    : DragTables(title, plan),
      LabellingScreen(name.toUtf8().constData(), engineLayout),
      plan_(std::move(plan)),
      links_(std::move(links)) {
    instruction.applyDesign(textAt(plan_.instruction, kInstructionFont));
    instruction.setCaption(plan_.instruction.caption);
    if (!plan_.picturePath.isEmpty()) {
        place(picture, plan_.pictureRect);
        picture.setStretch(true);
        picture.setDescription(title);
    }
    for (size_t i = 0; i < plan_.pointers.size(); ++i) {
        const QLineF& l = plan_.pointers[i];
        Line& line = lines.add(static_cast<int>(i));
        line.setBorderColor(kPointerColour);
        line.setBorderWidth(3);
        line.setEnds(f(l.x1()), f(l.y1()), f(l.x2()), f(l.y2()));
    }
    for (size_t i = 0; i < plan_.headings.size(); ++i) {
        Label& heading = headings.add(static_cast<int>(i));
        heading.applyDesign(textAt(plan_.headings[i], {"Arial", plan_.headingPoints, true}));
        heading.setCaption(plan_.headings[i].caption);
    }
    for (size_t i = 0; i < plan_.columnLines.size(); ++i) {
        const QLineF& l = plan_.columnLines[i];
        Line& line = lines.add(static_cast<int>(plan_.pointers.size() + i));
        line.setBorderColor(colours::kYellow);
        line.setBorderWidth(3);
        line.setEnds(f(l.x1()), f(l.y1()), f(l.x2()), f(l.y2()));
    }
    // Controls a kind does not use stay out of sight.
    picture.setVisible(!plan_.picturePath.isEmpty());
    passageText.setVisible(!plan_.passage.caption.isEmpty());
    if (!plan_.passage.caption.isEmpty()) {
        LabelDesign d = textAt(plan_.passage, {"Arial", plan_.passagePoints, true}, Align::Left);
        d.carryBlankRuns = true;  // wrapped as its plan was, under its boxes
        passageText.applyDesign(d);
        passageText.setCaption(plan_.passage.caption);
    }
    for (size_t i = 0; i < plan_.options.size(); ++i) {
        const int index = static_cast<int>(i);
        OptionButton& option = passages.add(index);
        place(option, plan_.options[i].rect);
        option.setCaption(plan_.options[i].caption);
        option.setFont(kOptionFont);
        option.setForeColor(colours::kYellow);
        option.setEnabled(index < static_cast<int>(links_.screens.size()) &&
                          !links_.screens[i].isEmpty());
        option.setValue(index == links_.chosen);
    }
    passages.Click = bind(this, &FileDragScreen::passageChosen);
}

void FileDragScreen::loadScreen() {
    for (int i : passages.indices()) passages(i).setBackColor(BackColor());
    // Without its picture the screen still works: the boxes and lines are all there.
    if (!plan_.picturePath.isEmpty()) picture.setPicture(shownIn(picture, plan_.picturePath));
}

int FileDragScreen::score() const {
    int correct = 0;
    for (int i = 0; i < wordCount(); ++i) {
        for (int j = 0; j < wordCount(); ++j) {
            if (plan_.boxes[j].group == plan_.boxes[i].group && isOn(i, j)) {
                ++correct;
                break;
            }
        }
    }
    return correct;
}

QString FileDragScreen::spokenText() const {
    return speech::sentences({instruction.Caption(), speech::withGapsRead(passageText.Caption())});
}

QString FileDragScreen::spokenWord(int word) const {
    return speech::spokenForm(words(word).Caption(), plan_.boxes[word].say);
}

void FileDragScreen::arrangeHomes() {
    if (!plan_.dealStarts) return;
    std::vector<labelling::Place> starts, boxes;
    std::vector<int> groups;
    for (const Box& b : plan_.boxes) {
        starts.push_back({f(b.start.x()), f(b.start.y())});
        boxes.push_back({f(b.box.left()), f(b.box.top())});
        groups.push_back(b.group);
    }
    platform().randomize();
    const std::vector<int> deal = labelling::dealStarts(
        starts, boxes, groups,
        plan_.headings.empty() ? labelling::Giveaway::BoxOrder : labelling::Giveaway::SharedColumns,
        [] { return platform().rnd(); });
    for (int i = 0; i < wordCount(); ++i) homes(i).move(starts[deal[i]].left, starts[deal[i]].top);
}

void FileDragScreen::passageChosen(int index) {
    if (index == links_.chosen || index < 0 || index >= static_cast<int>(links_.screens.size()) ||
        links_.screens[index].isEmpty())
        return;
    forms().show(links_.screens[index]);
    forms().unload(*this);
}

// ---- questions -----------------------------------------------------------------------------

namespace {
constexpr questions::CommandDesign kQuestionCommands[] = {
    {questions::Command::Exit, 10560, 7920, 1245, "Exit"},
    {questions::Command::Answer, 840, places::kFeedbackTop, 2565, "Answer"},
    {questions::Command::NewQuestion, 4560, 7920, 2565, "New Question"},
};
}  // namespace

FileQuestionsScreen::FileQuestionsScreen(const QString& name,
                                         std::shared_ptr<const Activity> activity,
                                         std::vector<QuestionPlan> plans)
    : QuestionScreen(name.toUtf8().constData(), "", kQuestionCommands),
      activity_(std::move(activity)),
      plans_(std::move(plans)) {
    using namespace questions;
    setCaption(activity_->title);
    const QRectF& i = places::kQuestionInstruction;
    messages.add(3).applyDesign(
        textDesign(f(i.left()), f(i.top()), f(i.width()), f(i.height()), kInstructionFont));
    messages(3).setCaption(activity_->instruction);
    const QRectF& q = places::kQuestionText;
    messages.add(1).applyDesign(
        textDesign(f(q.left()), f(q.top()), f(q.width()), f(q.height()), kTimes(26.25f)));
    for (int i = 0; i < kMaxAnswers; ++i)
        answerButtons.add(i).applyDesign(buttonDesign(0, places::kAnswerTop, places::kAnswerWidth,
                                                      places::kAnswerHeight, "",
                                                      {"Tahoma", 15.75f, true}, colours::kBlue));
    messages.add(2).applyDesign(
        textDesign(4680, places::kFeedbackTop, 6105, 825, kTimes(36), kWellDone, false));
    const QRectF& a = places::kAnswerInWords;
    messages.add(0).applyDesign(textDesign(f(a.left()), f(a.top()), f(a.width()), f(a.height()),
                                           kTimes(27.75f), "", false));
    answerButtons.Click = bind(this, &FileQuestionsScreen::answerClicked);
}

void FileQuestionsScreen::onLoad() {
    setupWithBackground(kQuestionsBackground);
    showQuestion();
}

void FileQuestionsScreen::showQuestion() {
    questionNumber = drawQuestion(static_cast<int>(activity_->questions.size()), questionNumber);
    const Question& q = activity_->questions[questionNumber];
    const QuestionPlan& p = plans_[questionNumber];
    picture.setVisible(!p.picturePath.isEmpty());
    if (!p.picturePath.isEmpty()) {
        place(picture, p.pictureRect);
        picture.setStretch(true);
        picture.setPicture(shownIn(picture, p.picturePath));
        picture.setDescription(q.picture);
    }
    messages(1).setCaption(q.text);
    for (int i = 0; i < kMaxAnswers; ++i) {
        const bool shown = i < q.answers.size();
        answerButtons(i).setVisible(shown);
        if (!shown) continue;
        place(answerButtons(i), p.answers[i]);
        answerButtons(i).setCaption(q.answers[i]);
    }
    rightAnswer = static_cast<std::int16_t>(q.right);
    messages(0).setCaption(answerInWords(q));
}

QString FileQuestionsScreen::spokenText() const {
    const Question& q = activity_->questions[questionNumber];
    QStringList parts{messages(3).Caption(), speech::spokenForm(q.text, q.say)};
    for (int i = 0; i < q.answers.size(); ++i) parts << spokenAnswer(q, i);
    return speech::sentences(parts);
}

QString FileQuestionsScreen::spokenAnswer(const Question& q, int answer) {
    return speech::spokenForm(q.answers[answer], q.answersSay.value(answer));
}

void FileQuestionsScreen::showAnswerInWords() {
    messages(2).setVisible(false);
    const Question& q = activity_->questions[questionNumber];
    showFeedback(messages(0), answerInWords(q, spokenAnswer(q, q.right)));
}

void FileQuestionsScreen::answerClicked(int index) {
    if (index == rightAnswer) {
        messages(0).setVisible(false);
        showFeedback(messages(2));
    } else {
        showAnswerInWords();
    }
}

void FileQuestionsScreen::revealAnswer() {
    showAnswerInWords();
}

void FileQuestionsScreen::newQuestion() {
    messages(0).setVisible(false);
    messages(2).setVisible(false);
    showQuestion();
}

// ---- true or false -------------------------------------------------------------------------

FileTrueFalseScreen::FileTrueFalseScreen(const QString& name,
                                         std::shared_ptr<const Activity> activity,
                                         QuestionPlan plan)
    : TrueFalseScreen(name.toUtf8().constData(), activity->title, activity->instruction,
                      plan.picturePath.isEmpty() ? places::kStatementPicture : plan.pictureRect),
      activity_(std::move(activity)),
      plan_(std::move(plan)) {}

void FileTrueFalseScreen::showScreenPicture() {
    if (plan_.picturePath.isEmpty()) return;
    picture.setStretch(true);
    picture.setPicture(shownIn(picture, plan_.picturePath));
    picture.setDescription(activity_->title);
}

QString FileTrueFalseScreen::spokenStatement() const {
    const Statement& s = activity_->statements[questionNumber];
    return speech::spokenForm(s.text, s.say);
}

void FileTrueFalseScreen::fillStatements() {
    const size_t n = activity_->statements.size();
    statement.assign(n + 1, QString());
    rightAnswers.assign(n + 1, 0);
    for (size_t i = 0; i < n; ++i) {
        statement[i] = activity_->statements[i].text;
        rightAnswers[i] = activity_->statements[i].isTrue ? 0 : 1;
    }
}

void registerActivityScreens(std::shared_ptr<const Activity> activity,
                             std::shared_ptr<const Planned> plan,
                             const std::function<QString(int)>& nameOf) {
    auto& forms = ui::forms();
    const QString name = nameOf(0);
    switch (activity->kind) {
        case Kind::Labelling:
        case Kind::Sorting:
            forms.registerScreen(name, [name, activity, plan] {
                return std::make_unique<FileDragScreen>(name, activity->title, plan->drags[0]);
            });
            break;
        case Kind::Passage: {
            PassageLinks links;
            const int n = static_cast<int>(plan->drags.size());
            for (int k = 0; k < n; ++k) links.screens.push_back(nameOf(k));
            for (int k = 0; k < n; ++k) {
                links.chosen = k;
                forms.registerScreen(links.screens[k],
                                     [name = links.screens[k], activity, plan, k, links] {
                                         return std::make_unique<FileDragScreen>(
                                             name, activity->title, plan->drags[k], links);
                                     });
            }
            break;
        }
        case Kind::Questions:
            forms.registerScreen(name, [name, activity, plan] {
                return std::make_unique<FileQuestionsScreen>(name, activity, plan->questions);
            });
            break;
        case Kind::TrueFalse:
            forms.registerScreen(name, [name, activity, plan] {
                return std::make_unique<FileTrueFalseScreen>(name, activity, plan->questions[0]);
            });
            break;
    }
}

}  // namespace activityfiles
