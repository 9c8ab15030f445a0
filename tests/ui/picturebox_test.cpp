// A picture slot without handlers lets the pointer through to the window, whether it
// stands alone or belongs to a control array.
#include "ui/picturebox.h"

#include "tests/support/mouse.h"
#include "tests/support/screentest.h"
#include "ui/controlarray.h"
#include "ui/form.h"

using namespace ui;

namespace {
class Slots : public Form {
  public:
    Slots() : Form("slots") {
        image.setGeometry(0, 0, 1500, 1500);
        slots.add(0).setGeometry(3000, 0, 1500, 1500);
    }
    void onMouseMove(int, int, float, float) override { ++backgroundMoves; }
    PictureBox image{*this, "Image2"};
    ControlArray<PictureBox> slots{*this, "Image1"};
    int backgroundMoves = 0;
};
}  // namespace

using PictureBoxTest = ScreenTest;

TEST_F(PictureBoxTest, MovesOverAnUnhandledSlotReachTheWindow) {
    Slots form;
    form.showWindow();
    settle();
    real::moveOver(form.image);
    EXPECT_EQ(form.backgroundMoves, 1);
    real::moveOver(form.slots(0));
    EXPECT_EQ(form.backgroundMoves, 2);

    int slotMoves = 0;
    form.slots.MouseMove = [&](int, const MouseArgs&) { ++slotMoves; };
    real::moveOver(form.image);
    real::moveOver(form.slots(0));
    EXPECT_EQ(slotMoves, 1);
    EXPECT_EQ(form.backgroundMoves, 3);
}
