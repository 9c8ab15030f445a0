#include "activities/labelling/healthylivingscreen.h"

#include "speech/spoken.h"
#include "ui/formregistry.h"

using namespace ui;

namespace {

constexpr float kStartTop = 7200;

// Word (the gap it fills in the comment), box Left and Top, start Left and Top.
constexpr labelling::Word kWords[] = {
    {"cancer", {9600, 5280}, {720, kStartTop}},      // gap 6
    {"tobacco", {3585, 3090}, {2520, kStartTop}},    // gap 1
    {"plant", {240, 4200}, {4320, kStartTop}},       // gap 2
    {"heart", {8400, 4740}, {7920, kStartTop}},      // gap 4
    {"addictive", {4800, 4200}, {9720, kStartTop}},  // gap 3
    {"arteries", {2160, 5280}, {6120, kStartTop}},   // gap 5
};

constexpr labelling::Layout kLayout{
    .caption = "Healthy Living",
    .clientWidth = 11790,
    .clientHeight = 8400,
    .wordWidth = 1635,
    .wordHeight = 435,
    .wordFont = {"Arial", 15.75f, true},
    .words = kWords,
    .score = {.left = 3960, .top = 6360, .width = 3945, .height = 585},
};

// The passage's text, and the number of blanks of the gap that follows each piece.
struct PassagePiece {
    const char* text;
    int gap;
};
constexpr PassagePiece kPassage[] = {
    {"People smoke", 14},
    {"in cigarettes, cigars and pipes. Tobacco comes from the leaves of a", 25},
    {"that has the", 14},
    {"drug nicotine in it. Smokers have a higher chance of a", 14},
    {"attack, blocked", 13},
    {", breathing problems and", 13},
    {".", 0},
};

constexpr LabelDesign kPassageDesign{.left = 240,
                                     .top = 3000,
                                     .width = 11475,
                                     .height = 3105,
                                     .font = {"Arial", 24, true},
                                     .fore = colours::kYellow,
                                     .opaque = false,
                                     .align = Align::Left,
                                     // The boxes stand where the design engine left the gaps.
                                     .carryBlankRuns = true};

constexpr LabelDesign kInstruction =
    textDesign(2640, 480, 3825, 1545, {"Arial", 18, true},
               "Drag and drop the words to complete the sentences below.");

struct Topic {
    const char* caption;
    float top;
    bool selected;
    bool enabled;
};
constexpr Topic kTopics[] = {
    {"Smoking", 240, true, true},
    {"Solvents", 720, false, false},
    {"Alcohol", 1200, false, false},
    {"Drugs", 1680, false, false},
};

// The passage, with each gap a run of blanks that a box is placed over.
QString passage() {
    QString text;
    for (const PassagePiece& piece : kPassage)
        text += QString::fromLatin1(piece.text) + QString(piece.gap, u' ');
    return text;
}

}  // namespace

HealthyLivingScreen::HealthyLivingScreen(const std::array<OtherPassage, 4>& others)
    : LabellingScreen(Name, kLayout), otherPassages(others) {
    passageText.applyDesign(kPassageDesign);
    passageText.setCaption(passage());
    instruction.applyDesign(kInstruction);
    for (int i = 0; i < 4; ++i) {
        OptionButton& option = passages.add(i);
        option.setGeometry(240, kTopics[i].top, 1575, 375);
        const OtherPassage& other = otherPassages[i];
        option.setCaption(other.caption.isEmpty() ? QString(kTopics[i].caption) : other.caption);
        option.setFont({"Arial", 12, true});
        option.setForeColor(colours::kYellow);
        option.setEnabled(kTopics[i].enabled || !other.screen.isEmpty());
        option.setValue(kTopics[i].selected);  // design state: no handler is wired yet
        option.setVisible(false);
        option.setTabIndex(i);  // the group comes before the words
    }
    passages.Click = bind(this, &HealthyLivingScreen::passageChosen);
    showOptionsTimer.Tick = bind(this, &HealthyLivingScreen::showOptions);
}

void HealthyLivingScreen::loadScreen() {
    for (int i = 0; i < 4; ++i) passages(i).setBackColor(BackColor());
}

QString HealthyLivingScreen::spokenText() const {
    return speech::sentences({instruction.Caption(), speech::withGapsRead(passageText.Caption())});
}

void HealthyLivingScreen::onLoad() {
    LabellingScreen::onLoad();
    showOptionsTimer.setEnabled(true);
}

void HealthyLivingScreen::showOptions() {
    for (int i = 0; i < 4; ++i) passages(i).setVisible(true);
    showOptionsTimer.setEnabled(false);
}

void HealthyLivingScreen::passageChosen(int index) {
    // Another passage has a screen of its own, shown in place of this one.
    if (index <= 0 || index >= 4 || otherPassages[index].screen.isEmpty()) return;
    forms().show(otherPassages[index].screen);
    forms().unload(*this);
}
