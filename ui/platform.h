#pragma once
#include <QAccessible>
#include <QRect>
#include <QSizeF>
#include <QString>
#include <memory>

namespace ui {

// What the program asks of the machine, behind one interface so tests can fake it.
class Platform {
  public:
    virtual ~Platform() = default;
    virtual QSizeF displayTwips() const = 0;  // the whole display, in twips
    // The display less the desktop's own panels, in pixels: where a maximised window lies.
    virtual QRect workArea() const;
    virtual void setBusyCursor(bool busy) = 0;     // hourglass or default pointer
    virtual void openUrl(const QString& url) = 0;  // failures are ignored
    // Starts the Activity Maker on `file`, apart from this program; false when it cannot.
    virtual bool startMaker(const QString& file) = 0;
    virtual void endProgram() = 0;  // exit status 0
    virtual double secondsSinceMidnight() const = 0;
    virtual void randomize() = 0;  // reseed from the clock
    virtual double rnd() = 0;      // uniform on [0, 1)
    // Whether a screen reader or other assistive technology listens, and telling it that an
    // object's name or description changed.
    virtual bool assistiveTechnologyActive() const = 0;
    virtual void tellAssistiveTechnology(QObject* object, QAccessible::Event change) = 0;
};

Platform& platform();
// Installs the platform used from now on; returns the one it replaces.
std::unique_ptr<Platform> installPlatform(std::unique_ptr<Platform> p);
std::unique_ptr<Platform> makeQtPlatform();

}  // namespace ui
