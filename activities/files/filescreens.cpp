#include "activities/files/filescreens.h"

#include <map>

#include "speech/readaloud.h"
#include "speech/spoken.h"
#include "ui/formregistry.h"

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
                    .clientWidth = f(plan.client.width()),
                    .clientHeight = f(plan.client.height()),
                    .wordWidth = f(plan.wordSize.width()),
                    .wordHeight = f(plan.wordSize.height()),
                    .wordFont = plan.wordFont,
                    .words = wordTable,
                    .score = {.left = f(plan.score.left()),
                              .top = f(plan.score.top()),
                              .width = f(plan.score.width()),
                              .height = f(plan.score.height())}};
    if (plan.background) engineLayout.background = *plan.background;
}

FileDragScreen::FileDragScreen(const QString& name, const QString& title, DragPlan plan,
                               PassageLinks links)
    : DragTables(title, plan),
      LabellingScreen(name.toUtf8().constData(), engineLayout),
      plan_(std::move(plan)),
      links_(std::move(links)) {
    instruction.applyDesign(textAt(plan_.instruction, plan_.instructionFont));
    instruction.setCaption(plan_.instruction.caption);
    if (!plan_.picturePath.isEmpty()) {
        place(picture, plan_.pictureRect);
        picture.setStretch(plan_.ownSizePicture.isEmpty());
        picture.setDescription(plan_.pictureDescription.isEmpty() ? title
                                                                  : plan_.pictureDescription);
        // A picture laid out by hand may stand above or beside the client area.
        picture.setMayOverhang(!QRectF(QPointF(0, 0), plan_.client).contains(plan_.pictureRect));
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
        option.setVisible(!plan_.optionsLater);
        option.setTabIndex(index);  // the group comes before the words
    }
    passages.Click = bind(this, &FileDragScreen::passageChosen);
    showOptionsTimer.Tick = bind(this, &FileDragScreen::showOptions);
}

void FileDragScreen::onLoad() {
    LabellingScreen::onLoad();
    if (plan_.optionsLater) showOptionsTimer.setEnabled(true);
}

void FileDragScreen::showOptions() {
    for (int i : passages.indices()) passages(i).setVisible(true);
    showOptionsTimer.setEnabled(false);
}

void FileDragScreen::loadScreen() {
    for (int i : passages.indices()) passages(i).setBackColor(BackColor());
    // Without its picture the screen still works: the boxes and lines are all there.
    if (!plan_.ownSizePicture.isEmpty()) {
        if (auto own = LoadPicture(plan_.ownSizePicture)) picture.setPicture(*own);
    } else if (!plan_.picturePath.isEmpty()) {
        picture.setPicture(shownIn(picture, plan_.picturePath));
    }
}

int FileDragScreen::score() const {
    // Words of one text look alike, so any of them may stand for another: a group scores as
    // many of a text's words as lie on its boxes, up to as many as belong there. A change of
    // both sexes, given once in each column, so scores once in each column, whichever copy
    // lies where.
    std::map<std::pair<QString, int>, std::pair<int, int>> belongAndLie;
    for (int i = 0; i < wordCount(); ++i) {
        const Box& own = plan_.boxes[static_cast<size_t>(i)];
        ++belongAndLie[{own.word, own.group}].first;
        for (int j = 0; j < wordCount(); ++j) {
            if (!isOn(i, j)) continue;
            ++belongAndLie[{own.word, plan_.boxes[static_cast<size_t>(j)].group}].second;
            break;
        }
    }
    int correct = 0;
    for (const auto& [key, counts] : belongAndLie) correct += std::min(counts.first, counts.second);
    return correct;
}

QString FileDragScreen::spokenText() const {
    return speech::sentences({instruction.Caption(), speech::withGapsRead(passageText.Caption())});
}

QString FileDragScreen::spokenWord(int word) const {
    return speech::spokenForm(words(word).Caption(), plan_.boxes[word].say);
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
    {questions::Command::Answer, 840, 6120, 2565, "Answer"},
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
    messages.add(2).applyDesign(textDesign(4680, 5880, 6105, 825, kTimes(36), kWellDone, false));
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
    return speech::sentences(
        {messages(3).Caption(), spokenQuestion(speech::spokenForm(q.text, q.say), answerButtons)});
}

void FileQuestionsScreen::answerClicked(int index) {
    if (index == rightAnswer) {
        showFeedback(messages(2));
    } else {
        messages(2).setVisible(false);
        showFeedback(messages(0));
    }
}

void FileQuestionsScreen::revealAnswer() {
    showFeedback(messages(0));
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
