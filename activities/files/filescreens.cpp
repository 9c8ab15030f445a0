#include "activities/files/filescreens.h"

#include <QFileInfo>
#include <algorithm>

#include "activities/files/startdeal.h"
#include "speech/readaloud.h"
#include "speech/spoken.h"
#include "ui/files.h"
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
    return loadPictureFile(ui::fileInProgramLanguage(file),
                           devicePixels({slot.Width(), slot.Height()}, slot.scale()))
        .picture;
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
                             {f(b.start.x()), f(b.start.y())},
                             b.group});
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
        heading.applyDesign(textAt(plan_.headings[i], atPoints(kHeadingFont, plan_.headingPoints)));
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
        LabelDesign d =
            textAt(plan_.passage, atPoints(kPassageFont, plan_.passagePoints), Align::Left);
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

QString FileDragScreen::spokenText() const {
    return speech::sentences({instruction.Caption(), speech::withGapsRead(passageText.Caption())});
}

QString FileDragScreen::spokenWord(int word) const {
    return speech::spokenForm(words(word).Caption(), plan_.boxes[word].say);
}

void FileDragScreen::arrangeHomes() {
    if (!plan_.dealStarts) return;
    platform().randomize();
    const std::vector<int> deal = dealStartPlaces(plan_, [] { return platform().rnd(); });
    for (int i = 0; i < wordCount(); ++i) {
        const QPointF at = plan_.boxes[static_cast<size_t>(deal[i])].start;
        moveHome(i, {f(at.x()), f(at.y())});
    }
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

Colour colourOf(Rgb c) {
    return RGB(static_cast<int>(c >> 16 & 0xff), static_cast<int>(c >> 8 & 0xff),
               static_cast<int>(c & 0xff));
}

// A label where a layout by hand puts it, in the look it gives; where it gives none, as it was.
void placeLabel(Label& label, const FixedPlace* at) {
    if (!at) return;
    const QRectF r = at->rect();
    if (at->at.size() == 4)
        place(label, r);
    else if (at->at.size() == 2)
        label.move(f(r.left()), f(r.top()));
    label.setFont(fontAt(at, label.font()));
    if (at->colour) label.setForeColor(colourOf(*at->colour));
}

// The right answer's flashing as a file gives it: the colour of the first tick, then the next;
// between answers, the buttons' own.
questions::FlashColours flashColours(const Flash& flash, const Label& answer) {
    return {.fill = flash.fill,
            .phase = {colourOf(flash.colours[1]), colourOf(flash.colours[0])},
            .steady = flash.fill ? answer.BackColor() : answer.ForeColor()};
}

// A picture of a screen laid out by hand at its own size, as the program's own screens show
// theirs (sharper where a companion of twice the density lies in Images).
Picture ownSize(const QString& path) {
    if (path.isEmpty()) return {};
    const QString name = QFileInfo(path).fileName();
    if (const auto inImages = ui::resolveFile("Images/" + name);
        inImages && QFileInfo(*inImages) == QFileInfo(path))
        return LoadPicture("Images\\" + name).value_or(Picture());
    return loadPictureFile(ui::fileInProgramLanguage(path), QSize(kMaxPictureSide, kMaxPictureSide))
        .picture;
}

QString described(const Activity& a, const QString& picture, const QString& otherwise) {
    const auto found = a.describe.find(picture);
    return found == a.describe.end() ? otherwise : found->second;
}

}  // namespace

QuestionCommands::QuestionCommands(const Activity& a, int section) {
    const std::optional<FixedLayout> layout = a.layoutOf(section);
    if (!layout) {
        commandDesigns.assign(std::begin(kQuestionCommands), std::end(kQuestionCommands));
        return;
    }
    using questions::Command;
    const struct {
        Command role;
        const char* place;
        QString caption;
    } kinds[] = {
        {Command::Exit, "exit", "Exit"},
        {Command::Answer, "show_answer", "Answer"},
        {Command::NewQuestion, "new_question", "New Question"},
        {Command::OtherSection, "section",
         section < static_cast<int>(a.sections.size()) ? a.sections[section].button : QString()}};
    commandCaptions.reserve(std::size(kinds));
    for (const auto& k : kinds) {
        const FixedPlace* at = layout->place(k.place);
        if (!at || k.caption.isEmpty()) continue;
        const QRectF r = at->rect();
        commandCaptions.push_back(k.caption.toUtf8());
        commandDesigns.push_back(
            {k.role, f(r.left()), f(r.top()), f(r.width()), commandCaptions.back().constData()});
    }
}

FileQuestionsScreen::FileQuestionsScreen(const QString& name,
                                         std::shared_ptr<const Activity> activity,
                                         std::vector<QuestionPlan> plans, int section,
                                         std::vector<QString> sections)
    : QuestionCommands(*activity, section),
      QuestionScreen(name.toUtf8().constData(), "", commandDesigns),
      activity_(std::move(activity)),
      plans_(std::move(plans)),
      section_(section),
      sections_(std::move(sections)) {
    using namespace questions;
    setCaption(activity_->title);
    for (int i = 0; i < static_cast<int>(activity_->questions.size()); ++i)
        if (activity_->questions[i].section == section_) asked_.push_back(i);
    if (const std::optional<FixedLayout> layout = activity_->layoutOf(section_)) {
        layOutByHand(*layout);
    } else {
        pictures.add(0);
        slotOf_.assign(activity_->questions.size(), 0);
        const QRectF& i = places::kQuestionInstruction;
        messages.add(3).applyDesign(
            textDesign(f(i.left()), f(i.top()), f(i.width()), f(i.height()), kInstructionFont));
        messages(3).setCaption(activity_->instruction);
        const QRectF& q = places::kQuestionText;
        messages.add(1).applyDesign(
            textDesign(f(q.left()), f(q.top()), f(q.width()), f(q.height()), kQuestionFont));
        for (int i = 0; i < kMaxAnswers; ++i)
            answerButtons.add(i).applyDesign(
                buttonDesign(0, places::kAnswerTop, places::kAnswerWidth, places::kAnswerHeight, "",
                             kAnswerButtonFont, colours::kBlue));
        messages.add(2).applyDesign(
            textDesign(4680, places::kFeedbackTop, 6105, 825, kPraiseFont, kWellDone, false));
        const QRectF& a = places::kAnswerInWords;
        messages.add(0).applyDesign(textDesign(f(a.left()), f(a.top()), f(a.width()), f(a.height()),
                                               kRightAnswerFont, "", false));
    }
    if (activity_->flash && answerButtons.exists(0)) {
        flashing_ = flashColours(*activity_->flash, answerButtons(0));
        flashTimer.setInterval(activity_->flash->first);
    }
    answerButtons.Click = bind(this, &FileQuestionsScreen::answerClicked);
    flashTimer.Tick = bind(this, &FileQuestionsScreen::flashTick);
}

// As the screen was designed: each part where the layout places it, the instruction and the
// right answer in words only where it places them; a picture slot for each place a question's
// picture takes, beneath them all the backdrop.
void FileQuestionsScreen::layOutByHand(const FixedLayout& layout) {
    using namespace questions;
    if (const FixedPlace* at = layout.place("instruction")) {
        messages.add(3).applyDesign(textDesign(0, 0, 0, 0, kInstructionFont));
        placeLabel(messages(3), at);
        messages(3).setCaption(activity_->instruction);
    }
    messages.add(1).applyDesign(textDesign(720, 120, 10185, 1305, kQuestionFont));
    placeLabel(messages(1), layout.place("question"));
    slotOf_.assign(activity_->questions.size(), -1);
    int slots = 0;
    if (!activity_->backdrop.isEmpty()) {
        PictureBox& backdrop = pictures.add(slots++);
        if (const FixedPlace* at = layout.place("backdrop")) place(backdrop, at->rect());
        backdrop.sendToBack();
    }
    std::vector<QRectF> taken;
    for (int q : asked_) {
        if (activity_->questions[q].picture.isEmpty()) continue;
        const QRectF r = plans_[q].pictureRect;
        const auto found = std::find(taken.begin(), taken.end(), r);
        if (found != taken.end()) {
            slotOf_[q] = slots - static_cast<int>(taken.end() - found);
            continue;
        }
        taken.push_back(r);
        slotOf_[q] = slots;
        place(pictures.add(slots++), r);
    }
    const auto answers = layout.places.find("answers");
    const int count = answers == layout.places.end() ? 0 : int(answers->second.size());
    for (int i = 0; i < count; ++i) {
        answerButtons.add(i).applyDesign(
            buttonDesign(0, 0, 0, 0, "", kAnswerButtonFont, colours::kBlue));
        placeLabel(answerButtons(i), &answers->second[static_cast<size_t>(i)]);
    }
    messages.add(2).applyDesign(textDesign(4680, 5880, 6105, 825, kPraiseFont, kWellDone, false));
    placeLabel(messages(2), layout.place("feedback"));
    if (const FixedPlace* at = layout.place("right_answer")) {
        messages.add(0).applyDesign(textDesign(0, 0, 0, 0, kRightAnswerFont, "", false));
        placeLabel(messages(0), at);
    }
}

void FileQuestionsScreen::onLoad() {
    setupWithBackground(activity_->background ? colourOf(*activity_->background)
                                              : kQuestionsBackground);
    showQuestion();
}

void FileQuestionsScreen::showQuestion() {
    const bool byHand = activity_->layoutOf(section_).has_value();
    if (byHand)
        for (int slot : pictures.indices())
            if (slot != 0 || activity_->backdrop.isEmpty()) pictures(slot).setVisible(false);
    questionNumber = drawQuestion(static_cast<int>(asked_.size()), questionNumber);
    const Question& q = question();
    const QuestionPlan& p = plan();
    const int slot = slotOf_[asked_[questionNumber]];
    if (!activity_->backdrop.isEmpty()) {
        pictures(0).setPicture(ownSize(p.backdropPath));
        pictures(0).setDescription(described(*activity_, activity_->backdrop, activity_->backdrop));
    }
    if (byHand) {
        if (slot >= 0) {
            pictures(slot).setPicture(ownSize(p.picturePath));
            pictures(slot).setDescription(described(*activity_, q.picture, q.picture));
            pictures(slot).setVisible(true);
        }
    } else {
        PictureBox& picture = pictures(0);
        picture.setVisible(!p.picturePath.isEmpty());
        if (!p.picturePath.isEmpty()) {
            place(picture, p.pictureRect);
            picture.setStretch(true);
            picture.setPicture(shownIn(picture, p.picturePath));
            picture.setDescription(described(*activity_, q.picture, q.picture));
        }
    }
    messages(1).setCaption(q.text);
    for (int i : answerButtons.indices()) {
        const bool shown = i < q.answers.size();
        answerButtons(i).setVisible(shown);
        if (!shown) continue;
        if (!byHand) place(answerButtons(i), p.answers[i]);
        answerButtons(i).setCaption(q.answers[i]);
    }
    rightAnswer = static_cast<std::int16_t>(q.right);
    if (messages.exists(0))
        messages(0).setCaption(q.answerInWords.isEmpty() ? answerInWords(q) : q.answerInWords);
}

QString FileQuestionsScreen::spokenText() const {
    const Question& q = question();
    QStringList parts;
    if (messages.exists(3)) parts << messages(3).Caption();
    parts << speech::spokenForm(q.text, q.say);
    for (int i = 0; i < q.answers.size(); ++i) parts << spokenAnswer(q, i);
    return speech::sentences(parts);
}

QString FileQuestionsScreen::spokenAnswer(const Question& q, int answer) {
    return speech::spokenForm(q.answers[answer], q.answersSay.value(answer));
}

// The right answer in words, read in its spoken form. A computed screen never shows it beside
// the praise; a screen laid out by hand keeps its own design.
void FileQuestionsScreen::showAnswerInWords() {
    if (!messages.exists(0)) return;
    if (!activity_->layoutOf(section_)) messages(2).setVisible(false);
    const Question& q = question();
    showFeedback(messages(0), q.answerInWords.isEmpty() ? answerInWords(q, spokenAnswer(q, q.right))
                                                        : q.answerInWords);
}

// A screen laid out by hand shows the picture of the answer, and the right button flashes.
void FileQuestionsScreen::showAfter() {
    if (flashing_) flashTimer.setEnabled(true);  // already flashing: the countdown runs on
    const QuestionPlan& p = plan();
    if (!question().after.isEmpty() && pictures.exists(0)) {
        pictures(0).setPicture(ownSize(p.afterPath));
        pictures(0).setDescription(described(*activity_, question().after, question().after));
    }
}

void FileQuestionsScreen::answerClicked(int index) {
    if (index == rightAnswer) {
        if (!activity_->wrong.isEmpty()) messages(2).setCaption(questions::kWellDone);
        if (!activity_->layoutOf(section_) && messages.exists(0)) messages(0).setVisible(false);
        showAfter();
        showFeedback(messages(2));
    } else if (!activity_->wrong.isEmpty()) {
        messages(2).setCaption(activity_->wrong);
        showFeedback(messages(2));
    } else {
        messages(2).setVisible(false);
        showAnswerInWords();
    }
}

void FileQuestionsScreen::revealAnswer() {
    showAfter();
    showAnswerInWords();
}

void FileQuestionsScreen::newQuestion() {
    if (messages.exists(0)) messages(0).setVisible(false);
    messages(2).setVisible(false);
    if (flashing_) questions::stopFlashing(*flashing_, flashTimer, flash, answerButtons);
    showQuestion();
}

void FileQuestionsScreen::flashTick() {
    if (!flashing_ || !answerButtons.exists(rightAnswer)) return;
    // The first tick may come sooner than the rest; from then on, at the file's pace. Setting
    // it again would only restart the countdown, so it is set once.
    if (flashTimer.Interval() != activity_->flash->every)
        flashTimer.setInterval(activity_->flash->every);
    questions::flashStep(*flashing_, flash, answerButtons(rightAnswer));
}

void FileQuestionsScreen::exitActivity() {
    // Every section goes, whichever is showing.
    for (const QString& other : sections_)
        if (Form* form = forms().find(other); form && form != this) forms().unload(*form);
    forms().unload(*this);
}

void FileQuestionsScreen::switchSection() {
    if (sections_.size() < 2) return;
    forms().show(sections_[(static_cast<size_t>(section_) + 1) % sections_.size()]);
    forms().unload(*this);
}

// ---- true or false -------------------------------------------------------------------------

FileTrueFalseScreen::FileTrueFalseScreen(const QString& name,
                                         std::shared_ptr<const Activity> activity,
                                         QuestionPlan plan)
    : TrueFalseScreen(name.toUtf8().constData(), activity->title, activity->instruction,
                      plan.picturePath.isEmpty() && !activity->layout ? places::kStatementPicture
                                                                      : plan.pictureRect),
      activity_(std::move(activity)),
      plan_(std::move(plan)) {
    if (activity_->background) background = colourOf(*activity_->background);
    if (activity_->layout) {
        // Laid out by hand: each part where the layout places it, in its look.
        using questions::Command;
        const FixedLayout& layout = *activity_->layout;
        placeLabel(messages(3), layout.place("instruction"));
        placeLabel(messages(0), layout.place("statement"));
        placeLabel(messages(1), layout.place("feedback"));
        if (const auto answers = layout.places.find("answers"); answers != layout.places.end())
            for (int i = 0; i < 2 && i < static_cast<int>(answers->second.size()); ++i)
                placeLabel(answerButtons(i), &answers->second[static_cast<size_t>(i)]);
        placeLabel(commands(commandIndex(Command::Exit)), layout.place("exit"));
        placeLabel(commands(commandIndex(Command::NewQuestion)), layout.place("new_question"));
        placeLabel(commands(commandIndex(Command::Answer)), layout.place("show_answer"));
    }
    if (activity_->flash) {
        flashing = flashColours(*activity_->flash, answerButtons(0));
        flashEvery = activity_->flash->every;
        flashTimer.setInterval(activity_->flash->first);
    }
}

void FileTrueFalseScreen::showScreenPicture() {
    const QString description = described(*activity_, activity_->picture, activity_->title);
    if (activity_->layout) {
        // As designed: a picture that cannot be read leaves its slot empty.
        picture.setPicture(ownSize(plan_.picturePath));
        picture.setDescription(description);
        return;
    }
    if (plan_.picturePath.isEmpty()) return;
    picture.setStretch(true);
    picture.setPicture(shownIn(picture, plan_.picturePath));
    picture.setDescription(description);
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

std::vector<QString> screenNames(const Activity& activity, const Planned& plan,
                                 const std::function<QString(int)>& nameOf) {
    const size_t n = activity.kind == Kind::Passage ? plan.drags.size()
                     : activity.kind == Kind::Questions
                         ? std::max<size_t>(1, activity.sections.size())
                         : 1;
    std::vector<QString> names;
    for (size_t k = 0; k < n; ++k) names.push_back(nameOf(static_cast<int>(k)));
    return names;
}

std::unique_ptr<ui::Form> makeActivityScreen(std::shared_ptr<const Activity> activity,
                                             std::shared_ptr<const Planned> plan,
                                             const std::vector<QString>& names, size_t k) {
    switch (activity->kind) {
        case Kind::Labelling:
        case Kind::Sorting:
            return std::make_unique<FileDragScreen>(names[k], activity->title, plan->drags[0]);
        case Kind::Passage:
            return std::make_unique<FileDragScreen>(names[k], activity->title, plan->drags[k],
                                                    PassageLinks{names, static_cast<int>(k)});
        case Kind::Questions:
            return std::make_unique<FileQuestionsScreen>(
                names[k], activity, plan->questions, static_cast<int>(k),
                activity->sections.empty() ? std::vector<QString>{} : names);
        case Kind::TrueFalse:
            break;
    }
    return std::make_unique<FileTrueFalseScreen>(names[k], activity, plan->questions[0]);
}

void registerActivityScreens(std::shared_ptr<const Activity> activity,
                             std::shared_ptr<const Planned> plan,
                             const std::function<QString(int)>& nameOf) {
    const std::vector<QString> names = screenNames(*activity, *plan, nameOf);
    for (size_t k = 0; k < names.size(); ++k)
        ui::forms().registerScreen(names[k], [activity, plan, names, k] {
            return makeActivityScreen(activity, plan, names, k);
        });
}

}  // namespace activityfiles
