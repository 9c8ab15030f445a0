#pragma once
#include <QStringList>
#include <deque>

#include "ui/platform.h"

// A platform whose display, clock and random draws a test sets, and which records what
// the program asked of it.
class FakePlatform : public ui::Platform {
  public:
    QSizeF display{12000, 9000};
    double clock = 36000;
    std::deque<double> draws;  // the next values rnd() gives; 0 once they run out
    QStringList openedUrls;
    int endCalls = 0;
    int busyCalls = 0;
    bool busy = false;

    QSizeF displayTwips() const override { return display; }
    void setBusyCursor(bool b) override {
        busy = b;
        ++busyCalls;
    }
    void openUrl(const QString& url) override { openedUrls << url; }
    void endProgram() override { ++endCalls; }
    double secondsSinceMidnight() const override { return clock; }
    void randomize() override {}
    double rnd() override {
        if (draws.empty()) return 0.0;
        const double r = draws.front();
        draws.pop_front();
        return r;
    }
};
