#pragma once
// The game's three categories and their word list files, read from the working directory.
#include <QCoreApplication>
#include <QLocale>
#include <array>
#include <cstdint>
#include <optional>

#include "activities/wordgame/alphabet.h"
#include "activities/wordgame/wordlistreader.h"

namespace wordgame {

constexpr int kCategories = 3;

struct Category {
    const char* caption;  // its option button: a design caption (ui/screentext.h)
    const char* file;
};

constexpr Category kCategoryFiles[kCategories] = {
    {QT_TRANSLATE_NOOP("Screens", "Life Processes"), "life0.txt"},
    {QT_TRANSLATE_NOOP("Screens", "Materials"), "materials0.txt"},
    {QT_TRANSLATE_NOOP("Screens", "Physical Processes"), "physical0.txt"},
};

// The languages the program's own lists come in, English first.
constexpr QLocale::Language kListLanguages[] = {QLocale::English, QLocale::Welsh};

struct WordLists {
    std::array<WordList, kCategories> lists;
    std::array<std::int16_t, kCategories> wordCounts{};
    std::array<Alphabet, kCategories> alphabets{};  // the language each list was read in
};

// A category's list in a language: the file of that language beside the English one
// (life0.cy.txt beside life0.txt), when there is one; else the English one itself.
struct ListFile {
    QString path;
    Alphabet alphabet;
};
std::optional<ListFile> wordListFile(int category, const QLocale& locale);
// The name of a category's list in a language: "life0.txt" in English, "life0.cy.txt" in Welsh.
QString wordListName(int category, QLocale::Language language);
// The alphabet of a list by its file name: life0.cy.txt is Welsh, life0.txt English.
Alphabet alphabetOfList(const QString& fileName);

// Reads the three files in category order, one open at a time, in the locale's language where
// a list comes in it. A file that is missing or cannot be opened gives its category no words;
// nothing is reported.
WordLists readWordLists(const QLocale& locale = QLocale());

}  // namespace wordgame
