#pragma once
// A walk through every screen that makes the program read every file it can read: each
// question of each question screen, both outcomes of the circuit, every category of the
// word game with its answer flown, the title's opening pictures when its still picture is
// not there. It gives the layout of every screen as text, to compare between walks.
#include <QStringList>

class FakePlatform;

namespace hardening {

struct Walk {
    QStringList layout;    // one line per control of every screen, in the order visited
    QStringList findings;  // rules broken on the way
};

Walk visitEverything(FakePlatform& fake);

}  // namespace hardening
