#include "app/fontwarmup.h"

#if __has_include(<fontconfig/fontconfig.h>)
#include <fontconfig/fontconfig.h>
#define BRINDLEMARK_HAS_FONTCONFIG 1
#endif

FontWarmup::FontWarmup() {
#ifdef BRINDLEMARK_HAS_FONTCONFIG
    // FcInit is safe to call from another thread and again later: Qt's own call then finds
    // the configuration loaded.
    thread_ = std::thread([] { FcInit(); });
#endif
}

FontWarmup::~FontWarmup() {
    if (thread_.joinable()) thread_.join();
}
