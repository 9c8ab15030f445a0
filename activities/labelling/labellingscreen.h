#pragma once
// The drag-and-drop labelling engine shared by the skeleton, puberty and Healthy Living
// screens: words are dragged from their home slots onto outlined target boxes, snap into a
// box or slot released near it, and are scored by "Check Score".
#include <span>

#include "speech/speakerbutton.h"
#include "ui/controlarray.h"
#include "ui/form.h"
#include "ui/label.h"

namespace labelling {

struct Place {
    float left, top;
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
    // pointer would at the box's centre; Escape puts it back.
    bool onKey(ui::Control* focused, ui::Key key) override;
    void onPointerPressed() override { putBack(); }
    // The word held by the keys; -1 while none is.
    int heldWord() const { return held_; }

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

  private:
    void snapIfNear(ui::Label& label, const ui::Label& box);
    int placedCount() const;
    void pickUp(int word);
    void carryTo(int box);
    void showOver(int box);
    void dropHeld();
    void putBack();
    void restackWords();
    // Where word i lies, told to a screen reader after "Skull, ".
    QString placeOf(int word) const;

    const labelling::Layout& layout_;
    int held_ = -1;
    int over_ = 0;
};
