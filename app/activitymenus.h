#pragma once
// The activity files in the menus: each time a menu opens, the library is asked again (a file
// read before and unchanged is not read again), the files are placed, and the screens of the
// menu's files are registered by name ("file:sound.toml").
#include <memory>

#include "menus/menuslots.h"
#include "ui/formregistry.h"

// Five entries of a menu (1 to 5, or Our Activities) from `first` on; the slot source.
menus::MenuPage activityMenuPage(int menu, int first);

// How many entries Our Activities has: whether the main screen shows its entry.
int ourActivitiesCount();

// Forgets what was read and laid out (tests).
void forgetActivityFiles();

// The menus' own entries' activities, each made from its file when its screen is shown, under
// the screen name its entry opens ("boneslab"), so that the menus and every caller find it.
void registerShippedScreens(ui::FormRegistry& registry);
std::unique_ptr<ui::Form> makeShippedScreen(const QString& name);
