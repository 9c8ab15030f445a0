#pragma once
// A voice that speaks nothing and keeps what it was asked to say: tests check what is read
// and when, and screenshots show the speaker buttons, without starting a speech service.
#include <QStringList>

#include "speech/voice.h"

namespace speech {

class RecordingVoice : public Voice {
  public:
    bool installed = true;      // what available() answers
    bool answersAtOnce = true;  // start() is ready at once; else the test calls ready or failed
    int starts = 0;
    int stops = 0;
    QStringList said;
    std::function<void()> ready;
    std::function<void(QString)> failed;

    bool available() const override { return installed; }
    void start(std::function<void()> r, std::function<void(QString)> f) override {
        ++starts;
        ready = std::move(r);
        failed = std::move(f);
        if (answersAtOnce) ready();
    }
    void say(const QString& text) override { said << text; }
    void stop() override { ++stops; }
};

}  // namespace speech
