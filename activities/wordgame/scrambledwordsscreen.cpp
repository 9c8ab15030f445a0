#include "activities/wordgame/scrambledwordsscreen.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "activities/wordgame/scramble.h"
#include "speech/readaloud.h"
#include "ui/formregistry.h"
#include "ui/platform.h"
#include "ui/programstate.h"
#include "ui/screentext.h"

using namespace ui;

namespace {

constexpr Colour kBackground = RGB(41, 65, 137);
constexpr Colour kOrange = RGB(255, 128, 0);
constexpr Colour kRed = RGB(255, 0, 0);

constexpr float kScrambledTop = 2880;
constexpr float kAnswerTop = 5640;
constexpr float kLetterAllowance = 540;  // per letter, to centre a row roughly
constexpr int kFrames = 40;              // steps of one tile's flight

constexpr FontSpec kOptionFont{"Arial", 12, true};
constexpr float kOptionTops[] = {360, 840, 1320};

constexpr LabelDesign kInstruction{
    .left = 3120,
    .top = 360,
    .width = 8580,
    .height = 2115,
    .caption = QT_TRANSLATE_NOOP("Screens", "See if you can unscramble the scientific word below."),
    .font = {"Arial", 36, false},
    .fore = kOrange,
    .opaque = false,
    .align = Align::Center,
    .wordWrap = true};

// A tile shows one character and takes the width of it.
constexpr LabelDesign tile(Colour fore, float top) {
    return {.top = top,
            .font = {"Arial", 48, false},
            .fore = fore,
            .opaque = false,
            .align = Align::Center,
            .visible = false,
            .autoSize = true};
}

constexpr LabelDesign button(float left, float width, const char* caption) {
    return {.left = left,
            .top = 7680,
            .width = width,
            .height = 600,
            .caption = caption,
            .font = {"Arial", 21.75f, true},
            .fore = colours::kYellow,
            .back = colours::kBlack,
            .border = true,
            .align = Align::Center};
}
constexpr LabelDesign kButtons[] = {
    button(10200, 1485, QT_TRANSLATE_NOOP("Screens", "Exit")),
    button(240, 3525, QT_TRANSLATE_NOOP("Screens", "New Question")),
    button(5280, 3525, QT_TRANSLATE_NOOP("Screens", "Show Answer")),
};

// An index of n from one uniform draw.
int drawIndex(int n) {
    return std::clamp(static_cast<int>(platform().rnd() * n), 0, n - 1);
}

}  // namespace

ScrambledWordsScreen::ScrambledWordsScreen() : Form(Name) {
    setCaption(screenText(QT_TRANSLATE_NOOP("Screens", "Scrambled Words")));
    setBorderStyle(BorderStyle::FixedSingle);

    for (int i = 0; i < wordgame::kCategories; ++i) {
        OptionButton& option = categories.add(i);
        option.setGeometry(120, kOptionTops[i], 2655, 375);
        option.setCaption(screenText(wordgame::kCategoryFiles[i].caption));
        option.setForeColor(colours::kYellow);
        option.setFont(kOptionFont);
    }
    instruction.applyDesign(kInstruction);
    for (int i = 0; i < kTiles; ++i)
        scrambledTiles.add(i).applyDesign(tile(colours::kYellow, kScrambledTop));
    for (int i = 0; i < kTiles; ++i) answerTiles.add(i).applyDesign(tile(kOrange, kAnswerTop));
    for (int i = 0; i < kTiles; ++i) flyingTiles.add(i).applyDesign(tile(kRed, kScrambledTop));
    for (int i = 0; i < 3; ++i) commands.add(i).applyDesign(kButtons[i]);

    commands.Click = bind(this, &ScrambledWordsScreen::commandClicked);
    commands.MouseMove = bind(this, &ScrambledWordsScreen::pointerOverCommand);
    categories.Click = bind(this, &ScrambledWordsScreen::categoryChosen);
    layoutTimer.Tick = bind(this, &ScrambledWordsScreen::layOutTiles);
    flightTimer.Tick = bind(this, &ScrambledWordsScreen::flyNextFrame);
    loadTimer.Tick = bind(this, &ScrambledWordsScreen::loadWordsOnce);
}

void ScrambledWordsScreen::onLoad() {
    ProgramState::applyScreenLayout(*this);
    setBackColor(kBackground);
    for (int i = 0; i < wordgame::kCategories; ++i) categories(i).setBackColor(BackColor());
    category = 0;
    loadWordLists();
}

void ScrambledWordsScreen::loadWordLists() {
    loadTimer.setEnabled(true);
}

void ScrambledWordsScreen::loadWordsOnce() {
    const wordgame::WordLists read = wordgame::readWordLists();
    lists = read.lists;
    wordCounts = read.wordCounts;
    alphabets = read.alphabets;
    // A category without a usable word can be neither chosen nor drawn.
    std::vector<int> usable;
    for (int c = 0; c < wordgame::kCategories; ++c) {
        categories(c).setEnabled(wordCounts[c] > 0);
        if (wordCounts[c] > 0) usable.push_back(c);
    }
    platform().randomize();
    if (!usable.empty()) {
        category = static_cast<std::int16_t>(usable[drawIndex(static_cast<int>(usable.size()))]);
        marked_ = category;
        // Raises the option's click, which the busy rule turns away: loadTimer is still on.
        categories(category).setValue(true);
        wordlist = lists[category];
        wordNumber = static_cast<std::int16_t>(drawIndex(wordCounts[category]));
        newQuestion();
    }
    loadTimer.setEnabled(false);
}

void ScrambledWordsScreen::newQuestion() {
    const int count = wordCounts[category];
    if (count <= 0) return;
    wordNumber = static_cast<std::int16_t>((wordNumber + 1) % count);
    const QString w = wordgame::asShown(wordlist[wordNumber]);
    wordlist[wordNumber] = w;
    // The reader keeps words to 1 to 16 characters; the bound guards the tile arrays anyway.
    const QStringList chars = wordgame::letters(w, alphabets[category]);
    wordLength = std::min(static_cast<int>(chars.size()), kTiles);
    platform().randomize();
    const std::vector<int> order = wordgame::scrambledOrder(chars.mid(0, wordLength), drawIndex);
    for (int i = 1; i <= wordLength; ++i) {
        letters[i] = chars[order[i - 1]];
        originalPlace[i] = static_cast<std::int16_t>(order[i - 1] + 1);
        scrambledTiles(i - 1).setCaption(letters[i]);
        flyingTiles(i - 1).setCaption(letters[i]);
        answerTiles(i - 1).setCaption(chars[i - 1]);
    }
    scrambledTiles(0).move((Width() - kLetterAllowance * wordLength) / 2, kScrambledTop);
    layoutTimer.setEnabled(true);
}

void ScrambledWordsScreen::layOutTiles() {
    answerTiles(0).setLeft(scrambledTiles(0).Left());
    flyingTiles(0).move(scrambledTiles(0).Left(), kScrambledTop);
    scrambledTiles(0).setVisible(true);
    for (int i = 1; i <= wordLength - 1; ++i) {
        scrambledTiles(i).move(scrambledTiles(i - 1).Left() + scrambledTiles(i - 1).Width(),
                               kScrambledTop);
        answerTiles(i).move(answerTiles(i - 1).Left() + answerTiles(i - 1).Width(),
                            answerTiles(0).Top());
        flyingTiles(i).move(scrambledTiles(i).Left(), kScrambledTop);
        scrambledTiles(i).setVisible(true);
    }
    layoutTimer.setEnabled(false);
}

void ScrambledWordsScreen::commandClicked(int index) {
    switch (index) {
        case 0:  // Exit, whatever is running
            forms().unload(*this);
            break;
        case 1:  // New Question
            if (busy() || wordCounts[category] <= 0) return;
            flightFrame = 0;
            flightLetter = 0;
            hideTiles();
            newQuestion();
            break;
        case 2:  // Show Answer
            if (busy() || wordLength == 0) return;
            for (int i = 0; i < wordLength; ++i) answerTiles(i).setVisible(true);
            flightTimer.setEnabled(true);
            break;
        default:
            break;
    }
}

void ScrambledWordsScreen::flyNextFrame() {
    flightFrame += 1;
    if (flightFrame == kFrames + 1) {
        flightFrame = 0;
        flightLetter += 1;
        if (flightLetter >= wordLength) {
            flightFrame = 0;
            flightLetter = 0;
            flightTimer.setEnabled(false);
            // Every letter has landed: the word is whole.
            speech::say(wordgame::withoutMarks(wordlist[wordNumber]));
            return;
        }
    }
    Label& flying = flyingTiles(flightLetter);
    const Label& start = scrambledTiles(flightLetter);
    const Label& target = answerTiles(originalPlace[flightLetter + 1] - 1);
    flying.setVisible(true);
    const auto along = [this](double from, double to) {
        return static_cast<float>((to - from) * flightFrame / kFrames + from);
    };
    flying.move(along(start.Left(), target.Left()), along(start.Top(), target.Top()));
}

void ScrambledWordsScreen::categoryChosen(int index) {
    if (remarking_) return;
    if (busy() || index < 0 || index >= wordgame::kCategories || wordCounts[index] <= 0) {
        markShownCategory();
        return;
    }
    category = static_cast<std::int16_t>(index);
    marked_ = index;
    wordlist = lists[category];
    flightFrame = 0;
    flightLetter = 0;
    hideTiles();
    newQuestion();
}

void ScrambledWordsScreen::pointerOverCommand(int index, int, int, float, float) {
    commands(index).setOpaque(true);
}

void ScrambledWordsScreen::hideTiles() {
    for (int i = 0; i < kTiles; ++i) {
        scrambledTiles(i).setVisible(false);
        answerTiles(i).setVisible(false);
        flyingTiles(i).setVisible(false);
    }
}

void ScrambledWordsScreen::markShownCategory() {
    remarking_ = true;
    for (int c = 0; c < wordgame::kCategories; ++c)
        if (c != marked_) categories(c).setValue(false);
    if (marked_ >= 0) categories(marked_).setValue(true);
    remarking_ = false;
}
