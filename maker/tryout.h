#pragma once
// Try it: the activity as it is in the Maker now, on the very screen the menus open. Its
// Exit unloads it, and the Maker's window is in front again.
#include <QObject>
#include <QString>
#include <functional>

#include "activities/files/activity.h"

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

    // Shows the activity's (first) screen; false when it cannot be laid out.
    bool start(const activityfiles::Activity& activity, std::function<void()> ended);
    // The screen shown, while it is loaded.
    ui::Form* screen() const;

    static constexpr const char* kScreen = "maker:try";

  private:
    void watch(ui::Form& shown);
    std::function<void()> ended_;
    QMetaObject::Connection watching_;
};

}  // namespace maker
