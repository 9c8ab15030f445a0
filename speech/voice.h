#pragma once
// The machine's speech service, behind one small interface so that tests record what would be
// said instead of speaking.
#include <QString>
#include <functional>

namespace speech {

class Voice {
  public:
    virtual ~Voice() = default;

    // Whether the machine offers a speech service at all; asking starts nothing.
    virtual bool available() const = 0;
    // Starts the service without waiting for it. Exactly one of the two is called later, on
    // the interface thread, or neither if the service never answers.
    virtual void start(std::function<void()> ready, std::function<void(QString reason)> failed) = 0;
    // Reads a text aloud, cutting short the one being read.
    virtual void say(const QString& text) = 0;
    virtual void stop() = 0;
    // Lets the service go before the program ends; false when it did not let go in time, and
    // the program should end without waiting for it.
    virtual bool close() { return true; }
};

}  // namespace speech
