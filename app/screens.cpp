#include "app/screens.h"

#include "activities/files/catalogue.h"
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
    activityfiles::registerOwnScreens(registry);
    add<ScrambledWordsScreen>(registry);
    add<Jotter>(registry);

    // The Jotter opens from every full-size screen, or comes to the front if it is open.
    registry.addShortcut(QKeySequence(Qt::CTRL | Qt::Key_J), Jotter::Name);
}
