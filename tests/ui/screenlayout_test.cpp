// The common setup: centring and the chained picture-button column.
#include "tests/support/screentest.h"
#include "ui/commandbutton.h"
#include "ui/programstate.h"

using namespace ui;

namespace {

// A screen carrying whichever standard controls a test asks for.
class Carrier : public Form {
  public:
    explicit Carrier(std::initializer_list<const char*> names) : Form("Carrier") {
        for (const char* n : names) buttons.push_back(std::make_unique<CommandButton>(*this, n));
        for (auto& b : buttons) b->setGeometry(1, 2, 3, 4);
    }
    CommandButton& button(const char* name) {
        return *dynamic_cast<CommandButton*>(findControl(name));
    }
    std::vector<std::unique_ptr<CommandButton>> buttons;
};

}  // namespace

using SetupTest = ScreenTest;

TEST_F(SetupTest, CentresOnTheDisplayWithoutClamping) {
    Carrier screen({});
    fake->display = {640 * 15, 480 * 15};
    ProgramState::applyScreenLayout(screen);
    EXPECT_EQ(QRectF(screen.Left(), screen.Top(), screen.Width(), screen.Height()),
              QRectF(-1200, -900, 12000, 9000));

    fake->display = {800 * 15, 600 * 15};
    ProgramState::applyScreenLayout(screen);
    EXPECT_EQ(QPointF(screen.Left(), screen.Top()), QPointF(0, 0));
    EXPECT_FALSE(fake->busy) << "the hourglass must not stay";
    EXPECT_GE(fake->busyCalls, 2);
}

TEST_F(SetupTest, StacksTheRightHandColumnFlush) {
    Carrier screen({"cmdgo", "cmdjotter", "cmdsoln", "cmdcheckit", "cmdexit", "cmdscramble"});
    ProgramState::applyScreenLayout(screen);
    const struct {
        const char* name;
        float left, top;
    } expected[] = {{"cmdgo", 10050, 7950},
                    {"cmdjotter", 10050, 7455},
                    {"cmdsoln", 10050, 6960},
                    {"cmdcheckit", 10050, 6465},
                    {"cmdexit", 60, 7950}};
    for (const auto& e : expected) {
        CommandButton& b = screen.button(e.name);
        EXPECT_EQ(QRectF(b.Left(), b.Top(), b.Width(), b.Height()),
                  QRectF(e.left, e.top, 1785, 495))
            << e.name;
        EXPECT_FALSE(b.TabStop()) << e.name;
        EXPECT_FALSE(b.picture().isNull()) << e.name;
    }
    // The scramble button gets its picture and nothing else.
    CommandButton& scramble = screen.button("cmdscramble");
    EXPECT_EQ(QPointF(scramble.Left(), scramble.Top()), QPointF(1, 2));
    EXPECT_FALSE(scramble.picture().isNull());
    // A button without the one below keeps its designed top, and the one above follows it.
    Carrier gap({"cmdjotter", "cmdsoln"});
    gap.button("cmdjotter").setTop(4321);
    ProgramState::applyScreenLayout(gap);
    EXPECT_EQ(QPointF(gap.button("cmdjotter").Left(), gap.button("cmdjotter").Top()),
              QPointF(10050, 4321));
    EXPECT_EQ(gap.button("cmdsoln").Top(), 4321 - 495);
}
