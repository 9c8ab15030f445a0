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
    Planned planned = plan(a);
    if (!planned.problems.empty()) return false;
    if (ui::Form* old = screen()) ui::forms().unload(*old);
    registerActivityScreens(std::make_shared<const Activity>(a),
                            std::make_shared<const Planned>(std::move(planned)), screenName);
    ui::Form* shown = ui::forms().show(kScreen);
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
