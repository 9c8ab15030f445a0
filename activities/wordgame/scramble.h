#pragma once
#include <array>
#include <cstdint>

#include "activities/wordgame/wordlists.h"
#include "ui/choice.h"
#include "ui/controlarray.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/timer.h"

// Scrambled Words: a science word with its letters shuffled, one tile per letter; Show Answer
// flies copies of the letters onto the word spelt in a second row.
class scramble : public ui::Form {
  public:
    static constexpr const char* Name = "scramble";
    static constexpr int kTiles = 16;
    scramble();

    void Form_Load() override;
    void loadwords();
    void newquest();
    void Label3_Click(int Index);
    void Label3_MouseMove(int Index, int Button, int Shift, float X, float Y);
    void Option1_Click(int Index);
    void Timer3_Timer();
    void Timer1_Timer();
    void Timer2_Timer();
    void closeRequested() override { Label3_Click(0); }

    // New Question, Show Answer and a category change wait while any timer runs.
    bool busy() const { return Timer1.Enabled() || Timer2.Enabled() || Timer3.Enabled(); }

    // Declared in stacking order: the red flying tiles lie over both rows.
    ui::ControlArray<ui::OptionButton> Option1{*this, "Option1"};
    ui::Label Label2{*this, "Label2"};
    ui::ControlArray<ui::Label> Label5{*this, "Label5"};  // the scrambled row
    ui::ControlArray<ui::Label> Label6{*this, "Label6"};  // the answer row
    ui::ControlArray<ui::Label> Label7{*this, "Label7"};  // the flying copies
    ui::ControlArray<ui::Label> Label3{*this, "Label3"};  // Exit, New Question, Show Answer
    ui::Timer Timer1{*this, 1};                           // lays out the tiles, one tick
    ui::Timer Timer2{*this, 25};                          // the answer animation
    ui::Timer Timer3{*this, 1};  // loads the words after the screen appears, one tick

    std::int16_t category = 0;
    std::array<wordgame::WordList, wordgame::kCategories> lists;
    std::array<std::int16_t, wordgame::kCategories> wordcount{};
    wordgame::WordList wordlist;
    std::int16_t wordnum = 0;
    std::array<QString, 21> letters;
    std::array<std::int16_t, 17> origpos{};
    std::int16_t flyframe = 0;
    std::int16_t flyletter = 0;
    int L = 0;  // the current word's length in characters; 0 until a word is shown

  private:
    void hideTiles();
    void markShownCategory();

    // The category the option group shows: that of the words on screen, or none before the
    // first word. A refused category click is moved back here.
    int marked_ = -1;
    bool remarking_ = false;
};
