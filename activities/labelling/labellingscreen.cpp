#include "activities/labelling/labellingscreen.h"

#include "ui/formregistry.h"
#include "ui/module1.h"

using namespace ui;

namespace {

constexpr Colour kBackground = RGB(9, 63, 137);
constexpr FontSpec kButtonFont{"Tahoma", 15.75f, true};
constexpr int kExit = 0, kStartAgain = 1, kCheckScore = 2;

constexpr LabelDesign kButtons[] = {
    {.left = 10560, .top = 7920, .width = 1245, .height = 495, .caption = "Exit"},
    {.left = 3360, .top = 7920, .width = 2565, .height = 495, .caption = "Start Again"},
    {.left = 6000, .top = 7920, .width = 2565, .height = 495, .caption = "Check Score"},
};

LabelDesign wordDesign(const labelling::Layout& layout, const char* caption) {
    return {.width = layout.wordWidth,
            .height = layout.wordHeight,
            .caption = caption,
            .font = layout.wordFont,
            .fore = colours::kYellow,
            .back = colours::kBlack,
            .border = true,
            .align = Align::Center};
}

LabelDesign buttonDesign(LabelDesign d) {
    d.font = kButtonFont;
    d.fore = colours::kYellow;
    d.back = colours::kBlack;
    d.border = true;
    d.align = Align::Center;
    return d;
}

LabelDesign scoreDesign(LabelDesign d) {
    d.font = {"Arial", 20.25f, true};
    d.fore = colours::kYellow;
    d.opaque = false;
    d.align = Align::Center;
    d.visible = false;
    return d;
}

// The single-precision bounds of a box's zone: a label whose top-left corner lies strictly
// inside snaps to the box.
bool inZone(float x, float y, const Label& box) {
    const float L = box.Left(), T = box.Top(), W = box.Width(), H = box.Height();
    const auto bound = [](double v) { return static_cast<float>(v); };
    return bound(L - W / 2.0) < x && x < bound(L + static_cast<double>(W)) &&
           bound(T - H / 2.0) < y && y < bound(T + static_cast<double>(H));
}

}  // namespace

LabellingScreen::LabellingScreen(const char* name, const labelling::Layout& layout)
    : Form(name), layout_(layout) {
    setCaption(layout.caption);
    setBorderStyle(BorderStyle::FixedSingle);
    setClientSize(layout.clientWidth, layout.clientHeight);

    for (int i = 0; i < wordCount(); ++i) {
        const labelling::Word& w = layout.words[i];
        LabelDesign target = wordDesign(layout, w.word);
        target.left = w.target.left;
        target.top = w.target.top;
        Label1.add(i).applyDesign(target);

        LabelDesign slot = wordDesign(layout, "");
        slot.opaque = false;
        slot.visible = false;
        Label4.add(i).applyDesign(slot);

        LabelDesign word = wordDesign(layout, "");
        word.left = w.start.left;
        word.top = w.start.top;
        word.visible = false;
        Label2.add(i).applyDesign(word);
        // A word may be dragged off the window; the window must not grow to follow it.
        Label2(i).setMayOverhang(true);
    }
    for (int i = 0; i < 3; ++i) Label3.add(i).applyDesign(buttonDesign(kButtons[i]));
    Label3(kCheckScore).setVisible(false);
    Label6.applyDesign(scoreDesign(layout.score));

    // The word moves under the pointer, so X and Y are worked out from the pointer's steady
    // place in the window and the word's exact place, not from the word's rounded pixels.
    Label2.MouseMove = [this](int i, const MouseArgs& a) {
        Label2_MouseMove(i, a.Button, a.Shift, a.formX - Label2(i).Left(),
                         a.formY - Label2(i).Top());
    };
    Label2.MouseUp = [this](int i, const MouseArgs& a) {
        Label2_MouseUp(i, a.Button, a.Shift, a.formX - Label2(i).Left(), a.formY - Label2(i).Top());
    };
    Label3.Click = bind(this, &LabellingScreen::Label3_Click);
    Label3.MouseMove = bind(this, &LabellingScreen::Label3_MouseMove);
}

void LabellingScreen::Form_Load() {
    Module1::setupscreen(*this);
    setBackColor(kBackground);
    loadScreen();
    const int n = wordCount();
    for (int i = 0; i < n; ++i) {
        Label1(i).setVisible(false);
        Label4(i).setWidth(Label2(i).Width());
        Label4(i).setHeight(Label2(i).Height());
    }
    for (int i = 0; i < n; ++i) {
        Label2(i).setCaption(Label1(i).Caption());
        Label1(i).setCaption("");
        Label1(i).setOpaque(false);
        Label1(i).setVisible(true);
        Label4(i).move(Label2(i).Left(), Label2(i).Top());
    }
    for (int i = 0; i < n; ++i) {
        Label2(i).setVisible(true);
        Label4(i).setVisible(true);
    }
    // Boxes and buttons lie over the screen's own pictures and texts (the skeleton reaches
    // down behind the buttons), and words over everything, a higher index in front.
    for (int i = 0; i < n; ++i) {
        Label1(i).bringToFront();
        Label4(i).bringToFront();
    }
    for (int i = 0; i < 3; ++i) Label3(i).bringToFront();
    Label6.bringToFront();
    for (int i = 0; i < n; ++i) Label2(i).bringToFront();
}

void LabellingScreen::Label2_MouseMove(int Index, int Button, int, float X, float Y) {
    Label& word = Label2(Index);
    if (Button == 1)
        word.move(word.Left() + X - word.Width() / 2, word.Top() + Y - word.Height() / 2);
    Label6.setVisible(false);
}

void LabellingScreen::snapIfNear(Label& label, const Label& box) {
    if (inZone(label.Left(), label.Top(), box)) label.move(box.Left(), box.Top());
}

void LabellingScreen::Label2_MouseUp(int Index, int, int, float, float) {
    Label& word = Label2(Index);
    // Every test reads the word's current place, so the last snap of the pass stands.
    for (int i = 0; i < wordCount(); ++i) {
        snapIfNear(word, Label1(i));
        snapIfNear(word, Label4(i));
    }
    // Once shown, Check Score stays until Start Again.
    if (placedCount() == wordCount()) Label3(kCheckScore).setVisible(true);
}

bool LabellingScreen::isOn(int label, int target) const {
    return Label2(label).Left() == Label1(target).Left() &&
           Label2(label).Top() == Label1(target).Top();
}

int LabellingScreen::placedCount() const {
    int count = 0;
    for (int j = 0; j < wordCount(); ++j)
        for (int m = 0; m < wordCount(); ++m) count += isOn(j, m) ? 1 : 0;
    return count;
}

int LabellingScreen::score() const {
    int correct = 0;
    for (int i = 0; i < wordCount(); ++i) correct += isOn(i, i) ? 1 : 0;
    return correct;
}

void LabellingScreen::Label3_Click(int Index) {
    switch (Index) {
        case kExit:
            forms().unload(*this);
            break;
        case kStartAgain:
            for (int i = 0; i < wordCount(); ++i) Label2(i).move(Label4(i).Left(), Label4(i).Top());
            Label3(kCheckScore).setVisible(false);
            Label6.setVisible(false);
            break;
        case kCheckScore:
            Label6.setCaption(QString("%1 out of %2 correct").arg(score()).arg(wordCount()));
            Label6.setVisible(true);
            break;
    }
}

void LabellingScreen::Label3_MouseMove(int Index, int, int, float, float) {
    Label3(Index).setOpaque(true);
}

void LabellingScreen::Form_MouseMove(int, int, float, float) {
    for (int i = 0; i < 3; ++i) Label3(i).setOpaque(false);
}
