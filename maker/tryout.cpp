#include "maker/tryout.h"

#include <QWidget>
#include <memory>

#include "activities/files/filescreens.h"
#include "ui/formregistry.h"

namespace maker {

using namespace activityfiles;

namespace {

QString screenName(int passage) {
    return passage == 0 ? QString(TryOut::kScreen)
                        : QString("%1#%2").arg(TryOut::kScreen).arg(passage + 1);
}

}  // namespace

ui::Form* TryOut::screen() const {
    for (int p = 0; p < kMaxPassages; ++p)
        if (ui::Form* f = ui::forms().find(screenName(p))) return f;
    return nullptr;
}

bool TryOut::start(const Activity& a, std::function<void()> ended) {
    const Planned planned = plan(a);
    if (!planned.problems.empty()) return false;
    if (ui::Form* old = screen()) ui::forms().unload(*old);
    const auto activity = std::make_shared<const Activity>(a);
    ui::FormRegistry& forms = ui::forms();
    switch (a.kind) {
        case Kind::Labelling:
        case Kind::Sorting:
            forms.registerScreen(kScreen, [activity, plan = planned.drags[0]] {
                return std::make_unique<FileDragScreen>(kScreen, activity->title, plan);
            });
            break;
        case Kind::Passage: {
            PassageLinks links;
            for (size_t k = 0; k < planned.drags.size(); ++k)
                links.screens.push_back(screenName(static_cast<int>(k)));
            for (size_t k = 0; k < planned.drags.size(); ++k) {
                links.chosen = static_cast<int>(k);
                forms.registerScreen(links.screens[k], [activity, links, plan = planned.drags[k]] {
                    const QString name = links.screens[static_cast<size_t>(links.chosen)];
                    return std::make_unique<FileDragScreen>(name, activity->title, plan, links);
                });
            }
            break;
        }
        case Kind::Questions:
            forms.registerScreen(kScreen, [activity, plans = planned.questions] {
                return std::make_unique<FileQuestionsScreen>(kScreen, activity, plans);
            });
            break;
        case Kind::TrueFalse:
            forms.registerScreen(kScreen, [activity, plan = planned.questions[0]] {
                return std::make_unique<FileTrueFalseScreen>(kScreen, activity, plan);
            });
            break;
    }
    ui::Form* shown = forms.show(kScreen);
    if (!shown) return false;
    ended_ = std::move(ended);
    watch(*shown);
    return true;
}

void TryOut::watch(ui::Form& shown) {
    // Another passage's option shows its own screen: the Maker returns when none is left.
    watching_ = QObject::connect(shown.window(), &QObject::destroyed, [this] {
        if (ui::Form* next = screen())
            watch(*next);
        else if (ended_)
            ended_();
    });
}

}  // namespace maker
