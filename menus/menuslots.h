#pragma once
// What a menu's topic entries show and open, as the catalogue gives them when a menu opens.
#include <QString>
#include <array>
#include <optional>

namespace menus {

// Why a file's topic is greyed, for the teacher who clicks it.
struct SlotProblem {
    QString fileName;
    QString folder;
    QString message;  // the first problem: its line as the file has it, and what to do
    int more = 0;     // further problems in the same file
};

struct Slot {
    QString caption;
    QString screen;  // empty: the topic is greyed
    std::optional<SlotProblem> problem;
};
using MenuSlots = std::array<Slot, 5>;

// Five entries of a menu, from `first` on, and how many it has in all; and how many
// activities Our Activities holds, for the tab that leads there.
struct MenuPage {
    MenuSlots slots;
    int shown = 5;  // entries of slots in use
    int total = 5;
    int ourActivities = 0;
};

// Menu 6, Our Activities: a teacher's own topics, five at a time.
constexpr int kOurActivities = 6;

}  // namespace menus
