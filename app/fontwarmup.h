#pragma once
#include <thread>

// Reading the font configuration takes about as long as connecting to the display. Started
// before the application object, it runs alongside that connection instead of after it, and
// the title screen's first paint comes sooner. Where there is no fontconfig it does nothing.
class FontWarmup {
  public:
    FontWarmup();
    ~FontWarmup();
    FontWarmup(const FontWarmup&) = delete;
    FontWarmup& operator=(const FontWarmup&) = delete;

  private:
    std::thread thread_;
};
