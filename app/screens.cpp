#include "app/screens.h"

#include "activities/questions/circuits.h"
#include "activities/questions/magnets.h"
#include "activities/questions/repro.h"
#include "app/grey.h"
#include "app/intro0.h"
#include "app/titlefrm.h"
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
    add<magnets>(registry);
    add<magnets2>(registry);
    add<circuits>(registry);
    add<repro>(registry);
}
