#pragma once
// The five menus' topics, in their order. Each takes the activity file that names it, but for
// the one that is a game of the program's own rather than a file. A caption is shown translated
// (context "MenuTopic"), and matched in files as it stands here.
#include <QtGlobal>

namespace activityfiles {

struct MenuTopic {
    const char* caption;
    const char* builtIn = nullptr;  // the screen of a game that is code, not a file
};

constexpr MenuTopic kMenuTopics[5][5] = {
    {
        {QT_TRANSLATE_NOOP("MenuTopic", "Organs")},
        {QT_TRANSLATE_NOOP("MenuTopic", "The Skeleton")},
        {QT_TRANSLATE_NOOP("MenuTopic", "Movement")},
        {QT_TRANSLATE_NOOP("MenuTopic", "Teeth")},
        {QT_TRANSLATE_NOOP("MenuTopic", "Puberty")},
    },
    {
        {QT_TRANSLATE_NOOP("MenuTopic", "Food")},
        {QT_TRANSLATE_NOOP("MenuTopic", "Plant Reproduction")},
        {QT_TRANSLATE_NOOP("MenuTopic", "Animal Groups")},
        {QT_TRANSLATE_NOOP("MenuTopic", "Plant Groups")},
        {QT_TRANSLATE_NOOP("MenuTopic", "Food Chains")},
    },
    {
        {QT_TRANSLATE_NOOP("MenuTopic", "Insulators and Conductors")},
        {QT_TRANSLATE_NOOP("MenuTopic", "Magnets")},
        {QT_TRANSLATE_NOOP("MenuTopic", "Solids, Liquids and Gases")},
        {QT_TRANSLATE_NOOP("MenuTopic", "Changes")},
        {QT_TRANSLATE_NOOP("MenuTopic", "The Water Cycle")},
    },
    {
        {QT_TRANSLATE_NOOP("MenuTopic", "Separation")},
        {QT_TRANSLATE_NOOP("MenuTopic", "Circuit Symbols")},
        {QT_TRANSLATE_NOOP("MenuTopic", "Newton Meter")},
        {QT_TRANSLATE_NOOP("MenuTopic", "Forces")},
        {QT_TRANSLATE_NOOP("MenuTopic", "The Seasons")},
    },
    {
        {QT_TRANSLATE_NOOP("MenuTopic", "Day and Night")},
        {QT_TRANSLATE_NOOP("MenuTopic", "Sound")},
        {QT_TRANSLATE_NOOP("MenuTopic", "Ray Diagrams")},
        {QT_TRANSLATE_NOOP("MenuTopic", "Scrambled Words"), "scramble"},
        {QT_TRANSLATE_NOOP("MenuTopic", "Healthy Living")},
    },
};

// Menu 5's Healthy Living, to which passage files may give more passages.
constexpr int kHealthyMenu = 5, kHealthySlot = 4;
constexpr const char* kHealthyOptions[] = {"Smoking", "Solvents", "Alcohol", "Drugs"};

}  // namespace activityfiles
