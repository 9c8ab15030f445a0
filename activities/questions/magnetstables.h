#pragma once
// The two magnets sections: their questions, one line per question, and what else
// differs between them.
#include <cstdint>

#include "activities/questions/questionscreen.h"

namespace questions {

struct MagnetQuestion {
    const char* picture;
    int slot;  // the member of pictures that shows it
    const char* question;
    std::int16_t rightAnswer;  // the member of answerButtons that is right
};

// ---- Section 1: two magnets -----------------------------------------------------------------

constexpr const char* kWillTheMagnets =
    "Will the magnets attract each other, repel each other or will there be no force between "
    "them?";

constexpr MagnetQuestion kSection1[8] = {
    {"Images\\magnets1.bmp", 0, kWillTheMagnets, 0},
    {"Images\\magnets2.bmp", 0, kWillTheMagnets, 0},
    {"Images\\magnets3.bmp", 0, kWillTheMagnets, 1},
    {"Images\\magnets4.bmp", 0, kWillTheMagnets, 1},
    {"Images\\magnets5.bmp", 1, kWillTheMagnets, 1},
    {"Images\\magnets6.bmp", 1, kWillTheMagnets, 1},
    {"Images\\magnets7.bmp", 1, kWillTheMagnets, 0},
    {"Images\\magnets8.bmp", 1, kWillTheMagnets, 0},
};

// ---- Section 2: a magnet and a material ------------------------------------------------------

constexpr MagnetQuestion kSection2[8] = {
    {"Images\\magmetal1.bmp", 1, "What force will there be between a magnet and a sheet of copper?",
     2},
    {"Images\\magmetal2.bmp", 1, "What force will there be between a magnet and a sheet of iron?",
     0},
    {"Images\\magmetal3.bmp", 1, "What force will there be between a magnet and a sheet of steel?",
     0},
    {"Images\\magmetal3.bmp", 1, "What force will there be between a magnet and a sheet of nickel?",
     0},
    {"Images\\magmetal3.bmp", 1, "What force will there be between a magnet and a sheet of cobalt?",
     0},
    {"Images\\magmetal3.bmp", 1,
     "What force will there be between a magnet and a sheet of aluminium?", 2},
    {"Images\\magmetal4.bmp", 1,
     "What force will there be between a magnet and a piece of plastic?", 2},
    {"Images\\magmetal5.bmp", 1, "What force will there be between a magnet and a glass mirror?",
     2},
};

struct SlotDesign {
    int index;
    float left, top, width, height;
};

// Everything in which the two sections differ.
struct MagnetsSectionDesign {
    const char* name;
    const char* otherSection;  // the screen its section button shows
    const MagnetQuestion (&questions)[8];
    // The answer in words depends only on rightAnswer: for 0, and for any other value.
    const char* answerText[2];
    ui::LabelDesign question;       // messages(1)
    ui::LabelDesign praise;         // messages(2)
    ui::LabelDesign answerInWords;  // messages(0)
    SlotDesign slots[2];
    int slotCount;
    float answerTop;  // of the three answer buttons
    const char* answerCaptions[3];
    CommandDesign commands[4];  // commands(0) to commands(3)
};

constexpr MagnetsSectionDesign kMagnets1{
    .name = "magnets",
    .otherSection = "magnets2",
    .questions = kSection1,
    .answerText = {"The magnets will attract each other.", "The magnets will repel each other."},
    .question = textDesign(720, 120, 10185, 1665, kTimes(26.25f), kWillTheMagnets),
    .praise = textDesign(4680, 5880, 6105, 825, kTimes(36), kWellDone, false),
    .answerInWords = textDesign(120, 6720, 4035, 1425, kTimes(27.75f), "", false),
    .slots = {{0, 0, 2400, 12000, 1125}, {1, 3360, 1800, 4950, 2550}},
    .slotCount = 2,
    .answerTop = 4800,
    .answerCaptions = {"Attract", "Repel", "No Force"},
    .commands = {{Command::Exit, 10560, 7920, 1245, "Exit"},
                 {Command::Answer, 840, 6120, 2565, "Answer"},
                 {Command::NewQuestion, 4560, 7920, 2565, "New Question"},
                 {Command::OtherSection, 7560, 7920, 2565, "Section 2"}},
};

constexpr MagnetsSectionDesign kMagnets2{
    .name = "magnets2",
    .otherSection = "magnets",
    .questions = kSection2,
    .answerText = {"There will be an attractive force.", "There will be no force between them."},
    .question = textDesign(720, 0, 10185, 1305, kTimes(26.25f)),
    .praise = textDesign(4680, 6000, 6105, 825, kTimes(36), kWellDone, false),
    .answerInWords = textDesign(120, 6480, 4275, 1785, kTimes(27.75f), "", false),
    .slots = {{1, 1080, 1440, 9600, 3570}},
    .slotCount = 1,
    .answerTop = 5040,
    .answerCaptions = {"Attractive", "Repulsive", "No Force"},
    .commands = {{Command::Exit, 10560, 7920, 1245, "Exit"},
                 {Command::Answer, 960, 5880, 2565, "Answer"},
                 {Command::NewQuestion, 4560, 7920, 2565, "New Question"},
                 {Command::OtherSection, 7560, 7920, 2565, "Section 1"}},
};

}  // namespace questions
