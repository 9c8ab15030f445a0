#pragma once
// Reading aloud for the whole run: switched on and off by the main screen's "Read Aloud"
// box, never saved. The voice is started the first time reading is switched on; a voice not
// ready within kStartDeadlineMs is given up for the rest of the run.
#include <QString>
#include <functional>
#include <memory>

#include "speech/voice.h"

namespace speech {

constexpr int kStartDeadlineMs = 5000;

// Installs the voice used from now on, with reading switched off; returns the one it
// replaces. Without one, reading aloud cannot be switched on.
std::unique_ptr<Voice> installVoice(std::unique_ptr<Voice> voice);

// Whether reading aloud may be switched on; if not, why not, in a few words.
bool canRead();
QString whyNot();

// Whether texts are read now: switched on, and the voice not given up.
bool isReading();
// Switches reading on or off. The first switch on starts the voice and returns at once.
void setReading(bool on);
// Reads a text if reading is on, cutting short the one being read. A text said while the
// voice is still starting waits for it; only the last one does.
void say(const QString& text);

// The voice has not been ready in time: reading is off and cannot be switched on again.
void giveUpStarting();

// Calls `changed` whenever isReading() or canRead() changes, for as long as it lives.
class Watch {
  public:
    explicit Watch(std::function<void()> changed);
    ~Watch();
    Watch(const Watch&) = delete;
    Watch& operator=(const Watch&) = delete;

  private:
    int id_;
};

// Lets the voice go at the end of the run; false when it hung and the program must end
// without waiting for it.
bool closeVoice();

}  // namespace speech
