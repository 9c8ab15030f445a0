#pragma once
// The screens the monkey (monkey.cpp) and the walks over every screen visit.
namespace monkey {

// Every screen, by the name the registry knows it by.
inline constexpr const char* kScreens[] = {
    "Titlefrm", "intro0",   "Grey",    "menu1",         "menu2",       "menu3",   "menu4",
    "menu5",    "boneslab", "puberty", "healthy",       "scramble",    "magnets", "magnets2",
    "circuits", "repro",    "notepad", "ouractivities", "topicproblem"};

}  // namespace monkey
