#include "activities/wordgame/scramble.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "ui/formregistry.h"
#include "ui/module1.h"
#include "ui/platform.h"

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
    .caption = "See if you can unscramble the scientific word below.",
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
    button(10200, 1485, "Exit"),
    button(240, 3525, "New Question"),
    button(5280, 3525, "Show Answer"),
};

// An index of n from one uniform draw.
int drawIndex(int n) {
    return std::clamp(static_cast<int>(platform().rnd() * n), 0, n - 1);
}

// The first letter in lower case: A to Z only, so no other letter changes length or form.
QString lowerFirstLetter(QString w) {
    if (!w.isEmpty() && w[0] >= QLatin1Char('A') && w[0] <= QLatin1Char('Z'))
        w[0] = QChar(w[0].unicode() + ('a' - 'A'));
    return w;
}

}  // namespace

scramble::scramble() : Form(Name) {
    setCaption("Scrambled Words");
    setBorderStyle(BorderStyle::FixedSingle);

    for (int i = 0; i < wordgame::kCategories; ++i) {
        OptionButton& option = Option1.add(i);
        option.setGeometry(120, kOptionTops[i], 2655, 375);
        option.setCaption(QString::fromLatin1(wordgame::kCategoryFiles[i].caption));
        option.setForeColor(colours::kYellow);
        option.setFont(kOptionFont);
    }
    Label2.applyDesign(kInstruction);
    for (int i = 0; i < kTiles; ++i)
        Label5.add(i).applyDesign(tile(colours::kYellow, kScrambledTop));
    for (int i = 0; i < kTiles; ++i) Label6.add(i).applyDesign(tile(kOrange, kAnswerTop));
    for (int i = 0; i < kTiles; ++i) Label7.add(i).applyDesign(tile(kRed, kScrambledTop));
    for (int i = 0; i < 3; ++i) Label3.add(i).applyDesign(kButtons[i]);

    Label3.Click = bind(this, &scramble::Label3_Click);
    Label3.MouseMove = bind(this, &scramble::Label3_MouseMove);
    Option1.Click = bind(this, &scramble::Option1_Click);
    Timer1.Tick = bind(this, &scramble::Timer1_Timer);
    Timer2.Tick = bind(this, &scramble::Timer2_Timer);
    Timer3.Tick = bind(this, &scramble::Timer3_Timer);
}

void scramble::Form_Load() {
    Module1::setupscreen(*this);
    setBackColor(kBackground);
    for (int i = 0; i < wordgame::kCategories; ++i) Option1(i).setBackColor(BackColor());
    category = 0;
    loadwords();
}

void scramble::loadwords() {
    Timer3.setEnabled(true);
}

void scramble::Timer3_Timer() {
    const wordgame::WordLists read = wordgame::readWordLists();
    lists = read.lists;
    wordcount = read.wordcount;
    // A category without a usable word can be neither chosen nor drawn.
    std::vector<int> usable;
    for (int c = 0; c < wordgame::kCategories; ++c) {
        Option1(c).setEnabled(wordcount[c] > 0);
        if (wordcount[c] > 0) usable.push_back(c);
    }
    platform().randomize();
    if (!usable.empty()) {
        category = static_cast<std::int16_t>(usable[drawIndex(static_cast<int>(usable.size()))]);
        marked_ = category;
        // Raises the option's click, which the busy rule turns away: Timer3 is still on.
        Option1(category).setValue(true);
        wordlist = lists[category];
        wordnum = static_cast<std::int16_t>(drawIndex(wordcount[category]));
        newquest();
    }
    Timer3.setEnabled(false);
}

void scramble::newquest() {
    const int count = wordcount[category];
    if (count <= 0) return;
    wordnum = static_cast<std::int16_t>((wordnum + 1) % count);
    const QString w = lowerFirstLetter(wordlist[wordnum]);
    wordlist[wordnum] = w;
    // The reader keeps words to 1 to 16 characters; the bound guards the tile arrays anyway.
    const QStringList chars = wordgame::characters(w);
    L = std::min(static_cast<int>(chars.size()), kTiles);
    for (int i = 1; i <= L; ++i) {
        letters[i] = chars[i - 1];
        origpos[i] = static_cast<std::int16_t>(i);
    }
    platform().randomize();
    for (int pass = 0; pass < 100; ++pass) {
        for (int k = 1; k <= L; ++k) {
            const int r = drawIndex(L) + 1;
            std::swap(letters[k], letters[r]);
            std::swap(origpos[k], origpos[r]);
        }
    }
    for (int i = 1; i <= L; ++i) {
        Label5(i - 1).setCaption(letters[i]);
        Label7(i - 1).setCaption(letters[i]);
        Label6(i - 1).setCaption(chars[i - 1]);
    }
    Label5(0).move((Width() - kLetterAllowance * L) / 2, kScrambledTop);
    Timer1.setEnabled(true);
}

void scramble::Timer1_Timer() {
    Label6(0).setLeft(Label5(0).Left());
    Label7(0).move(Label5(0).Left(), kScrambledTop);
    Label5(0).setVisible(true);
    for (int i = 1; i <= L - 1; ++i) {
        Label5(i).move(Label5(i - 1).Left() + Label5(i - 1).Width(), kScrambledTop);
        Label6(i).move(Label6(i - 1).Left() + Label6(i - 1).Width(), Label6(0).Top());
        Label7(i).move(Label5(i).Left(), kScrambledTop);
        Label5(i).setVisible(true);
    }
    Timer1.setEnabled(false);
}

void scramble::Label3_Click(int Index) {
    switch (Index) {
        case 0:  // Exit, whatever is running
            forms().unload(*this);
            break;
        case 1:  // New Question
            if (busy() || wordcount[category] <= 0) return;
            flyframe = 0;
            flyletter = 0;
            hideTiles();
            newquest();
            break;
        case 2:  // Show Answer
            if (busy() || L == 0) return;
            for (int i = 0; i < L; ++i) Label6(i).setVisible(true);
            Timer2.setEnabled(true);
            break;
        default:
            break;
    }
}

void scramble::Timer2_Timer() {
    flyframe += 1;
    if (flyframe == kFrames + 1) {
        flyframe = 0;
        flyletter += 1;
        if (flyletter >= L) {
            flyframe = 0;
            flyletter = 0;
            Timer2.setEnabled(false);
            return;
        }
    }
    Label& flying = Label7(flyletter);
    const Label& start = Label5(flyletter);
    const Label& target = Label6(origpos[flyletter + 1] - 1);
    flying.setVisible(true);
    const auto along = [this](double from, double to) {
        return static_cast<float>((to - from) * flyframe / kFrames + from);
    };
    flying.move(along(start.Left(), target.Left()), along(start.Top(), target.Top()));
}

void scramble::Option1_Click(int Index) {
    if (remarking_) return;
    if (busy() || Index < 0 || Index >= wordgame::kCategories || wordcount[Index] <= 0) {
        markShownCategory();
        return;
    }
    category = static_cast<std::int16_t>(Index);
    marked_ = Index;
    wordlist = lists[category];
    flyframe = 0;
    flyletter = 0;
    hideTiles();
    newquest();
}

void scramble::Label3_MouseMove(int Index, int, int, float, float) {
    Label3(Index).setOpaque(true);
}

void scramble::hideTiles() {
    for (int i = 0; i < kTiles; ++i) {
        Label5(i).setVisible(false);
        Label6(i).setVisible(false);
        Label7(i).setVisible(false);
    }
}

void scramble::markShownCategory() {
    remarking_ = true;
    for (int c = 0; c < wordgame::kCategories; ++c)
        if (c != marked_) Option1(c).setValue(false);
    if (marked_ >= 0) Option1(marked_).setValue(true);
    remarking_ = false;
}
