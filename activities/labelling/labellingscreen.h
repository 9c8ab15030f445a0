#pragma once
// The drag-and-drop labelling engine shared by the skeleton, puberty and Healthy Living
// screens: words are dragged from their home slots onto outlined target boxes, snap into a
// box or slot released near it, and are scored by "Check Score".
//
// The engine keeps where each word lies and draws the word there. Every pointer (the mouse,
// each touch point) carries the word it pressed, so several pupils drag at once; a press
// that is released before it moves past the platform's drag distance is a tap, which lifts
// a word as the keys do, and a tap on a box or home slot drops the lifted word there.
#include <map>
#include <set>
#include <span>
#include <vector>

#include "speech/speakerbutton.h"
#include "ui/controlarray.h"
#include "ui/form.h"
#include "ui/label.h"

namespace labelling {

struct Place {
    float left, top;
    bool operator==(const Place&) const = default;  // exactly, as snapping copies them
};

// One draggable word: the box it belongs on and where it starts.
struct Word {
    const char* word;
    Place target;
    Place start;
};

// What differs between the screens' words and boxes.
struct Layout {
    const char* caption;  // the window title
    float clientWidth, clientHeight;
    float wordWidth, wordHeight;  // every word and every box
    ui::FontSpec wordFont;
    std::span<const Word> words;  // index i is words(i) and its box targets(i)
    ui::LabelDesign score;        // scoreText: its place (the style is the engine's)
};

// Where a word lies: on a box, in a home slot, or loose where a drag left it.
struct Spot {
    enum Kind { Box, Home, Loose } kind = Home;
    int index = 0;            // the box or home slot
    float left = 0, top = 0;  // a loose word's top-left corner
};

}  // namespace labelling

class LabellingScreen : public ui::Form {
  public:
    LabellingScreen(const char* name, const labelling::Layout& layout);

    void onLoad() override;
    void wordDragged(int index, int button, int shift, float x, float y);
    void wordReleased(int index, int button, int shift, float x, float y);
    void commandClicked(int index);
    void pointerOverCommand(int index, int button, int shift, float x, float y);
    void onMouseMove(int button, int shift, float x, float y) override;
    void onCloseRequested() override { commandClicked(0); }

    // Drag-and-drop by keys: Enter or Space on a word picks it up and shows it over box 0;
    // Tab, Shift+Tab and the arrows carry it from box to box; Enter or Space drops it as the
    // pointer would at the box's centre; Escape puts it back. A word a tap lifted stays in its
    // place until a key carries it to a box.
    bool onKey(ui::Control* focused, ui::Key key) override;
    // A tap on a word lifts it (on the lifted word, puts it back); with a word lifted, a tap
    // on a box or home slot, or on a word lying in one, drops it there as a drop at that
    // place's centre, and a tap anywhere else puts it back.
    void onTap(ui::Control* on) override;
    // The word lifted by the keys or a tap; -1 while none is.
    int heldWord() const { return held_; }

    // Where each word lies; the words are drawn from it.
    const labelling::Spot& spotOf(int word) const { return spots_[word]; }
    // Leaves a word loose with its top-left corner there, as a drag would before its release.
    void moveWord(int word, float left, float top);

    // Tab indexes below this are free for a screen's own controls that come first; the
    // words follow in index order, then the buttons from left to right.
    static constexpr int kFirstWordTab = 10;

    // The screen's own number of words. The shared labelCount holds the count of whichever
    // labelling screen loaded last, which need not be this one.
    int wordCount() const { return static_cast<int>(layout_.words.size()); }
    // Whether words(label) lies exactly on targets(target).
    bool isOn(int label, int target) const;

    ui::ControlArray<ui::Label> targets{*this, "Label1"};   // targets
    ui::ControlArray<ui::Label> homes{*this, "Label4"};     // home slots
    ui::ControlArray<ui::Label> commands{*this, "Label3"};  // Exit, Start Again, Check Score
    ui::Label scoreText{*this, "Label6"};                   // the score
    ui::ControlArray<ui::Label> words{*this, "Label2"};     // the draggable words
    speech::SpeakerButton speaker{*this, speech::kLabellingCorner, [this] { return spokenText(); }};

  protected:
    // The screen's own loading steps, which end by setting labelCount.
    virtual void loadScreen() = 0;
    // Check Score's count; the plain rule counts the words on their own boxes.
    virtual int score() const;
    // What the speaker button reads: the instruction, and a passage with its gaps.
    virtual QString spokenText() const = 0;
    // How word i is read when it is picked up.
    virtual QString spokenWord(int word) const { return words(word).Caption(); }
    // Moves the home slots, at each opening and Start Again, before the words go to them; the
    // design's places stand unless a screen deals them out afresh.
    virtual void arrangeHomes() {}

  private:
    // The pointers' own presses, moves and releases on words.
    void wordPressed(int index, const ui::MouseArgs& a);
    void wordPointerMoved(int index, const ui::MouseArgs& a);
    void wordPointerReleased(int index, const ui::MouseArgs& a);
    // The pointer that carries the word, other than `besides`; -1 if none does.
    int carrierOf(int word, int besides = -1) const;

    void sendWordsHome();
    labelling::Place positionOf(const labelling::Spot& spot) const;
    void putWord(int word, const labelling::Spot& spot);
    int placedCount() const;
    // Every lift of a word, by keys, mouse, pen or touch, comes here.
    void pickUp(int word);
    void carryTo(int box);
    void showOver(int box);
    // Drops the lifted word as a drag released at the place's centre would.
    void dropHeldOn(const ui::Label& place);
    void putBack();
    // The lifted word, drawn in its place again and no longer lifted.
    void setDown();
    void restackWords();
    // Where word i lies, told to a screen reader after "Skull, ".
    QString placeOf(int word) const;

    const labelling::Layout& layout_;
    std::vector<labelling::Spot> spots_;
    // Each pointer that pressed a word, and the word it carries: -1 when another pointer
    // held that word already, or Start Again took it away.
    std::map<int, int> carried_;
    std::set<int> dragging_;  // pointers past the drag distance with their word
    int held_ = -1;
    int over_ = -1;  // the box the lifted word is shown over; -1: in its place
};
