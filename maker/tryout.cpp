#include "maker/tryout.h"

#include <QWidget>
#include <memory>

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

bool TryOut::start(const Catalogue& catalogue, size_t entry, std::function<void()> ended) {
    if (!catalogue.entries[entry].playable()) return false;
    if (ui::Form* old = screen()) ui::forms().unload(*old);
    registerScreens(catalogue, entry, screenName);
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
