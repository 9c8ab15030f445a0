// Renders every screen to a PNG: screenshots <output folder> [screen ...]
// Run it in the run folder so that the pictures are found.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QStringList>
#include <QTextStream>
#include <QWidget>

#include "app/screens.h"
#include "ui/formregistry.h"
#include "ui/module1.h"

namespace {

const QStringList kScreens = {"Titlefrm", "intro0",   "menu1",    "menu2",   "menu3",   "menu4",
                              "menu5",    "boneslab", "puberty",  "healthy", "magnets", "magnets2",
                              "circuits", "repro",    "scramble", "notepad"};

bool capture(const QString& name, const QDir& out) {
    ui::forms().clear();
    ui::Module1::reset();
    // Activities sit in front of the main screen, as they do when opened from a menu.
    if (name != "Titlefrm" && name != "notepad") ui::forms().show("intro0");
    ui::Form* form = ui::forms().show(name);
    if (!form) return false;
    // Let one-tick timers lay the screen out, as the event loop would right after showing.
    for (int i = 0; i < 20; ++i) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    const QImage image = form->window()->grab().toImage();
    return image.save(out.filePath(name + ".png"));
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    registerScreens(ui::forms());
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        QTextStream(stderr) << "usage: screenshots <output folder> [screen ...]\n";
        return 2;
    }
    QDir out(args.first());
    out.mkpath(".");
    const QStringList wanted = args.size() > 1 ? args.mid(1) : kScreens;
    for (const QString& name : wanted) {
        if (!ui::forms().knows(name)) continue;
        QTextStream(stdout) << name << (capture(name, out) ? " written\n" : " failed\n");
    }
    ui::forms().clear();
    return 0;
}
