#pragma once
// What a menu's five topic entries show and open. The tables give the built-in slots; the
// program adds the activity files' through slotSource when a menu opens.
#include <QString>
#include <array>
#include <functional>

namespace menus {

struct Slot {
    QString caption;
    QString screen;  // empty: the topic is greyed
};
using MenuSlots = std::array<Slot, 5>;

// The slots of a menu (1 to 5) from its table alone.
MenuSlots builtInSlots(int menu);

// Gives a menu's slots with its activity files; unset, menus show their tables alone.
inline std::function<MenuSlots(int menu)> slotSource;

}  // namespace menus
