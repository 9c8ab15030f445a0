#include "activities/labelling/labellingscreen.h"

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
bool inZone(labelling::Place at, const Label& box) {
    const float x = at.left, y = at.top;
    const float L = box.Left(), T = box.Top(), W = box.Width(), H = box.Height();
    const auto bound = [](double v) { return static_cast<float>(v); };
    return bound(L - W / 2.0) < x && x < bound(L + static_cast<double>(W)) &&
           bound(T - H / 2.0) < y && y < bound(T + static_cast<double>(H));
}

labelling::Place topLeft(const Control& c) {
    return {c.Left(), c.Top()};
}

// The control's index in the array, or -1 when it is not one of its members.
int indexIn(const ControlArray<Label>& array, const Control* c) {
    return c && c->name() == array(0).name() && array.exists(c->index()) && &array(c->index()) == c
               ? c->index()
               : -1;
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
    spots_.resize(wordCount());
    for (int i = 0; i < wordCount(); ++i) spots_[i] = {labelling::Spot::Home, i};
    for (int i = 0; i < 3; ++i) commands.add(i).applyDesign(buttonDesign(kButtons[i]));
    commands(kCheckScore).setVisible(false);
    for (int i = 0; i < wordCount(); ++i) words(i).setTabIndex(kFirstWordTab + i);
    const int firstButtonTab = kFirstWordTab + wordCount();
    commands(kStartAgain).setTabIndex(firstButtonTab);
    commands(kCheckScore).setTabIndex(firstButtonTab + 1);
    commands(kExit).setTabIndex(firstButtonTab + 2);
    scoreText.applyDesign(scoreDesign(layout.score));

    words.MouseDown = [this](int i, const MouseArgs& a) { wordPressed(i, a); };
    words.MouseMove = [this](int i, const MouseArgs& a) { wordPointerMoved(i, a); };
    words.MouseUp = [this](int i, const MouseArgs& a) { wordPointerReleased(i, a); };
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
    sendWordsHome();
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

void LabellingScreen::sendWordsHome() {
    arrangeHomes();
    for (int i = 0; i < wordCount(); ++i) putWord(i, {labelling::Spot::Home, i});
}

labelling::Place LabellingScreen::positionOf(const labelling::Spot& spot) const {
    switch (spot.kind) {
        case labelling::Spot::Box:
            return topLeft(targets(spot.index));
        case labelling::Spot::Home:
            return topLeft(homes(spot.index));
        case labelling::Spot::Loose:
            break;
    }
    return {spot.left, spot.top};
}

void LabellingScreen::putWord(int word, const labelling::Spot& spot) {
    spots_[word] = spot;
    const labelling::Place at = positionOf(spot);
    words(word).move(at.left, at.top);
}

void LabellingScreen::moveWord(int word, float left, float top) {
    putWord(word, {labelling::Spot::Loose, 0, left, top});
}

void LabellingScreen::wordDragged(int index, int button, int, float x, float y) {
    const labelling::Place at = positionOf(spots_[index]);
    if (button == 1)
        moveWord(index, at.left + x - words(index).Width() / 2,
                 at.top + y - words(index).Height() / 2);
    scoreText.setVisible(false);
}

void LabellingScreen::wordReleased(int index, int, int, float, float) {
    // Every test reads where the word lies now, so the last snap of the pass stands.
    labelling::Place at = positionOf(spots_[index]);
    labelling::Spot spot{labelling::Spot::Loose, 0, at.left, at.top};
    for (int i = 0; i < wordCount(); ++i) {
        if (inZone(at, targets(i))) {
            at = topLeft(targets(i));
            spot = {labelling::Spot::Box, i};
        }
        if (inZone(at, homes(i))) {
            at = topLeft(homes(i));
            spot = {labelling::Spot::Home, i};
        }
    }
    putWord(index, spot);
    // Once shown, Check Score stays until Start Again.
    if (placedCount() == wordCount()) commands(kCheckScore).setVisible(true);
}

int LabellingScreen::carrierOf(int word, int besides) const {
    for (const auto& [pointer, carried] : carried_)
        if (carried == word && pointer != besides) return pointer;
    return -1;
}

void LabellingScreen::wordPressed(int index, const MouseArgs& a) {
    // A second hand on a word that one holds already does nothing.
    carried_[a.pointer] = carrierOf(index, a.pointer) >= 0 ? -1 : index;
    dragging_.erase(a.pointer);
}

void LabellingScreen::wordPointerMoved(int index, const MouseArgs& a) {
    const auto it = carried_.find(a.pointer);
    if (it != carried_.end() && it->second != index) return;  // not this pointer's word
    // A pointer that pressed nowhere here only passes over a word another hand holds.
    const bool passing = it == carried_.end() && carrierOf(index) >= 0;
    // Still a tap: the word stays where it is.
    const int button = a.tapping || passing ? 0 : a.button;
    if (button == 1 && held_ == index) setDown();  // a drag takes the lifted word
    // A word taken up by a drag is read, as one lifted by a tap or the keys is.
    if (button == 1 && dragging_.insert(a.pointer).second) speech::say(spokenWord(index));
    // The word moves under the pointer, so X and Y are worked out from the pointer's steady
    // place in the window and the word's exact place, not from the word's rounded pixels.
    const labelling::Place at = positionOf(spots_[index]);
    wordDragged(index, button, a.shift, a.formX - at.left, a.formY - at.top);
}

void LabellingScreen::wordPointerReleased(int index, const MouseArgs& a) {
    dragging_.erase(a.pointer);
    const auto it = carried_.find(a.pointer);
    if (it != carried_.end()) {
        const int carried = it->second;
        carried_.erase(it);
        if (carried != index) return;
    } else if (carrierOf(index) >= 0) {
        return;
    }
    if (a.tapping) return;  // the tap itself comes next (onTap)
    const labelling::Place at = positionOf(spots_[index]);
    wordReleased(index, a.button, a.shift, a.formX - at.left, a.formY - at.top);
}

bool LabellingScreen::isOn(int label, int target) const {
    const labelling::Spot& spot = spots_[label];
    return spot.kind != labelling::Spot::Loose && positionOf(spot) == topLeft(targets(target));
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
            // Every hand lets go: a pointer still down carries nothing until its release.
            for (auto& [pointer, carried] : carried_) carried = -1;
            setDown();
            sendWordsHome();
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
    const int n = wordCount();
    if (held_ < 0) {
        if (key != Key::Activate || !focused) return false;
        for (int i = 0; i < n; ++i) {
            if (focused != &words(i)) continue;
            // A word a pointer is dragging stays with the pointer.
            if (carrierOf(i) < 0) {
                pickUp(i);
                showOver(0);
            }
            return true;
        }
        return false;
    }
    switch (key) {
        case Key::Tab:
        case Key::Next:
            carryTo((over_ + 1) % n);
            break;
        case Key::BackTab:
        case Key::Previous:
            carryTo(over_ < 0 ? n - 1 : (over_ + n - 1) % n);
            break;
        case Key::Activate:
            if (over_ < 0)
                putBack();
            else
                dropHeldOn(targets(over_));
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

void LabellingScreen::onTap(Control* on) {
    const int word = indexIn(words, on);
    if (word >= 0 && carrierOf(word) >= 0) return;  // another hand holds it
    if (word >= 0 && word == held_) return putBack();
    if (held_ >= 0) {
        // A word lying in a box or slot stands for that place.
        const labelling::Spot* lying = word >= 0 ? &spots_[word] : nullptr;
        if (lying && lying->kind == labelling::Spot::Box) return dropHeldOn(targets(lying->index));
        if (lying && lying->kind == labelling::Spot::Home) return dropHeldOn(homes(lying->index));
        if (const int box = indexIn(targets, on); box >= 0) return dropHeldOn(targets(box));
        if (const int slot = indexIn(homes, on); slot >= 0) return dropHeldOn(homes(slot));
        putBack();
    }
    if (word >= 0) pickUp(word);
}

void LabellingScreen::pickUp(int word) {
    held_ = word;
    over_ = -1;
    words(word).bringToFront();  // carried over every other word
    words(word).setLifted(true);
    keyboard().showRingOn(words(word));
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

void LabellingScreen::dropHeldOn(const Label& place) {
    const int i = held_;
    setDown();
    // The pointer at the place's centre: the drag's last move there, then the release.
    const float centreX = place.Left() + place.Width() / 2;
    const float centreY = place.Top() + place.Height() / 2;
    const labelling::Place from = positionOf(spots_[i]);
    wordDragged(i, 1, 0, centreX - from.left, centreY - from.top);
    const labelling::Place at = positionOf(spots_[i]);
    wordReleased(i, 1, 0, centreX - at.left, centreY - at.top);
    words(i).announce(words(i).Caption() + ", " + placeOf(i));
}

void LabellingScreen::putBack() {
    if (held_ < 0) return;
    const int i = held_;
    setDown();
    words(i).announce(words(i).Caption() + ", put back");
}

void LabellingScreen::setDown() {
    if (held_ < 0) return;
    const int i = held_;
    held_ = -1;
    over_ = -1;
    words(i).setLifted(false);
    words(i).showInPlace();
    restackWords();
}

void LabellingScreen::restackWords() {
    // A higher index in front again, as the words were before one was carried.
    for (int i = 0; i < wordCount(); ++i) words(i).bringToFront();
}

QString LabellingScreen::placeOf(int word) const {
    for (int m = 0; m < wordCount(); ++m)
        if (isOn(word, m)) return QString("on box %1").arg(m + 1);
    if (spots_[word].kind == labelling::Spot::Home) return "back at the start";
    return "not on a box";
}
