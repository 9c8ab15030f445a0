#include <QCoreApplication>
#include <QString>

#include "ui/colour.h"
#include "ui/commandbutton.h"
#include "ui/form.h"
#include "ui/picturebox.h"
#include "ui/platform.h"
#include "ui/programstate.h"
#include "ui/screentext.h"

namespace ui {

namespace {

constexpr Colour kBackground = RGB(49, 135, 214);
constexpr float kOuterWidth = ProgramState::kScreenWidth;
constexpr float kOuterHeight = ProgramState::kScreenHeight;

struct StandardPicture {
    const char* control;
    const char* file;
    const char* name;  // what assistive technology calls the button
};
// In the order they are loaded.
constexpr StandardPicture kPictures[] = {
    {"cmdexit", "Images\\exit.jpg", QT_TRANSLATE_NOOP("Screens", "Exit")},
    {"cmdgo", "Images\\next.jpg", QT_TRANSLATE_NOOP("Screens", "Next")},
    {"cmdsoln", "Images\\answer.jpg", QT_TRANSLATE_NOOP("Screens", "Answer")},
    {"cmdcheckit", "images\\check.jpg", QT_TRANSLATE_NOOP("Screens", "Check")},
    {"cmdjotter", "images\\jotter.jpg", QT_TRANSLATE_NOOP("Screens", "Jotter")},
    {"cmdscramble", "images\\scramble.jpg", QT_TRANSLATE_NOOP("Screens", "Scramble")},
};

constexpr float kColumnLeft = 10050;
constexpr float kButtonWidth = 1785;
constexpr float kButtonHeight = 495;
constexpr float kBottomTop = 7950;

CommandButton* button(Form& screen, const char* name) {
    return dynamic_cast<CommandButton*>(screen.findControl(QString::fromLatin1(name)));
}

// Places a button of the right-hand column on top of the one below it; without the one
// below, the Top cannot be computed and stays as designed.
void stack(Form& screen, const char* name, const char* below) {
    CommandButton* b = button(screen, name);
    if (!b) return;
    b->setLeft(kColumnLeft);
    b->setHeight(kButtonHeight);
    if (const CommandButton* under = button(screen, below)) b->setTop(under->Top() - b->Height());
    b->setWidth(kButtonWidth);
    b->setTabStop(false);
}

void placeAtBottom(CommandButton* b, float left) {
    if (!b) return;
    b->setTop(kBottomTop);
    b->setWidth(kButtonWidth);
    b->setLeft(left);
    b->setHeight(kButtonHeight);
    b->setTabStop(false);
}

}  // namespace

void ProgramState::applyScreenLayout(Form& screen) {
    screen.setBackColor(kBackground);
    screen.setIcon(LoadPicture("").value_or(Picture()));

    // From here on a step that cannot be done is passed over.
    if (auto* box = dynamic_cast<PictureBox*>(screen.findControl("Picture1")))
        box->setBackColor(kBackground);
    screen.setWidth(kOuterWidth);
    screen.setHeight(kOuterHeight);
    const QSizeF display = platform().displayTwips();
    platform().setBusyCursor(true);
    screen.setTop(static_cast<float>(display.height() / 2 - screen.Height() / 2.0));
    screen.setLeft(static_cast<float>(display.width() / 2 - screen.Width() / 2.0));
    platform().setBusyCursor(false);

    for (const StandardPicture& p : kPictures) {
        CommandButton* b = button(screen, p.control);
        if (!b) continue;
        if (b->Description().isEmpty()) b->setDescription(screenText(p.name));
        if (auto picture = LoadPicture(QString::fromLatin1(p.file))) b->setPicture(*picture);
    }

    placeAtBottom(button(screen, "cmdgo"), kColumnLeft);
    stack(screen, "cmdjotter", "cmdgo");
    stack(screen, "cmdsoln", "cmdjotter");
    stack(screen, "cmdcheckit", "cmdsoln");
    placeAtBottom(button(screen, "cmdexit"), 60);

    // The keys that open a screen from anywhere work on every full-size screen.
    screen.takeScreenShortcuts();
}

}  // namespace ui
