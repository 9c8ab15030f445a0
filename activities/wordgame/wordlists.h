#pragma once
// The game's three categories and their word list files, read from the working directory.
#include <array>
#include <cstdint>

#include "activities/wordgame/wordlistreader.h"

namespace wordgame {

constexpr int kCategories = 3;

struct Category {
    const char* caption;  // its option button
    const char* file;
};

constexpr Category kCategoryFiles[kCategories] = {
    {"Life Processes", "life0.txt"},
    {"Materials", "materials0.txt"},
    {"Physical Processes", "physical0.txt"},
};

struct WordLists {
    std::array<WordList, kCategories> lists;
    std::array<std::int16_t, kCategories> wordCounts{};
};

// Reads the three files in category order, one open at a time. A file that is missing or
// cannot be opened gives its category no words; nothing is reported.
WordLists readWordLists();

}  // namespace wordgame
