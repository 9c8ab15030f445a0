#include "activities/labelling/labellingscreen.h"

#include <QCoreApplication>
#include <cstring>

#include "speech/readaloud.h"
#include "ui/formregistry.h"
#include "ui/programstate.h"

using namespace ui;

namespace {

constexpr FontSpec kButtonFont{"Tahoma", 15.75f, true};
constexpr int kExit = 0, kStartAgain = 1, kCheckScore = 2;

constexpr LabelDesign button(float left, float width, const char* caption) {
    return {.left = left,
            .top = labelling::kButtonsTop,
            .width = width,
            .height = 495,
            .caption = caption};
}

constexpr LabelDesign kButtons[] = {
    button(10560, 1245, QT_TRANSLATE_NOOP("Screens", "Exit")),
    button(3360, 2565, QT_TRANSLATE_NOOP("Screens", "Start Again")),
    button(6000, 2565, QT_TRANSLATE_NOOP("Screens", "Check Score")),
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

labelling::Board boardOf(const labelling::Layout& layout) {
    std::vector<labelling::Board::Piece> pieces;
    const int n = static_cast<int>(layout.words.size());
    for (int i = 0; i < n; ++i) {
        const labelling::Word& w = layout.words[i];
        int alike = 0;
        while (std::strcmp(layout.words[alike].word, w.word) != 0) ++alike;
        pieces.push_back({{w.target.left, w.target.top, layout.wordWidth, layout.wordHeight},
                          {w.start.left, w.start.top, layout.wordWidth, layout.wordHeight},
                          w.group < 0 ? i : w.group,
                          alike});
    }
    return labelling::Board(std::move(pieces));
}

// The control's index in the array, or -1 when it is not one of its members.
int indexIn(const ControlArray<Label>& array, const Control* c) {
    return c && c->name() == array(0).name() && array.exists(c->index()) && &array(c->index()) == c
               ? c->index()
               : -1;
}

}  // namespace

LabellingScreen::LabellingScreen(const char* name, const labelling::Layout& layout)
    : Form(name), layout_(layout), board_(boardOf(layout)) {
    setCaption(layout.caption);
    setBorderStyle(BorderStyle::FixedSingle);
    setClientSize(layout.clientWidth, layout.clientHeight);

    for (int i = 0; i < wordCount(); ++i) {
        const labelling::Word& w = layout.words[i];
        LabelDesign target = wordDesign(layout, "");
        target.left = w.target.left;
        target.top = w.target.top;
        targets.add(i).applyDesign(target);
        // The activity's own word: never a design caption to translate.
        targets(i).setCaption(QString::fromUtf8(w.word));

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

    words.MouseDown = [this](int i, const MouseArgs& a) { wordPressed(i, a); };
    words.MouseMove = [this](int i, const MouseArgs& a) { wordPointerMoved(i, a); };
    words.MouseUp = [this](int i, const MouseArgs& a) { wordPointerReleased(i, a); };
    commands.Click = bind(this, &LabellingScreen::commandClicked);
    commands.MouseMove = bind(this, &LabellingScreen::pointerOverCommand);
}

void LabellingScreen::onLoad() {
    ProgramState::applyScreenLayout(*this);
    setBackColor(layout_.background);
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
        homes(i).move(board_.home(i).left, board_.home(i).top);
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

void LabellingScreen::moveHome(int slot, labelling::Place at) {
    board_.moveHome(slot, at);
    homes(slot).move(at.left, at.top);
}

void LabellingScreen::sendWordsHome() {
    arrangeHomes();
    board_.startAgain();
    for (int i = 0; i < wordCount(); ++i) showWord(i);
}

void LabellingScreen::showWord(int word) {
    const labelling::Place at = board_.placeOf(word);
    words(word).move(at.left, at.top);
}

void LabellingScreen::moveWord(int word, float left, float top) {
    board_.put(word, {labelling::Spot::Loose, 0, left, top});
    showWord(word);
}

void LabellingScreen::dropWord(int word) {
    board_.drop(word);
    showWord(word);
    if (board_.checkable()) commands(kCheckScore).setVisible(true);
}

void LabellingScreen::wordDragged(int index, int button, int, float x, float y) {
    const labelling::Place at = board_.placeOf(index);
    const labelling::Rect& size = board_.home(index);
    if (button == 1) moveWord(index, at.left + x - size.width / 2, at.top + y - size.height / 2);
    scoreText.setVisible(false);
}

void LabellingScreen::wordReleased(int index, int, int, float, float) {
    dropWord(index);
}

void LabellingScreen::wordPressed(int index, const MouseArgs& a) {
    board_.press(a.pointer, index);
}

void LabellingScreen::wordPointerMoved(int index, const MouseArgs& a) {
    const std::optional<int> carried = board_.carriedBy(a.pointer);
    if (carried && *carried != index) return;  // not this pointer's word
    // A pointer that pressed nowhere here only passes over a word another hand holds.
    const bool passing = !carried && board_.carrierOf(index) >= 0;
    // Still a tap: the word stays where it is.
    const int button = a.tapping || passing ? 0 : a.button;
    if (button == 1 && held_ == index) setDown();  // a drag takes the lifted word
    // A word taken up by a drag is read, as one lifted by a tap or the keys is.
    if (button == 1 && board_.startDragging(a.pointer)) speech::say(spokenWord(index));
    // The word moves under the pointer, so X and Y are worked out from the pointer's steady
    // place in the window and the word's exact place, not from the word's rounded pixels.
    const labelling::Place at = board_.placeOf(index);
    wordDragged(index, button, a.shift, a.formX - at.left, a.formY - at.top);
}

void LabellingScreen::wordPointerReleased(int index, const MouseArgs& a) {
    if (const std::optional<int> carried = board_.letGo(a.pointer)) {
        if (*carried != index) return;
    } else if (board_.carrierOf(index) >= 0) {
        return;
    }
    if (a.tapping) return;  // the tap itself comes next (onTap)
    const labelling::Place at = board_.placeOf(index);
    wordReleased(index, a.button, a.shift, a.formX - at.left, a.formY - at.top);
}

void LabellingScreen::commandClicked(int index) {
    switch (index) {
        case kExit:
            forms().unload(*this);
            break;
        case kStartAgain:
            // Every hand lets go: a pointer still down carries nothing until its release.
            setDown();
            sendWordsHome();
            commands(kCheckScore).setVisible(false);
            scoreText.setVisible(false);
            break;
        case kCheckScore:
            scoreText.setCaption(
                //: The score: how many words are on their right boxes, of how many
                tr("%1 out of %2 correct").arg(board_.score()).arg(wordCount()));
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
            if (board_.carrierOf(i) < 0) {
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
                dropHeldOn(board_.box(over_));
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
    if (word >= 0 && board_.carrierOf(word) >= 0) return;  // another hand holds it
    if (word >= 0 && word == held_) return putBack();
    if (held_ >= 0) {
        // A word lying in a box or slot stands for that place.
        const labelling::Spot* lying = word >= 0 ? &board_.spotOf(word) : nullptr;
        if (lying && lying->kind == labelling::Spot::Box)
            return dropHeldOn(board_.box(lying->index));
        if (lying && lying->kind == labelling::Spot::Home)
            return dropHeldOn(board_.home(lying->index));
        if (const int box = indexIn(targets, on); box >= 0) return dropHeldOn(board_.box(box));
        if (const int slot = indexIn(homes, on); slot >= 0) return dropHeldOn(board_.home(slot));
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
    //: Told to a screen reader: %1 is the word just lifted
    words(word).announce(tr("%1, picked up").arg(words(word).Caption()));
    speech::say(spokenWord(word));
}

void LabellingScreen::carryTo(int box) {
    showOver(box);
    //: Told to a screen reader: %1 is the word carried, %2 the box's number
    words(held_).announce(tr("%1, over box %2").arg(words(held_).Caption()).arg(box + 1));
}

void LabellingScreen::showOver(int box) {
    over_ = box;
    Label& word = words(held_);
    const labelling::Rect& target = board_.box(box);
    word.showAt(target.left + (target.width - word.Width()) / 2,
                target.top + (target.height - word.Height()) / 2);
}

void LabellingScreen::dropHeldOn(const labelling::Rect& place) {
    const int i = held_;
    setDown();
    // The pointer at the place's centre: the drag's last move there, then the release.
    const float centreX = place.left + place.width / 2;
    const float centreY = place.top + place.height / 2;
    const labelling::Place from = board_.placeOf(i);
    wordDragged(i, 1, 0, centreX - from.left, centreY - from.top);
    const labelling::Place at = board_.placeOf(i);
    wordReleased(i, 1, 0, centreX - at.left, centreY - at.top);
    //: Told to a screen reader: %1 is the word put down, %2 where it lies (on box 3)
    words(i).announce(tr("%1, %2").arg(words(i).Caption(), placeOf(i)));
}

void LabellingScreen::putBack() {
    if (held_ < 0) return;
    const int i = held_;
    setDown();
    //: Told to a screen reader: %1 is the word put back where it was
    words(i).announce(tr("%1, put back").arg(words(i).Caption()));
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
        //: Told to a screen reader after a word's name: where the word lies
        if (isOn(word, m)) return tr("on box %1").arg(m + 1);
    if (board_.spotOf(word).kind == labelling::Spot::Home) return tr("back at the start");
    return tr("not on a box");
}
