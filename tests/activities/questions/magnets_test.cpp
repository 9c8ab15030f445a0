// The two magnets sections, through their handlers with scripted draws and through the
// pointer, from the menu's topic to Exit.
#include "activities/questions/magnets.h"

#include "menus/menuscreen.h"
#include "tests/support/mouse.h"
#include "tests/support/screentest.h"

using namespace ui;

namespace {

// The draw that gives question q of n.
double drawFor(int q, int n) {
    return (q + 0.5) / n;
}

bool shows(const PictureBox& slot, const char* file) {
    const auto expected = LoadPicture(file);
    return expected && !slot.picture().isNull() && slot.picture().toImage() == expected->toImage();
}

constexpr const char* kAttract = "The magnets will attract each other.";
constexpr const char* kRepel = "The magnets will repel each other.";
constexpr const char* kAttractive = "There will be an attractive force.";
constexpr const char* kNoForce = "There will be no force between them.";

// Label3 as laid out on both sections.
constexpr int kExit = 0, kAnswer = 1, kNewQuestion = 2, kSection = 3;

}  // namespace

class MagnetsTest : public ScreenTest {
  protected:
    template <class S>
    S& openOn(int q) {
        fake->draws = {drawFor(q, 8)};
        return forms().show<S>();
    }
    template <class S>
    void ask(S& s, int q) {
        fake->draws = {drawFor(q, 8)};
        s.Label3_Click(kNewQuestion);
        ASSERT_EQ(s.questno, q);
    }
};

TEST_F(MagnetsTest, SectionOneShowsOnePictureSlotPerQuestionAndItsAnswer) {
    magnets& m = openOn<magnets>(0);
    const int right[] = {0, 0, 1, 1, 1, 1, 0, 0};
    // Backwards, so that every question follows one that used the other slot or the same.
    for (int q = 7; q >= 0; --q) {
        const int draws = fake->randomizeCalls;
        ask(m, q);
        EXPECT_EQ(fake->randomizeCalls, draws + 1) << "reseeded before each draw";
        const int slot = q < 4 ? 0 : 1;
        EXPECT_TRUE(m.Image1(slot).Visible()) << q;
        EXPECT_FALSE(m.Image1(1 - slot).Visible()) << q;
        EXPECT_TRUE(shows(m.Image1(slot), qPrintable(QString("Images\\magnets%1.bmp").arg(q + 1))));
        EXPECT_EQ(m.rightans, right[q]) << q;
        EXPECT_EQ(m.Label5(0).Caption(), right[q] == 0 ? kAttract : kRepel) << q;
        EXPECT_TRUE(m.Label5(0).captionFitsAt(m.Label5(0).fittedPoints())) << q;
    }
}

TEST_F(MagnetsTest, NoForceIsAlwaysWrongInSectionOneAndRepulsiveInSectionTwo) {
    magnets& m = openOn<magnets>(0);
    for (int q = 0; q < 8; ++q) {
        ask(m, q);
        m.Label4_Click(2);
        EXPECT_FALSE(m.Label5(2).Visible()) << q;
        EXPECT_TRUE(m.Label5(0).Visible()) << q;
        EXPECT_TRUE(m.Label5(0).Caption() == kAttract || m.Label5(0).Caption() == kRepel);
    }
}

TEST_F(MagnetsTest, SectionTwoAsksAboutEachMaterial) {
    magnets2& m = openOn<magnets2>(0);
    EXPECT_FALSE(m.Image1.exists(0));
    struct Expected {
        const char* file;
        const char* thing;
        int rightans;
    };
    const Expected table[] = {{"Images\\magmetal1.bmp", "a sheet of copper", 2},
                              {"Images\\magmetal2.bmp", "a sheet of iron", 0},
                              {"Images\\magmetal3.bmp", "a sheet of steel", 0},
                              {"Images\\magmetal3.bmp", "a sheet of nickel", 0},
                              {"Images\\magmetal3.bmp", "a sheet of cobalt", 0},
                              {"Images\\magmetal3.bmp", "a sheet of aluminium", 2},
                              {"Images\\magmetal4.bmp", "a piece of plastic", 2},
                              {"Images\\magmetal5.bmp", "a glass mirror", 2}};
    for (int q = 0; q < 8; ++q) {
        ask(m, q);
        EXPECT_EQ(m.Label5(1).Caption(),
                  QString("What force will there be between a magnet and %1?").arg(table[q].thing));
        EXPECT_TRUE(shows(m.Image1(1), table[q].file)) << q;
        EXPECT_EQ(m.rightans, table[q].rightans);
        EXPECT_EQ(m.Label5(0).Caption(), table[q].rightans == 0 ? kAttractive : kNoForce);
        for (const Label* l : {&m.Label5(0), &m.Label5(1)})
            EXPECT_TRUE(l->captionFitsAt(l->fittedPoints())) << l->Caption().toStdString();
        // Only the repulsive answer of section one is missing here: it is always wrong.
        m.Label4_Click(1);
        EXPECT_FALSE(m.Label5(2).Visible()) << q;
        EXPECT_TRUE(m.Label5(0).Visible()) << q;
    }
}

TEST_F(MagnetsTest, PraiseAndAnswerTextAreIndependent) {
    magnets2& m = openOn<magnets2>(1);  // iron: attractive

    // "Answer" before any click, then right: both show.
    m.Label3_Click(kAnswer);
    EXPECT_TRUE(m.Label5(0).Visible());
    EXPECT_FALSE(m.Label5(2).Visible());
    m.Label4_Click(0);
    EXPECT_TRUE(m.Label5(2).Visible());
    EXPECT_TRUE(m.Label5(0).Visible());
    EXPECT_EQ(m.Label5(2).Caption(), "Correct!  Well Done");

    // The same question drawn again still hides both.
    ask(m, 1);
    EXPECT_FALSE(m.Label5(2).Visible());
    EXPECT_FALSE(m.Label5(0).Visible());

    // Right, then wrong: the praise goes, the answer comes.
    m.Label4_Click(0);
    EXPECT_TRUE(m.Label5(2).Visible());
    EXPECT_FALSE(m.Label5(0).Visible());
    m.Label4_Click(2);
    EXPECT_FALSE(m.Label5(2).Visible());
    EXPECT_TRUE(m.Label5(0).Visible());

    // Wrong, then right: the praise beside the answer.
    ask(m, 0);
    m.Label4_Click(0);
    m.Label4_Click(2);
    EXPECT_TRUE(m.Label5(2).Visible());
    EXPECT_TRUE(m.Label5(0).Visible());
}

TEST_F(MagnetsTest, SwitchingSectionsDrawsAfreshAndExitLeavesNeitherLoaded) {
    forms().show("menu3");
    magnets& m = openOn<magnets>(6);
    m.Label4_Click(1);
    fake->draws = {drawFor(3, 8)};
    m.Label3_Click(kSection);
    settle();
    EXPECT_FALSE(forms().isLoaded<magnets>());
    ASSERT_TRUE(forms().isLoaded<magnets2>());
    magnets2& m2 = forms().get<magnets2>();
    EXPECT_EQ(m2.questno, 3);
    EXPECT_FALSE(m2.Label5(0).Visible());

    fake->draws = {drawFor(6, 8)};
    m2.Label3_Click(kSection);
    settle();
    ASSERT_TRUE(forms().isLoaded<magnets>());
    EXPECT_FALSE(forms().isLoaded<magnets2>());

    // Exit from either section unloads both, whichever is loaded.
    forms().get<magnets2>();
    forms().get<magnets>().Label3_Click(kExit);
    settle();
    EXPECT_FALSE(forms().isLoaded<magnets>());
    EXPECT_FALSE(forms().isLoaded<magnets2>());
    forms().get<magnets>();
    forms().get<magnets2>().window()->close();  // the window's close button is Exit too
    settle();
    EXPECT_FALSE(forms().isLoaded<magnets>());
    EXPECT_FALSE(forms().isLoaded<magnets2>());
    EXPECT_TRUE(forms().isLoaded("menu3"));
}

TEST_F(MagnetsTest, MissingPicturesLeaveTheSlotEmpty) {
    const QString dir = useCopyOfRunFolder();
    QFile::remove(dir + "/Images/magnets6.bmp");
    magnets& m = openOn<magnets>(4);
    EXPECT_FALSE(m.Image1(1).picture().isNull());
    ask(m, 5);
    EXPECT_TRUE(m.Image1(1).Visible());
    EXPECT_TRUE(m.Image1(1).picture().isNull()) << "not the picture of the question before";
    m.Label4_Click(1);
    EXPECT_TRUE(m.Label5(2).Visible());
}

TEST_F(MagnetsTest, ADrawOfOneStaysInTheTable) {
    fake->draws = {1.0};
    magnets& m = forms().show<magnets>();
    EXPECT_EQ(m.questno, 7);
}

TEST_F(MagnetsTest, HoverKeepsTheSectionButtonBlack) {
    magnets& m = openOn<magnets>(0);
    settle();
    real::moveTo(m.window(), QPoint(790, 590));  // the window background
    EXPECT_FALSE(m.Label3(kAnswer).opaque());
    EXPECT_FALSE(m.Label3(kNewQuestion).opaque());
    EXPECT_TRUE(m.Label3(kSection).opaque());
    // Over a picture the pointer is over the background too.
    real::moveOver(m.Label3(kExit));
    real::moveOver(m.Image1(0));
    EXPECT_FALSE(m.Label3(kExit).opaque());
}

TEST_F(MagnetsTest, APupilAnswersWithTheMouseFromTheMenu) {
    forms().show("intro0");
    auto* menu = static_cast<MenuScreen*>(forms().show("menu3"));
    settle();
    fake->draws = {drawFor(2, 8)};  // like poles facing: repel
    real::click(menu->Label3(1));
    ASSERT_TRUE(forms().isLoaded<magnets>());
    magnets& m = forms().get<magnets>();
    settle();
    real::click(m.Label4(2));
    EXPECT_TRUE(m.Label5(0).Visible());
    EXPECT_EQ(m.Label5(0).Caption(), kRepel);
    real::click(m.Label4(1));
    EXPECT_TRUE(m.Label5(2).Visible());

    fake->draws = {drawFor(5, 8)};  // aluminium
    real::click(m.Label3(kSection));
    settle();
    magnets2& m2 = forms().get<magnets2>();
    real::click(m2.Label4(2));
    EXPECT_TRUE(m2.Label5(2).Visible());
    real::click(m2.Label3(kExit));
    settle();
    EXPECT_FALSE(forms().isLoaded<magnets>());
    EXPECT_FALSE(forms().isLoaded<magnets2>());
    EXPECT_TRUE(menu->window()->isVisible());
}
