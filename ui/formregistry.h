#pragma once
// The registry of forms: at most one instance of each screen, loaded the first time
// anything refers to it, shown modelessly, and unloaded safely even from its own handler.
#include <QKeySequence>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "ui/form.h"

namespace ui {

class FormRegistry {
  public:
    using Factory = std::function<std::unique_ptr<Form>()>;

    // Makes a screen reachable by name, for callers that do not know its type.
    void registerScreen(const QString& name, Factory factory);
    bool knows(const QString& name) const { return factories_.count(name) != 0; }

    // A key that shows a screen by name (loading it, or bringing it to the front) from every
    // window that takes the screen shortcuts; a second call for the same key replaces it.
    void addShortcut(const QKeySequence& keys, const QString& screen);
    const std::map<QKeySequence, QString>& shortcuts() const { return shortcuts_; }

    // The loaded form of that name, loading it (and running its onLoad) if needed;
    // null for a name no screen answers to.
    Form* get(const QString& name);
    // Loads if needed, shows modelessly and brings to the front; null as for get.
    Form* show(const QString& name);

    template <class F>
    F& get() {
        if (Form* f = find(F::Name)) return static_cast<F&>(*f);
        // Made as its registration says, when it has one (Healthy Living with the passages
        // the activity files give it).
        if (knows(F::Name)) return dynamic_cast<F&>(*get(QString(F::Name)));
        return static_cast<F&>(load([] { return std::make_unique<F>(); }));
    }
    template <class F>
    F& show() {
        F& f = get<F>();
        f.showWindow();
        return f;
    }
    template <class F>
    bool isLoaded() const {
        return find(F::Name) != nullptr;
    }
    bool isLoaded(const QString& name) const { return find(name) != nullptr; }
    template <class F>
    void unload() {
        if (Form* f = find(F::Name)) unload(*f);
    }

    // Hides the form, stops its timers and forgets it now; it is deleted once control
    // returns to the event loop, so a handler still running on it stays safe.
    void unload(Form& form);

    // Ends the program at once: every window closes, exit status 0.
    void endProgram();

    std::vector<Form*> loaded() const;
    Form* find(const QString& name) const;

    // Deletes unloaded forms now; the event loop does this by itself.
    void collectGarbage();
    // Unloads and deletes everything (program end, tests).
    void clear();

  private:
    Form& load(const Factory& make);

    std::map<QString, Factory> factories_;
    std::map<QKeySequence, QString> shortcuts_;
    std::vector<std::unique_ptr<Form>> loaded_;
    std::vector<std::unique_ptr<Form>> unloaded_;
    bool collectScheduled_ = false;
};

FormRegistry& forms();

}  // namespace ui
