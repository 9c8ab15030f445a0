#include "ui/platform.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QTime>
#include <QUrl>

#include "ui/random.h"
#include "ui/twips.h"

namespace ui {

namespace {

class QtPlatform final : public Platform {
  public:
    QSizeF displayTwips() const override {
        const QScreen* screen = QGuiApplication::primaryScreen();
        const QSize px = screen ? screen->geometry().size() : QSize(800, 600);
        return {Twips::toTwips(px.width()), Twips::toTwips(px.height())};
    }
    QRect workArea() const override {
        const QScreen* screen = QGuiApplication::primaryScreen();
        return screen ? screen->availableGeometry() : Platform::workArea();
    }
    void setBusyCursor(bool busy) override {
        if (busy && !busy_) QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        if (!busy && busy_) QGuiApplication::restoreOverrideCursor();
        busy_ = busy;
    }
    void openUrl(const QString& url) override {
        const QUrl target = url.contains("://") ? QUrl(url) : QUrl::fromLocalFile(url);
        QDesktopServices::openUrl(target);
    }
    bool startMaker(const QString& file) override {
        // The Maker is this program started again: it stays open when the pupils' one ends.
        return QProcess::startDetached(QCoreApplication::applicationFilePath(), {"--maker", file});
    }
    void endProgram() override { QCoreApplication::exit(0); }
    double secondsSinceMidnight() const override {
        return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
    }
    void randomize() override {
        random_.reseed(static_cast<std::uint64_t>(QTime::currentTime().msecsSinceStartOfDay()));
    }
    double rnd() override { return random_.next(); }
    bool assistiveTechnologyActive() const override { return QAccessible::isActive(); }
    void tellAssistiveTechnology(QObject* object, QAccessible::Event change) override {
        QAccessibleEvent event(object, change);
        QAccessible::updateAccessibility(&event);
    }

  private:
    bool busy_ = false;
    RandomSource random_;
};

std::unique_ptr<Platform>& current() {
    static std::unique_ptr<Platform> p;
    return p;
}

}  // namespace

QRect Platform::workArea() const {
    const QSizeF display = displayTwips();
    return {0, 0, Twips::toPixels(static_cast<float>(display.width())),
            Twips::toPixels(static_cast<float>(display.height()))};
}

std::unique_ptr<Platform> makeQtPlatform() {
    return std::make_unique<QtPlatform>();
}

Platform& platform() {
    auto& p = current();
    if (!p) p = makeQtPlatform();
    return *p;
}

std::unique_ptr<Platform> installPlatform(std::unique_ptr<Platform> p) {
    std::swap(current(), p);
    return p;
}

}  // namespace ui
