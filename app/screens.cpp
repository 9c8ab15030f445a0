#include "app/screens.h"

#include "activities/labelling/boneslab.h"
#include "activities/labelling/healthy.h"
#include "activities/labelling/puberty.h"
#include "activities/questions/circuits.h"
#include "activities/questions/magnets.h"
#include "activities/questions/repro.h"
#include "activities/wordgame/scramble.h"
#include "app/grey.h"
#include "app/intro0.h"
#include "app/titlefrm.h"
#include "jotter/notepad.h"
#include "menus/menuscreen.h"
#include "ui/formregistry.h"

namespace {
template <class F>
void add(ui::FormRegistry& registry) {
    registry.registerScreen(F::Name, [] { return std::make_unique<F>(); });
}
}  // namespace

void registerScreens(ui::FormRegistry& registry) {
    add<Titlefrm>(registry);
    add<intro0>(registry);
    add<Grey>(registry);
    add<menu1>(registry);
    add<menu2>(registry);
    add<menu3>(registry);
    add<menu4>(registry);
    add<menu5>(registry);
    add<boneslab>(registry);
    add<puberty>(registry);
    add<healthy>(registry);
    add<scramble>(registry);
    add<magnets>(registry);
    add<magnets2>(registry);
    add<circuits>(registry);
    add<repro>(registry);
    add<notepad>(registry);

    // The Jotter opens from every full-size screen, or comes to the front if it is open.
    registry.addShortcut(QKeySequence(Qt::CTRL | Qt::Key_J), notepad::Name);
}
