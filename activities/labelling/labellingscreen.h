#pragma once
// The drag-and-drop labelling engine of the labelling, sorting and passage screens: words are
// dragged from their home slots onto outlined target boxes, snap into a box or slot released near
// it, and are scored by "Check Score".
//
// The board (board.h) keeps where each word lies; the screen draws it. Every pointer (the mouse,
// each touch point) carries the word it pressed, so several pupils drag at once; a press
// that is released before it moves past the platform's drag distance is a tap, which lifts
// a word as the keys do, and a tap on a box or home slot drops the lifted word there.
#include <QCoreApplication>
#include <span>

#include "activities/labelling/board.h"
#include "speech/speakerbutton.h"
#include "ui/controlarray.h"
#include "ui/form.h"
#include "ui/label.h"

namespace labelling {

// One draggable word: the box it belongs on and where it starts. A word scores on any box
// of its group, where boxes share one; words of the same text may stand for one another.
struct Word {
    const char* word;
    Place target;
    Place start;
    int group = -1;  // -1: its own box alone
};

// The row of Exit, Start Again and Check Score, which nothing a screen lays out may reach.
constexpr float kButtonsTop = 7920;

// What differs between the screens' words and boxes.
struct Layout {
    const char* caption;  // the window title
    float clientWidth, clientHeight;
    float wordWidth, wordHeight;  // every word and every box
    ui::FontSpec wordFont;
    std::span<const Word> words;  // index i is words(i) and its box targets(i)
    ui::LabelDesign score;        // scoreText: its place (the style is the engine's)
    ui::Colour background = ui::RGB(9, 63, 137);
};

}  // namespace labelling

class LabellingScreen : public ui::Form {
    Q_DECLARE_TR_FUNCTIONS(LabellingScreen)

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

    // The model the screen draws: where each word lies, and every rule of the game.
    const labelling::Board& board() const { return board_; }
    const labelling::Spot& spotOf(int word) const { return board_.spotOf(word); }
    // Leaves a word loose with its top-left corner there, as a drag would before its release.
    void moveWord(int word, float left, float top);

    // Tab indexes below this are free for a screen's own controls that come first; the
    // words follow in index order, then the buttons from left to right.
    static constexpr int kFirstWordTab = 10;

    // The screen's own number of words. The shared labelCount holds the count of whichever
    // labelling screen loaded last, which need not be this one.
    int wordCount() const { return static_cast<int>(layout_.words.size()); }
    // Whether words(label) lies exactly on targets(target).
    bool isOn(int label, int target) const { return board_.isOn(label, target); }

    ui::ControlArray<ui::Label> targets{*this, "Label1"};   // targets
    ui::ControlArray<ui::Label> homes{*this, "Label4"};     // home slots
    ui::ControlArray<ui::Label> commands{*this, "Label3"};  // Exit, Start Again, Check Score
    ui::Label scoreText{*this, "Label6"};                   // the score
    ui::ControlArray<ui::Label> words{*this, "Label2"};     // the draggable words
    speech::SpeakerButton speaker{*this, speech::kLabellingCorner, [this] { return spokenText(); }};

  protected:
    // The screen's own loading steps, which end by setting labelCount.
    virtual void loadScreen() = 0;
    // What the speaker button reads: the instruction, and a passage with its gaps.
    virtual QString spokenText() const = 0;
    // How word i is read when it is picked up.
    virtual QString spokenWord(int word) const { return words(word).Caption(); }
    // Moves the home slots, at each opening and Start Again, before the words go to them; the
    // design's places stand unless a screen deals them out afresh.
    virtual void arrangeHomes() {}
    void moveHome(int slot, labelling::Place at);

  private:
    // The pointers' own presses, moves and releases on words.
    void wordPressed(int index, const ui::MouseArgs& a);
    void wordPointerMoved(int index, const ui::MouseArgs& a);
    void wordPointerReleased(int index, const ui::MouseArgs& a);

    void sendWordsHome();
    // Draws the word where the board says it lies.
    void showWord(int word);
    // Drops the word where it lies, and shows where it went and whether Check Score is there.
    void dropWord(int word);
    // Every lift of a word, by keys, mouse, pen or touch, comes here.
    void pickUp(int word);
    void carryTo(int box);
    void showOver(int box);
    // Drops the lifted word as a drag released at the place's centre would.
    void dropHeldOn(const labelling::Rect& place);
    void putBack();
    // The lifted word, drawn in its place again and no longer lifted.
    void setDown();
    void restackWords();
    // Where word i lies, told to a screen reader after "Skull, ".
    QString placeOf(int word) const;

    const labelling::Layout& layout_;
    labelling::Board board_;
    int held_ = -1;
    int over_ = -1;  // the box the lifted word is shown over; -1: in its place
};
