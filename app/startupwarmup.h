#pragma once
#include <thread>

// Work the title screen's first paint would otherwise wait for, moved out of its way.
// - Fonts: the program's own font configuration, or else the system's read on a second
//   thread while the application object connects to the display.
// - The session bus: Qt's accessibility bridge connects to it when the first widget is
//   shown, and where no bus runs that means starting dbus-launch and waiting for it to fail.
//   Asked first with a time limit (a silent bus is then left out), and otherwise connected
//   on a second thread, it is ready by then.
class StartupWarmup {
  public:
    StartupWarmup();  // before the application object
    ~StartupWarmup();
    StartupWarmup(const StartupWarmup&) = delete;
    StartupWarmup& operator=(const StartupWarmup&) = delete;

    // Once the application object exists and before the first font is used.
    void applicationReady();
    // Before the application object goes: no thread of ours outlives it.
    void finish();

  private:
    std::thread fonts_;
    std::thread bus_;
    bool busWorthWarming_ = false;
};
