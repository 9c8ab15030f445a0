#include "jotter/notepad.h"

#include "ui/formregistry.h"

using namespace ui;

namespace {

// The drawing surface, the toolbars and the eraser share one colour, so that erasing
// paints the surface back. No swatch has this colour: the pen has it exactly while erasing.
constexpr Colour kBackground = RGB(49, 135, 215);
constexpr Colour kStartColour = kStandard16[14];  // yellow
constexpr int kPenWidth = 3;
constexpr int kEraserWidth = 30;

// Outer sizes; the landscape client area is 9915 x 3660, the toolbar ending at its bottom.
constexpr float kLandscapeWidth = 10005;
constexpr float kLandscapeHeight = 4140;
constexpr float kPortraitWidth = 4000;
constexpr float kPortraitHeight = 12000;
constexpr float kPortraitGap = 80;  // between the portrait toolbar and the right edge

struct FrameDesign {
    float left, top, width, height;
};
constexpr FrameDesign kLandscapeFrame{0, 2910, 9920, 750};
constexpr FrameDesign kPortraitFrame{0, 0, 1035, 5250};  // Left is set on flipping

struct ButtonDesign {
    float left, top, width;
    const char* caption;
    Colour back;
};
constexpr float kButtonHeight = 480;
constexpr FontSpec kButtonFont{"Tahoma", 12, false};
constexpr Colour kExitBack = RGB(255, 224, 192);
constexpr Colour kWriteBack = RGB(255, 255, 192);
constexpr Colour kEraseBack = RGB(192, 192, 0);
constexpr Colour kClearBack = RGB(255, 192, 128);
constexpr Colour kFlipBack = RGB(128, 128, 255);

// Landscape toolbar: one row.
constexpr ButtonDesign kCommand1{60, 180, 930, "Exit", kExitBack};
constexpr ButtonDesign kCommand2{1120, 180, 930, "Write", kWriteBack};
constexpr ButtonDesign kCommand5{2180, 180, 930, "Erase", kEraseBack};
constexpr ButtonDesign kCommand6{3240, 180, 930, "Clear", kClearBack};
constexpr ButtonDesign kCommand3{4305, 180, 585, "Flip", kFlipBack};
// Portrait toolbar: one column.
constexpr ButtonDesign kCommand9{60, 180, 930, "Exit", kExitBack};
constexpr ButtonDesign kCommand10{60, 705, 930, "Write", kWriteBack};
constexpr ButtonDesign kCommand8{60, 1230, 930, "Erase", kEraseBack};
constexpr ButtonDesign kCommand7{60, 1755, 930, "Clear", kClearBack};
constexpr ButtonDesign kCommand4{60, 2280, 930, "Flip", kFlipBack};

// The first swatch of each toolbar; Form_Load lays out the other fifteen from it. A thin
// border keeps the pale and the dark colours apart from the blue toolbar.
constexpr LabelDesign kLandscapeSwatch{
    .left = 5010, .top = 285, .width = 240, .height = 240, .border = true};
constexpr LabelDesign kPortraitSwatch{
    .left = 180, .top = 2820, .width = 240, .height = 240, .border = true};
constexpr float kSwatchStep = 305;     // landscape: from one swatch's Left to the next
constexpr float kSwatchGap = 50;       // portrait: between a swatch and the one below
constexpr float kColumnStep = 400;     // portrait: from the first column to the second
constexpr int kSwatchesPerColumn = 8;  // portrait

void design(Frame& frame, const FrameDesign& d) {
    frame.setGeometry(d.left, d.top, d.width, d.height);
}

void design(CommandButton& button, const ButtonDesign& d) {
    button.setGeometry(d.left, d.top, d.width, kButtonHeight);
    button.setCaption(QString::fromLatin1(d.caption));
    button.setBackColor(d.back);
    button.setFont(kButtonFont);
}

// What assistive technology calls swatch i.
constexpr const char* kColourNames[16] = {
    "Black",     "Blue",          "Green",  "Cyan",       "Red",         "Magenta",
    "Olive",     "Light grey",    "Grey",   "Light blue", "Light green", "Light cyan",
    "Light red", "Light magenta", "Yellow", "White",
};

void designSwatches(ControlArray<Label>& swatches, const LabelDesign& first) {
    for (int i = 0; i < 16; ++i) {
        Label& swatch = swatches.add(i);
        swatch.applyDesign(first);
        swatch.setDescription(QString::fromLatin1(kColourNames[i]));
    }
}

}  // namespace

notepad::notepad() : Form(Name) {
    setCaption("Jotter");
    setBorderStyle(BorderStyle::FixedDialog);
    setPlacedBySystem(true);
    setDesignSize(kLandscapeWidth, kLandscapeHeight);

    design(Frame_landscape, kLandscapeFrame);
    design(Command1, kCommand1);
    design(Command2, kCommand2);
    design(Command5, kCommand5);
    design(Command6, kCommand6);
    design(Command3, kCommand3);
    designSwatches(Label1, kLandscapeSwatch);

    design(Frame_portrait, kPortraitFrame);
    Frame_portrait.setVisible(false);
    design(Command9, kCommand9);
    design(Command10, kCommand10);
    design(Command8, kCommand8);
    design(Command7, kCommand7);
    design(Command4, kCommand4);
    designSwatches(Label11, kPortraitSwatch);

    Command1.Click = bind(this, &notepad::Command1_Click);
    Command2.Click = bind(this, &notepad::Command2_Click);
    Command3.Click = bind(this, &notepad::Command3_Click);
    Command4.Click = bind(this, &notepad::Command4_Click);
    Command5.Click = bind(this, &notepad::Command5_Click);
    Command6.Click = bind(this, &notepad::Command6_Click);
    Command7.Click = bind(this, &notepad::Command7_Click);
    Command8.Click = bind(this, &notepad::Command8_Click);
    Command9.Click = bind(this, &notepad::Command9_Click);
    Command10.Click = bind(this, &notepad::Command10_Click);
    Label1.Click = bind(this, &notepad::Label1_Click);
    Label11.Click = bind(this, &notepad::Label11_Click);
}

void notepad::Form_Load() {
    setBackColor(kBackground);
    DrawWidth = kPenWidth;
    Frame_landscape.setBackColor(kBackground);
    Frame_portrait.setBackColor(kBackground);
    setTopmost(true);

    for (int i = 0; i < 16; ++i) {
        Label1(i).setBackColor(kStandard16[i]);
        Label11(i).setBackColor(kStandard16[i]);
    }
    const float w = Label1(0).Width();
    const float h = Label1(0).Height();
    for (int i = 1; i < 16; ++i)
        Label1(i).setGeometry(Label1(i - 1).Left() + kSwatchStep, kLandscapeSwatch.top, w, h);
    const float pw = Label11(0).Width();
    const float ph = Label11(0).Height();
    for (int i = 1; i < kSwatchesPerColumn; ++i)
        Label11(i).setGeometry(Label11(0).Left(), Label11(i - 1).Top() + ph + kSwatchGap, pw, ph);
    for (int i = kSwatchesPerColumn; i < 16; ++i) {
        const Label& beside = Label11(i - kSwatchesPerColumn);
        Label11(i).setGeometry(beside.Left() + kColumnStep, beside.Top(), pw, ph);
    }

    ForeColor = kStartColour;
    pencolour = ForeColor;
    surface.clear(kBackground);
}

void notepad::Form_MouseDown(int, int, float X, float Y) {
    CurrentX = X;
    CurrentY = Y;
}

void notepad::Form_MouseMove(int Button, int, float X, float Y) {
    // Only the left button alone draws; touch and pen reach here as the left button.
    if (Button != 1) return;
    surface.line(CurrentX, CurrentY, X, Y, ForeColor, DrawWidth);
    CurrentX = X;
    CurrentY = Y;
}

void notepad::paintSurface(QPainter& painter) {
    surface.paint(painter);
}

void notepad::Command1_Click() {
    exitJotter();
}
void notepad::Command9_Click() {
    exitJotter();
}
void notepad::Command2_Click() {
    write();
}
void notepad::Command10_Click() {
    write();
}
void notepad::Command5_Click() {
    erase();
}
void notepad::Command8_Click() {
    erase();
}
void notepad::Command6_Click() {
    clear();
}
void notepad::Command7_Click() {
    clear();
}
void notepad::Command3_Click() {
    flipToPortrait();
}
void notepad::Command4_Click() {
    flipToLandscape();
}
void notepad::Label1_Click(int Index) {
    chooseColour(Label1(Index).BackColor());
}
void notepad::Label11_Click(int Index) {
    chooseColour(Label11(Index).BackColor());
}

void notepad::exitJotter() {
    forms().unload(*this);
}

void notepad::write() {
    ForeColor = pencolour;
    DrawWidth = kPenWidth;
}

void notepad::erase() {
    // A second Erase must not remember the eraser's colour as the colour to write with.
    if (ForeColor != kBackground) pencolour = ForeColor;
    ForeColor = kBackground;
    DrawWidth = kEraserWidth;
}

void notepad::clear() {
    surface.clear(kBackground);
    if (ForeColor == kBackground) ForeColor = kStartColour;
    DrawWidth = kPenWidth;
}

void notepad::chooseColour(Colour colour) {
    DrawWidth = kPenWidth;
    ForeColor = colour;
    pencolour = ForeColor;
}

// The toolbar that goes away is hidden before the window changes shape: while shown, it
// would hold the window at its own size.
void notepad::flipToPortrait() {
    surface.clear(kBackground);
    Frame_landscape.setVisible(false);
    setDesignSize(kPortraitWidth, kPortraitHeight);
    Frame_portrait.setLeft(Width() - Frame_portrait.Width() - kPortraitGap);
    Frame_portrait.setVisible(true);
}

void notepad::flipToLandscape() {
    surface.clear(kBackground);
    Frame_portrait.setVisible(false);
    setDesignSize(kLandscapeWidth, kLandscapeHeight);
    Frame_landscape.setVisible(true);
}
