#pragma once
// A menu's entries as the catalogue gives them. Each time a menu opens the catalogue is asked
// again (a file read before and unchanged is not read again), and the screens of the menu's
// activities are registered by name ("file:sound.toml").
#include "menus/menuslots.h"

namespace menus {

// Five entries of a menu (1 to 5, or Our Activities) from `first` on.
MenuPage menuPage(int menu, int first);

// How many entries Our Activities has: whether the main screen shows its entry.
int ourActivitiesCount();

// Forgets what was read and laid out (tests).
void forgetActivityFiles();

}  // namespace menus
