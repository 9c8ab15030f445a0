#pragma once
// The drag-and-drop labelling engine shared by the skeleton, puberty and Healthy Living
// screens: words are dragged from their home slots onto outlined target boxes, snap into a
// box or slot released near it, and are scored by "Check Score".
#include <span>

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

  protected:
    // The screen's own loading steps, which end by setting labelCount.
    virtual void loadScreen() = 0;
    // Check Score's count; the plain rule counts the words on their own boxes.
    virtual int score() const;

  private:
    void snapIfNear(ui::Label& label, const ui::Label& box);
    int placedCount() const;

    const labelling::Layout& layout_;
};
