#pragma once
// Try it: the activity as it is in the Maker now, on the very screen the menus open. Its
// Exit unloads it, and the Maker's window is in front again.
#include <QObject>
#include <QString>
#include <functional>

#include "activities/files/catalogue.h"

namespace ui {
class Form;
}

namespace maker {

class TryOut {
  public:
    TryOut() = default;
    TryOut(const TryOut&) = delete;
    TryOut& operator=(const TryOut&) = delete;
    // A screen still open no longer calls back.
    ~TryOut() { QObject::disconnect(watching_); }

    // Shows the (first) screen of the catalogue's entry; false when it cannot be played.
    bool start(const activityfiles::Catalogue& catalogue, size_t entry,
               std::function<void()> ended);
    // The screen shown, while it is loaded.
    ui::Form* screen() const;

    static constexpr const char* kScreen = "maker:try";

  private:
    void watch(ui::Form& shown);
    std::function<void()> ended_;
    QMetaObject::Connection watching_;
};

}  // namespace maker
