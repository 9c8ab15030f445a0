#include "app/screens.h"

#include "activities/files/filescreens.h"
#include "activities/labelling/healthylivingscreen.h"
#include "activities/labelling/pubertyscreen.h"
#include "activities/labelling/skeletonscreen.h"
#include "activities/wordgame/scrambledwordsscreen.h"
#include "app/backdrop.h"
#include "app/mainscreen.h"
#include "app/titlescreen.h"
#include "jotter/jotter.h"
#include "menus/problemmessage.h"
#include "menus/topicmenu.h"
#include "ui/formregistry.h"

namespace {
template <class F>
void add(ui::FormRegistry& registry) {
    registry.registerScreen(F::Name, [] { return std::make_unique<F>(); });
}
}  // namespace

void registerScreens(ui::FormRegistry& registry) {
    add<TitleScreen>(registry);
    add<MainScreen>(registry);
    add<Backdrop>(registry);
    add<TopicMenu1>(registry);
    add<TopicMenu2>(registry);
    add<TopicMenu3>(registry);
    add<TopicMenu4>(registry);
    add<TopicMenu5>(registry);
    add<OurActivitiesMenu>(registry);
    add<ProblemMessage>(registry);
    add<SkeletonScreen>(registry);
    add<PubertyScreen>(registry);
    add<HealthyLivingScreen>(registry);
    add<ScrambledWordsScreen>(registry);
    add<Jotter>(registry);

    // The program's own question activities, from their files, under their screens' names.
    activityfiles::registerOwnActivity(registry, "magnets.toml", {"magnets", "magnets2"});
    activityfiles::registerOwnActivity(registry, "circuits.toml", {"circuits"});
    activityfiles::registerOwnActivity(registry, "repro.toml", {"repro"});

    // The Jotter opens from every full-size screen, or comes to the front if it is open.
    registry.addShortcut(QKeySequence(Qt::CTRL | Qt::Key_J), Jotter::Name);
}
