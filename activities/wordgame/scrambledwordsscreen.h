#pragma once
#include <array>
#include <cstdint>

#include "activities/wordgame/wordlists.h"
#include "speech/speakerbutton.h"
#include "ui/choice.h"
#include "ui/controlarray.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/timer.h"

// Scrambled Words: a science word with its letters shuffled, one tile per letter; Show Answer
// flies copies of the letters onto the word spelt in a second row.
class ScrambledWordsScreen : public ui::Form {
  public:
    static constexpr const char* Name = "scramble";
    static constexpr int kTiles = 16;
    ScrambledWordsScreen();

    void onLoad() override;
    void loadWordLists();
    void newQuestion();
    void commandClicked(int index);
    void pointerOverCommand(int index, int button, int shift, float x, float y);
    void categoryChosen(int index);
    void loadWordsOnce();
    void layOutTiles();
    void flyNextFrame();
    void onCloseRequested() override { commandClicked(0); }

    // New Question, Show Answer and a category change wait while any timer runs.
    bool busy() const {
        return layoutTimer.Enabled() || flightTimer.Enabled() || loadTimer.Enabled();
    }

    // Declared in stacking order: the red flying tiles lie over both rows.
    ui::ControlArray<ui::OptionButton> categories{*this, "Option1"};
    ui::Label instruction{*this, "Label2"};
    ui::ControlArray<ui::Label> scrambledTiles{*this, "Label5"};  // the scrambled row
    ui::ControlArray<ui::Label> answerTiles{*this, "Label6"};     // the answer row
    ui::ControlArray<ui::Label> flyingTiles{*this, "Label7"};     // the flying copies
    ui::ControlArray<ui::Label> commands{*this, "Label3"};        // Exit, New Question, Show Answer
    ui::Timer layoutTimer{*this, 1};                              // lays out the tiles, one tick
    ui::Timer flightTimer{*this, 25};                             // the answer animation
    ui::Timer loadTimer{*this, 1};  // loads the words after the screen appears, one tick
    speech::SpeakerButton speaker{*this, speech::kWordGameCorner,
                                  [this] { return instruction.Caption(); }};

    std::int16_t category = 0;
    std::array<wordgame::WordList, wordgame::kCategories> lists;
    std::array<std::int16_t, wordgame::kCategories> wordCounts{};
    std::array<wordgame::Alphabet, wordgame::kCategories> alphabets{};
    wordgame::WordList wordlist;
    std::int16_t wordNumber = 0;
    std::array<QString, 21> letters;
    std::array<std::int16_t, 17> originalPlace{};
    std::int16_t flightFrame = 0;
    std::int16_t flightLetter = 0;
    int wordLength = 0;  // the current word's length in characters; 0 until a word is shown

  private:
    void hideTiles();
    void markShownCategory();

    // The category the option group shows: that of the words on screen, or none before the
    // first word. A refused category click is moved back here.
    int marked_ = -1;
    bool remarking_ = false;
};
