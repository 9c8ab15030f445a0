// Renders every screen to a PNG:
//   screenshots [--scale S] <output folder> [screen[/Control(i)/ms] ...]
// at display scale S (1 by default), as the program draws on a larger display.
// Run it in the run folder so that the pictures are found.
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QImage>
#include <QRegularExpression>
#include <QStringList>
#include <QTextStream>
#include <QTimer>
#include <QWidget>

#include "app/screens.h"
#include "menus/menuslots.h"
#include "ui/control.h"
#include "ui/formregistry.h"
#include "ui/programstate.h"
#include "ui/twips.h"

namespace {

const QStringList kScreens = {"Titlefrm", "intro0",   "menu1",    "menu2",   "menu3",   "menu4",
                              "menu5",    "boneslab", "puberty",  "healthy", "magnets", "magnets2",
                              "circuits", "repro",    "scramble", "notepad"};

// Runs the event loop for a while, so that timers tick as they would on screen.
void runFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// The control named "Label3(2)" or "Command1" on a form.
ui::Control* findControl(const ui::Form& form, const QString& request) {
    static const QRegularExpression pattern(R"(^(\w+?)(?:\((\d+)\))?$)");
    const QRegularExpressionMatch m = pattern.match(request);
    if (!m.hasMatch()) return nullptr;
    const int index = m.captured(2).isEmpty() ? -1 : m.captured(2).toInt();
    for (ui::Control* c : form.controls())
        if (c->name() == m.captured(1) && c->index() == index) return c;
    return nullptr;
}

// "screen" is the screen as it first appears; "screen/Control(i)/ms" then clicks that
// control and takes the picture ms milliseconds later (an animation in flight, say).
bool capture(const QString& request, const QDir& out) {
    const QStringList parts = request.split('/');
    const QString& name = parts[0];
    ui::forms().clear();
    ui::ProgramState::reset();
    // Activities sit in front of the main screen, as they do when opened from a menu.
    if (name != "Titlefrm" && name != "notepad") ui::forms().show("intro0");
    ui::Form* form = ui::forms().show(name);
    if (!form) return false;
    // Let one-tick timers lay the screen out, as the event loop would right after showing.
    runFor(300);
    QString file = name;
    if (parts.size() == 3) {
        ui::Control* control = findControl(*form, parts[1]);
        if (!control || !control->Click) return false;
        control->Click();
        runFor(parts[2].toInt());
        file = QString("%1-%2-%3ms").arg(name, parts[1], parts[2]);
        file.replace('(', '_').remove(')');
    }
    const QImage image = form->window()->grab().toImage();
    return image.save(out.filePath(file + ".png"));
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    registerScreens(ui::forms());
    // The activity files' screens ("file:sound.toml") are known once the menus have read them.
    for (int menu = 1; menu <= 5; ++menu) menus::slotSource(menu);
    QStringList args = app.arguments().mid(1);
    if (args.size() >= 2 && args[0] == "--scale") {
        bool ok = false;
        const float scale = args[1].toFloat(&ok);
        if (!ok || scale < 1 || scale > 8) {
            QTextStream(stderr) << "screenshots: the scale must be a number from 1 to 8\n";
            return 2;
        }
        ui::Twips::setScale(scale);
        args = args.mid(2);
    }
    if (args.isEmpty()) {
        QTextStream(stderr)
            << "usage: screenshots [--scale S] <output folder> [screen[/Control(i)/ms] ...]\n";
        return 2;
    }
    QDir out(args.first());
    out.mkpath(".");
    const QStringList wanted = args.size() > 1 ? args.mid(1) : kScreens;
    for (const QString& name : wanted) {
        if (!ui::forms().knows(name.section('/', 0, 0))) continue;
        QTextStream(stdout) << name << (capture(name, out) ? " written\n" : " failed\n");
    }
    ui::forms().clear();
    return 0;
}
