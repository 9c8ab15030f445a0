#include "activities/labelling/labellingscreen.h"

#include <QGuiApplication>

#include "speech/readaloud.h"
#include "ui/formregistry.h"
#include "ui/programstate.h"

using namespace ui;

namespace {

constexpr Colour kBackground = RGB(9, 63, 137);
constexpr FontSpec kButtonFont{"Tahoma", 15.75f, true};
constexpr int kExit = 0, kStartAgain = 1, kCheckScore = 2;

constexpr LabelDesign kButtons[] = {
    {.left = 10560, .top = 7920, .width = 1245, .height = 495, .caption = "Exit"},
    {.left = 3360, .top = 7920, .width = 2565, .height = 495, .caption = "Start Again"},
    {.left = 6000, .top = 7920, .width = 2565, .height = 495, .caption = "Check Score"},
};

LabelDesign wordDesign(const labelling::Layout& layout, const char* caption) {
    return {.width = layout.wordWidth,
            .height = layout.wordHeight,
            .caption = caption,
            .font = layout.wordFont,
            .fore = colours::kYellow,
            .back = colours::kBlack,
            .border = true,
            .align = Align::Center};
}

LabelDesign buttonDesign(LabelDesign d) {
    d.font = kButtonFont;
    d.fore = colours::kYellow;
    d.back = colours::kBlack;
    d.border = true;
    d.align = Align::Center;
    return d;
}

LabelDesign scoreDesign(LabelDesign d) {
    d.font = {"Arial", 20.25f, true};
    d.fore = colours::kYellow;
    d.opaque = false;
    d.align = Align::Center;
    d.visible = false;
    return d;
}

// The single-precision bounds of a box's zone: a label whose top-left corner lies strictly
// inside snaps to the box.
bool inZone(float x, float y, const Label& box) {
    const float L = box.Left(), T = box.Top(), W = box.Width(), H = box.Height();
    const auto bound = [](double v) { return static_cast<float>(v); };
    return bound(L - W / 2.0) < x && x < bound(L + static_cast<double>(W)) &&
           bound(T - H / 2.0) < y && y < bound(T + static_cast<double>(H));
}

}  // namespace

LabellingScreen::LabellingScreen(const char* name, const labelling::Layout& layout)
    : Form(name), layout_(layout) {
    setCaption(layout.caption);
    setBorderStyle(BorderStyle::FixedSingle);
    setClientSize(layout.clientWidth, layout.clientHeight);

    for (int i = 0; i < wordCount(); ++i) {
        const labelling::Word& w = layout.words[i];
        LabelDesign target = wordDesign(layout, w.word);
        target.left = w.target.left;
        target.top = w.target.top;
        targets.add(i).applyDesign(target);

        LabelDesign slot = wordDesign(layout, "");
        slot.opaque = false;
        slot.visible = false;
        homes.add(i).applyDesign(slot);

        LabelDesign word = wordDesign(layout, "");
        word.left = w.start.left;
        word.top = w.start.top;
        word.visible = false;
        words.add(i).applyDesign(word);
        // A word may be dragged off the window; the window must not grow to follow it.
        words(i).setMayOverhang(true);
    }
    for (int i = 0; i < 3; ++i) commands.add(i).applyDesign(buttonDesign(kButtons[i]));
    commands(kCheckScore).setVisible(false);
    for (int i = 0; i < wordCount(); ++i) words(i).setTabIndex(kFirstWordTab + i);
    const int firstButtonTab = kFirstWordTab + wordCount();
    commands(kStartAgain).setTabIndex(firstButtonTab);
    commands(kCheckScore).setTabIndex(firstButtonTab + 1);
    commands(kExit).setTabIndex(firstButtonTab + 2);
    scoreText.applyDesign(scoreDesign(layout.score));

    // The word moves under the pointer, so X and Y are worked out from the pointer's steady
    // place in the window and the word's exact place, not from the word's rounded pixels.
    words.MouseMove = [this](int i, const MouseArgs& a) {
        wordDragged(i, a.button, a.shift, a.formX - words(i).Left(), a.formY - words(i).Top());
    };
    // A word taken up by the pointer is read, as one picked up by the keys is.
    words.MouseDown = [this](int i, const MouseArgs& a) {
        if (a.button == 1) speech::say(spokenWord(i));
    };
    words.MouseUp = [this](int i, const MouseArgs& a) {
        wordReleased(i, a.button, a.shift, a.formX - words(i).Left(), a.formY - words(i).Top());
    };
    commands.Click = bind(this, &LabellingScreen::commandClicked);
    commands.MouseMove = bind(this, &LabellingScreen::pointerOverCommand);
}

void LabellingScreen::onLoad() {
    ProgramState::applyScreenLayout(*this);
    setBackColor(kBackground);
    loadScreen();
    const int n = wordCount();
    for (int i = 0; i < n; ++i) {
        targets(i).setVisible(false);
        homes(i).setWidth(words(i).Width());
        homes(i).setHeight(words(i).Height());
    }
    for (int i = 0; i < n; ++i) {
        words(i).setCaption(targets(i).Caption());
        targets(i).setCaption("");
        targets(i).setOpaque(false);
        targets(i).setVisible(true);
        homes(i).move(words(i).Left(), words(i).Top());
    }
    for (int i = 0; i < n; ++i) {
        words(i).setVisible(true);
        homes(i).setVisible(true);
    }
    // Boxes and buttons lie over the screen's own pictures and texts (the skeleton reaches
    // down behind the buttons), and words over everything, a higher index in front.
    for (int i = 0; i < n; ++i) {
        targets(i).bringToFront();
        homes(i).bringToFront();
    }
    for (int i = 0; i < 3; ++i) commands(i).bringToFront();
    scoreText.bringToFront();
    for (int i = 0; i < n; ++i) words(i).bringToFront();
}

void LabellingScreen::wordDragged(int index, int button, int, float x, float y) {
    Label& word = words(index);
    if (button == 1)
        word.move(word.Left() + x - word.Width() / 2, word.Top() + y - word.Height() / 2);
    scoreText.setVisible(false);
}

void LabellingScreen::snapIfNear(Label& label, const Label& box) {
    if (inZone(label.Left(), label.Top(), box)) label.move(box.Left(), box.Top());
}

void LabellingScreen::wordReleased(int index, int, int, float, float) {
    Label& word = words(index);
    // Every test reads the word's current place, so the last snap of the pass stands.
    for (int i = 0; i < wordCount(); ++i) {
        snapIfNear(word, targets(i));
        snapIfNear(word, homes(i));
    }
    // Once shown, Check Score stays until Start Again.
    if (placedCount() == wordCount()) commands(kCheckScore).setVisible(true);
}

bool LabellingScreen::isOn(int label, int target) const {
    return words(label).Left() == targets(target).Left() &&
           words(label).Top() == targets(target).Top();
}

int LabellingScreen::placedCount() const {
    int count = 0;
    for (int j = 0; j < wordCount(); ++j)
        for (int m = 0; m < wordCount(); ++m) count += isOn(j, m) ? 1 : 0;
    return count;
}

int LabellingScreen::score() const {
    int correct = 0;
    for (int i = 0; i < wordCount(); ++i) correct += isOn(i, i) ? 1 : 0;
    return correct;
}

void LabellingScreen::commandClicked(int index) {
    switch (index) {
        case kExit:
            forms().unload(*this);
            break;
        case kStartAgain:
            for (int i = 0; i < wordCount(); ++i) words(i).move(homes(i).Left(), homes(i).Top());
            commands(kCheckScore).setVisible(false);
            scoreText.setVisible(false);
            break;
        case kCheckScore:
            scoreText.setCaption(QString("%1 out of %2 correct").arg(score()).arg(wordCount()));
            scoreText.setVisible(true);
            // Told again even when the count is the same as last time.
            scoreText.announceNameChange();
            speech::say(scoreText.Caption());
            break;
    }
}

void LabellingScreen::pointerOverCommand(int index, int, int, float, float) {
    commands(index).setOpaque(true);
}

void LabellingScreen::onMouseMove(int, int, float, float) {
    for (int i = 0; i < 3; ++i) commands(i).setOpaque(false);
}

bool LabellingScreen::onKey(Control* focused, Key key) {
    if (held_ < 0) {
        if (key != Key::Activate || !focused) return false;
        for (int i = 0; i < wordCount(); ++i) {
            if (focused != &words(i)) continue;
            // A word the pointer is dragging stays with the pointer.
            if (QGuiApplication::mouseButtons() == Qt::NoButton) pickUp(i);
            return true;
        }
        return false;
    }
    switch (key) {
        case Key::Tab:
        case Key::Next:
            carryTo((over_ + 1) % wordCount());
            break;
        case Key::BackTab:
        case Key::Previous:
            carryTo((over_ + wordCount() - 1) % wordCount());
            break;
        case Key::Activate:
            dropHeld();
            break;
        case Key::Escape:
            putBack();
            break;
        case Key::PageUp:
        case Key::PageDown:
            break;
    }
    return true;  // while a word is held, no key goes elsewhere
}

void LabellingScreen::pickUp(int word) {
    held_ = word;
    words(word).bringToFront();  // carried over every other word
    showOver(0);
    words(word).announce(words(word).Caption() + ", picked up");
    speech::say(spokenWord(word));
}

void LabellingScreen::carryTo(int box) {
    showOver(box);
    words(held_).announce(QString("%1, over box %2").arg(words(held_).Caption()).arg(box + 1));
}

void LabellingScreen::showOver(int box) {
    over_ = box;
    Label& word = words(held_);
    const Label& target = targets(box);
    word.showAt(target.Left() + (target.Width() - word.Width()) / 2,
                target.Top() + (target.Height() - word.Height()) / 2);
}

void LabellingScreen::dropHeld() {
    const int i = held_;
    held_ = -1;
    words(i).showInPlace();
    restackWords();
    // The pointer at the box's centre: the drag's last move there, then the release.
    const float centreX = targets(over_).Left() + targets(over_).Width() / 2;
    const float centreY = targets(over_).Top() + targets(over_).Height() / 2;
    wordDragged(i, 1, 0, centreX - words(i).Left(), centreY - words(i).Top());
    wordReleased(i, 1, 0, centreX - words(i).Left(), centreY - words(i).Top());
    words(i).announce(words(i).Caption() + ", " + placeOf(i));
}

void LabellingScreen::putBack() {
    if (held_ < 0) return;
    const int i = held_;
    held_ = -1;
    words(i).showInPlace();
    restackWords();
    words(i).announce(words(i).Caption() + ", put back");
}

void LabellingScreen::restackWords() {
    // A higher index in front again, as the words were before one was carried.
    for (int i = 0; i < wordCount(); ++i) words(i).bringToFront();
}

QString LabellingScreen::placeOf(int word) const {
    for (int m = 0; m < wordCount(); ++m)
        if (isOn(word, m)) return QString("on box %1").arg(m + 1);
    for (int m = 0; m < wordCount(); ++m)
        if (words(word).Left() == homes(m).Left() && words(word).Top() == homes(m).Top())
            return "back at the start";
    return "not on a box";
}
