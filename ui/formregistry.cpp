#include "ui/formregistry.h"

#include <QTimer>
#include <QWidget>

#include "ui/platform.h"

namespace ui {

FormRegistry& forms() {
    static FormRegistry registry;
    return registry;
}

void FormRegistry::registerScreen(const QString& name, Factory factory) {
    factories_[name] = std::move(factory);
}

void FormRegistry::addShortcut(const QKeySequence& keys, const QString& screen) {
    shortcuts_[keys] = screen;
}

Form* FormRegistry::find(const QString& name) const {
    for (const auto& f : loaded_)
        if (f->name() == name) return f.get();
    return nullptr;
}

Form& FormRegistry::load(const Factory& make) {
    std::unique_ptr<Form> made = make();
    Form& form = *made;
    // Registered before onLoad, so a load that refers to its own form does not recurse.
    loaded_.push_back(std::move(made));
    form.onLoad();
    return form;
}

Form* FormRegistry::get(const QString& name) {
    if (Form* f = find(name)) return f;
    const auto factory = factories_.find(name);
    if (factory == factories_.end()) return nullptr;
    return &load(factory->second);
}

Form* FormRegistry::show(const QString& name) {
    Form* f = get(name);
    if (f && !f->isUnloaded()) f->showWindow();
    return f;
}

void FormRegistry::unload(Form& form) {
    const auto it = std::find_if(loaded_.begin(), loaded_.end(),
                                 [&](const auto& f) { return f.get() == &form; });
    if (it == loaded_.end()) return;
    const bool wasActive = form.window()->isActiveWindow();
    form.markUnloaded();
    form.hideWindow();
    unloaded_.push_back(std::move(*it));
    loaded_.erase(it);
    // The window shown last takes the keyboard, as a window manager would arrange; without
    // one, no window would have it and the screen shortcuts would not work.
    if (wasActive) {
        Form* next = nullptr;
        for (const auto& f : loaded_)
            if (f->window()->isVisible() && !f->staysBehind() &&
                (!next || f->shownOrder() > next->shownOrder()))
                next = f.get();
        if (next) next->window()->activateWindow();
    }
    if (!collectScheduled_) {
        collectScheduled_ = true;
        QTimer::singleShot(0, [this] { collectGarbage(); });
    }
}

void FormRegistry::collectGarbage() {
    collectScheduled_ = false;
    // Destructors never call back into the registry, but move out first all the same.
    auto dead = std::move(unloaded_);
    unloaded_.clear();
    dead.clear();
}

std::vector<Form*> FormRegistry::loaded() const {
    std::vector<Form*> out;
    for (const auto& f : loaded_) out.push_back(f.get());
    return out;
}

void FormRegistry::endProgram() {
    for (const auto& f : loaded_) {
        f->markUnloaded();
        f->hideWindow();
    }
    platform().endProgram();
}

void FormRegistry::clear() {
    while (!loaded_.empty()) unload(*loaded_.back());
    collectGarbage();
}

}  // namespace ui
