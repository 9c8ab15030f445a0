#pragma once
#include <QCoreApplication>
#include <QPointF>
#include <map>

#include "ui/canvas.h"
#include "ui/commandbutton.h"
#include "ui/controlarray.h"
#include "ui/form.h"
#include "ui/frame.h"
#include "ui/label.h"

// The Jotter: a small drawing pad that stays above every other window. Freehand lines in
// 16 colours, a wide eraser, Clear, and Flip between a wide and a tall shape, each shape
// with its own toolbar and drawn at the largest scale at which it fits the display.
class Jotter : public ui::Form {
    Q_DECLARE_TR_FUNCTIONS(Jotter)

  public:
    static constexpr const char* Name = "notepad";
    Jotter();

    void onLoad() override;
    // Its words in the language shown now; a drawing stays as it is.
    void showCaptions();
    void onMouseDown(int button, int shift, float x, float y) override;
    void onMouseMove(int button, int shift, float x, float y) override;
    // Each finger draws a stroke of its own; the mouse and pen use the pen below.
    void onPointerDown(int pointer, int button, int shift, float x, float y) override;
    void onPointerMove(int pointer, int button, int shift, float x, float y) override;
    void onPointerUp(int pointer, int button, int shift, float x, float y) override;
    void paintSurface(QPainter& painter) override;

    // Landscape toolbar: Exit, Write, Flip, Erase, Clear.
    void exitClicked();
    void writeClicked();
    void flipClicked();
    void eraseClicked();
    void clearClicked();
    // Portrait toolbar: Flip, Clear, Erase, Exit, Write.
    void portraitFlipClicked();
    void portraitClearClicked();
    void portraitEraseClicked();
    void portraitExitClicked();
    void portraitWriteClicked();
    void swatchClicked(int index);
    void portraitSwatchClicked(int index);

    // The pen: its colour and width in pixels, and where the next line starts (twips).
    ui::Colour penColour = 0;
    int penWidth = 1;
    float penX = 0;
    float penY = 0;
    // Where each finger's next line starts, by touch point.
    std::map<int, QPointF> fingers;
    // The colour Write brings back after erasing.
    ui::Colour writingColour = 0;
    // What has been drawn.
    ui::Canvas surface{*this};

    ui::Frame landscapeToolbar{*this, "Frame_landscape"};
    ui::CommandButton exitButton{*this, "Command1", -1, &landscapeToolbar};
    ui::CommandButton writeButton{*this, "Command2", -1, &landscapeToolbar};
    ui::CommandButton eraseButton{*this, "Command5", -1, &landscapeToolbar};
    ui::CommandButton clearButton{*this, "Command6", -1, &landscapeToolbar};
    ui::CommandButton flipButton{*this, "Command3", -1, &landscapeToolbar};
    ui::ControlArray<ui::Label> swatches{*this, "Label1", &landscapeToolbar};

    ui::Frame portraitToolbar{*this, "Frame_portrait"};
    ui::CommandButton portraitExitButton{*this, "Command9", -1, &portraitToolbar};
    ui::CommandButton portraitWriteButton{*this, "Command10", -1, &portraitToolbar};
    ui::CommandButton portraitEraseButton{*this, "Command8", -1, &portraitToolbar};
    ui::CommandButton portraitClearButton{*this, "Command7", -1, &portraitToolbar};
    ui::CommandButton portraitFlipButton{*this, "Command4", -1, &portraitToolbar};
    ui::ControlArray<ui::Label> portraitSwatches{*this, "Label11", &portraitToolbar};

  private:
    void exitJotter();
    void write();
    void erase();
    void clear();
    void chooseColour(ui::Colour colour);
    void flipToPortrait();
    void flipToLandscape();
};
