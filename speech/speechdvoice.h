#pragma once
// The desktop's speech service, speech-dispatcher, through Qt TextToSpeech.
#include <memory>

#include "speech/voice.h"

namespace speech {

// Only the program makes this voice; tests never do, so that no speech service is started.
std::unique_ptr<Voice> makeSpeechDispatcherVoice();

}  // namespace speech
