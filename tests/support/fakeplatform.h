#pragma once
#include <QStringList>
#include <deque>
#include <vector>

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
    bool screenReader = false;  // assistive technology listens

    QSizeF displayTwips() const override { return display; }
    void setBusyCursor(bool b) override {
        busy = b;
        ++busyCalls;
    }
    void openUrl(const QString& url) override { openedUrls << url; }
    QStringList makerFiles;  // the files the Maker was started on
    bool startMaker(const QString& file) override {
        makerFiles << file;
        return true;
    }
    void endProgram() override { ++endCalls; }
    double secondsSinceMidnight() const override { return clock; }
    void randomize() override {}
    bool assistiveTechnologyActive() const override { return screenReader; }
    // What a screen reader was told, with the name or description it then read.
    std::vector<std::pair<QAccessible::Event, QString>> told;
    void tellAssistiveTechnology(QObject* object, QAccessible::Event change) override {
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(object);
        const auto text =
            change == QAccessible::NameChanged ? QAccessible::Name : QAccessible::Description;
        told.emplace_back(change, node ? node->text(text) : QString());
    }
    double rnd() override {
        if (draws.empty()) return 0.0;
        const double r = draws.front();
        draws.pop_front();
        return r;
    }
};
