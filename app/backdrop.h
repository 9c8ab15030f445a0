#pragma once
#include "ui/form.h"

// The backdrop: a borderless blue window over the display's work area, above other programs'
// windows and below the program's own, that takes neither focus nor clicks.
class Backdrop : public ui::Form {
  public:
    static constexpr const char* Name = "Grey";
    Backdrop();
    void onLoad() override;
    void onCloseRequested() override {}  // only unticking "Hide Desktop" removes it
};
