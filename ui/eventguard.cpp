#include "ui/eventguard.h"

#include <QtGlobal>

namespace ui {

void reportDroppedEvent(const char* event, const char* reason) noexcept {
    // A warning, so that it also reaches whatever collects Qt's warnings.
    qWarning("brindlemark: %s dropped: %s", event, reason);
}

}  // namespace ui
