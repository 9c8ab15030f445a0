#include "jotter/jotter.h"

#include "ui/formregistry.h"
#include "ui/screentext.h"

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
// Each shape takes the largest scale, up to the screens', at which it fits the display: the
// tall one is too tall for a laptop even at scale 1. Below half size it would be no use.
constexpr float kSmallestScale = 0.5f;

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
constexpr ButtonDesign kCommand1{60, 180, 930, QT_TRANSLATE_NOOP("Screens", "Exit"), kExitBack};
constexpr ButtonDesign kCommand2{1120, 180, 930, QT_TRANSLATE_NOOP("Screens", "Write"), kWriteBack};
constexpr ButtonDesign kCommand5{2180, 180, 930, QT_TRANSLATE_NOOP("Screens", "Erase"), kEraseBack};
constexpr ButtonDesign kCommand6{3240, 180, 930, QT_TRANSLATE_NOOP("Screens", "Clear"), kClearBack};
constexpr ButtonDesign kCommand3{4305, 180, 585, QT_TRANSLATE_NOOP("Screens", "Flip"), kFlipBack};
// Portrait toolbar: one column.
constexpr ButtonDesign kCommand9{60, 180, 930, QT_TRANSLATE_NOOP("Screens", "Exit"), kExitBack};
constexpr ButtonDesign kCommand10{60, 705, 930, QT_TRANSLATE_NOOP("Screens", "Write"), kWriteBack};
constexpr ButtonDesign kCommand8{60, 1230, 930, QT_TRANSLATE_NOOP("Screens", "Erase"), kEraseBack};
constexpr ButtonDesign kCommand7{60, 1755, 930, QT_TRANSLATE_NOOP("Screens", "Clear"), kClearBack};
constexpr ButtonDesign kCommand4{60, 2280, 930, QT_TRANSLATE_NOOP("Screens", "Flip"), kFlipBack};

// The first swatch of each toolbar; onLoad lays out the other fifteen from it. A thin
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
    button.setBackColor(d.back);
    button.setFont(kButtonFont);
}

// What assistive technology calls swatch i.
constexpr const char* kColourNames[16] = {
    QT_TRANSLATE_NOOP("Screens", "Black"),       QT_TRANSLATE_NOOP("Screens", "Blue"),
    QT_TRANSLATE_NOOP("Screens", "Green"),       QT_TRANSLATE_NOOP("Screens", "Cyan"),
    QT_TRANSLATE_NOOP("Screens", "Red"),         QT_TRANSLATE_NOOP("Screens", "Magenta"),
    QT_TRANSLATE_NOOP("Screens", "Olive"),       QT_TRANSLATE_NOOP("Screens", "Light grey"),
    QT_TRANSLATE_NOOP("Screens", "Grey"),        QT_TRANSLATE_NOOP("Screens", "Light blue"),
    QT_TRANSLATE_NOOP("Screens", "Light green"), QT_TRANSLATE_NOOP("Screens", "Light cyan"),
    QT_TRANSLATE_NOOP("Screens", "Light red"),   QT_TRANSLATE_NOOP("Screens", "Light magenta"),
    QT_TRANSLATE_NOOP("Screens", "Yellow"),      QT_TRANSLATE_NOOP("Screens", "White"),
};

void designSwatches(ControlArray<Label>& swatches, const LabelDesign& first) {
    for (int i = 0; i < 16; ++i) swatches.add(i).applyDesign(first);
}

}  // namespace

Jotter::Jotter() : Form(Name) {
    setBorderStyle(BorderStyle::FixedDialog);
    setPlacedBySystem(true);
    setDesignSizeWithin(kLandscapeWidth, kLandscapeHeight, kSmallestScale);

    design(landscapeToolbar, kLandscapeFrame);
    design(exitButton, kCommand1);
    design(writeButton, kCommand2);
    design(eraseButton, kCommand5);
    design(clearButton, kCommand6);
    design(flipButton, kCommand3);
    designSwatches(swatches, kLandscapeSwatch);

    design(portraitToolbar, kPortraitFrame);
    portraitToolbar.setVisible(false);
    design(portraitExitButton, kCommand9);
    design(portraitWriteButton, kCommand10);
    design(portraitEraseButton, kCommand8);
    design(portraitClearButton, kCommand7);
    design(portraitFlipButton, kCommand4);
    designSwatches(portraitSwatches, kPortraitSwatch);

    exitButton.Click = bind(this, &Jotter::exitClicked);
    writeButton.Click = bind(this, &Jotter::writeClicked);
    flipButton.Click = bind(this, &Jotter::flipClicked);
    portraitFlipButton.Click = bind(this, &Jotter::portraitFlipClicked);
    eraseButton.Click = bind(this, &Jotter::eraseClicked);
    clearButton.Click = bind(this, &Jotter::clearClicked);
    portraitClearButton.Click = bind(this, &Jotter::portraitClearClicked);
    portraitEraseButton.Click = bind(this, &Jotter::portraitEraseClicked);
    portraitExitButton.Click = bind(this, &Jotter::portraitExitClicked);
    portraitWriteButton.Click = bind(this, &Jotter::portraitWriteClicked);
    swatches.Click = bind(this, &Jotter::swatchClicked);
    portraitSwatches.Click = bind(this, &Jotter::portraitSwatchClicked);
    showCaptions();
}

void Jotter::showCaptions() {
    setCaption(tr("Jotter"));
    const std::pair<CommandButton*, const ButtonDesign*> buttons[] = {
        {&exitButton, &kCommand1},           {&writeButton, &kCommand2},
        {&eraseButton, &kCommand5},          {&clearButton, &kCommand6},
        {&flipButton, &kCommand3},           {&portraitExitButton, &kCommand9},
        {&portraitWriteButton, &kCommand10}, {&portraitEraseButton, &kCommand8},
        {&portraitClearButton, &kCommand7},  {&portraitFlipButton, &kCommand4}};
    for (const auto& [button, d] : buttons) button->setCaption(screenText(d->caption));
    for (int i = 0; i < 16; ++i) {
        swatches(i).setDescription(screenText(kColourNames[i]));
        portraitSwatches(i).setDescription(screenText(kColourNames[i]));
    }
}

void Jotter::onLoad() {
    setBackColor(kBackground);
    penWidth = kPenWidth;
    landscapeToolbar.setBackColor(kBackground);
    portraitToolbar.setBackColor(kBackground);
    setTopmost(true);

    for (int i = 0; i < 16; ++i) {
        swatches(i).setBackColor(kStandard16[i]);
        portraitSwatches(i).setBackColor(kStandard16[i]);
    }
    const float w = swatches(0).Width();
    const float h = swatches(0).Height();
    for (int i = 1; i < 16; ++i)
        swatches(i).setGeometry(swatches(i - 1).Left() + kSwatchStep, kLandscapeSwatch.top, w, h);
    const float pw = portraitSwatches(0).Width();
    const float ph = portraitSwatches(0).Height();
    for (int i = 1; i < kSwatchesPerColumn; ++i)
        portraitSwatches(i).setGeometry(portraitSwatches(0).Left(),
                                        portraitSwatches(i - 1).Top() + ph + kSwatchGap, pw, ph);
    for (int i = kSwatchesPerColumn; i < 16; ++i) {
        const Label& beside = portraitSwatches(i - kSwatchesPerColumn);
        portraitSwatches(i).setGeometry(beside.Left() + kColumnStep, beside.Top(), pw, ph);
    }

    penColour = kStartColour;
    writingColour = penColour;
    surface.clear(kBackground);
}

void Jotter::onMouseDown(int, int, float x, float y) {
    penX = x;
    penY = y;
}

void Jotter::onMouseMove(int button, int, float x, float y) {
    // Only the left button alone draws; a pen reaches here as the left button.
    if (button != 1) return;
    surface.line(penX, penY, x, y, penColour, penWidth);
    penX = x;
    penY = y;
}

void Jotter::onPointerDown(int pointer, int button, int shift, float x, float y) {
    if (pointer == 0) return onMouseDown(button, shift, x, y);
    fingers[pointer] = {x, y};
}

void Jotter::onPointerMove(int pointer, int button, int shift, float x, float y) {
    if (pointer == 0) return onMouseMove(button, shift, x, y);
    const auto it = fingers.find(pointer);
    if (it == fingers.end()) return;
    surface.line(static_cast<float>(it->second.x()), static_cast<float>(it->second.y()), x, y,
                 penColour, penWidth);
    it->second = {x, y};
}

void Jotter::onPointerUp(int pointer, int button, int shift, float x, float y) {
    if (pointer == 0) return onMouseUp(button, shift, x, y);
    fingers.erase(pointer);
}

void Jotter::paintSurface(QPainter& painter) {
    surface.paint(painter);
}

void Jotter::exitClicked() {
    exitJotter();
}
void Jotter::portraitExitClicked() {
    exitJotter();
}
void Jotter::writeClicked() {
    write();
}
void Jotter::portraitWriteClicked() {
    write();
}
void Jotter::eraseClicked() {
    erase();
}
void Jotter::portraitEraseClicked() {
    erase();
}
void Jotter::clearClicked() {
    clear();
}
void Jotter::portraitClearClicked() {
    clear();
}
void Jotter::flipClicked() {
    flipToPortrait();
}
void Jotter::portraitFlipClicked() {
    flipToLandscape();
}
void Jotter::swatchClicked(int index) {
    chooseColour(swatches(index).BackColor());
}
void Jotter::portraitSwatchClicked(int index) {
    chooseColour(portraitSwatches(index).BackColor());
}

void Jotter::exitJotter() {
    forms().unload(*this);
}

void Jotter::write() {
    penColour = writingColour;
    penWidth = kPenWidth;
}

void Jotter::erase() {
    // A second Erase must not remember the eraser's colour as the colour to write with.
    if (penColour != kBackground) writingColour = penColour;
    penColour = kBackground;
    penWidth = kEraserWidth;
}

void Jotter::clear() {
    surface.clear(kBackground);
    if (penColour == kBackground) penColour = kStartColour;
    penWidth = kPenWidth;
}

void Jotter::chooseColour(Colour colour) {
    penWidth = kPenWidth;
    penColour = colour;
    writingColour = penColour;
}

// The toolbar that goes away is hidden before the window changes shape: while shown, it
// would hold the window at its own size.
void Jotter::flipToPortrait() {
    surface.clear(kBackground);
    landscapeToolbar.setVisible(false);
    setDesignSizeWithin(kPortraitWidth, kPortraitHeight, kSmallestScale);
    portraitToolbar.setLeft(Width() - portraitToolbar.Width() - kPortraitGap);
    portraitToolbar.setVisible(true);
}

void Jotter::flipToLandscape() {
    surface.clear(kBackground);
    portraitToolbar.setVisible(false);
    setDesignSizeWithin(kLandscapeWidth, kLandscapeHeight, kSmallestScale);
    landscapeToolbar.setVisible(true);
}
