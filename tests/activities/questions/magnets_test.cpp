// The two magnets sections, through their handlers with scripted draws and through the
// pointer, from the menu's topic to Exit.
#include "activities/questions/magnetsscreen.h"
#include "menus/topicmenu.h"
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

// The command buttons as laid out on both sections.
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
        s.commandClicked(kNewQuestion);
        ASSERT_EQ(s.questionNumber, q);
    }
};

TEST_F(MagnetsTest, SectionOneShowsOnePictureSlotPerQuestionAndItsAnswer) {
    TwoMagnetsScreen& m = openOn<TwoMagnetsScreen>(0);
    const int right[] = {0, 0, 1, 1, 1, 1, 0, 0};
    // Backwards, so that every question follows one that used the other slot or the same.
    for (int q = 7; q >= 0; --q) {
        const int draws = fake->randomizeCalls;
        ask(m, q);
        EXPECT_EQ(fake->randomizeCalls, draws + 1) << "reseeded before each draw";
        const int slot = q < 4 ? 0 : 1;
        EXPECT_TRUE(m.pictures(slot).Visible()) << q;
        EXPECT_FALSE(m.pictures(1 - slot).Visible()) << q;
        EXPECT_TRUE(
            shows(m.pictures(slot), qPrintable(QString("Images\\magnets%1.bmp").arg(q + 1))));
        EXPECT_EQ(m.rightAnswer, right[q]) << q;
        EXPECT_EQ(m.messages(0).Caption(), right[q] == 0 ? kAttract : kRepel) << q;
        EXPECT_TRUE(m.messages(0).captionFitsAt(m.messages(0).fittedPoints())) << q;
    }
}

TEST_F(MagnetsTest, NoForceIsAlwaysWrongInSectionOneAndRepulsiveInSectionTwo) {
    TwoMagnetsScreen& m = openOn<TwoMagnetsScreen>(0);
    for (int q = 0; q < 8; ++q) {
        ask(m, q);
        m.answerClicked(2);
        EXPECT_FALSE(m.messages(2).Visible()) << q;
        EXPECT_TRUE(m.messages(0).Visible()) << q;
        EXPECT_TRUE(m.messages(0).Caption() == kAttract || m.messages(0).Caption() == kRepel);
    }
}

TEST_F(MagnetsTest, SectionTwoAsksAboutEachMaterial) {
    MagnetAndMaterialScreen& m = openOn<MagnetAndMaterialScreen>(0);
    EXPECT_FALSE(m.pictures.exists(0));
    struct Expected {
        const char* file;
        const char* thing;
        int rightAnswer;
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
        EXPECT_EQ(m.messages(1).Caption(),
                  QString("What force will there be between a magnet and %1?").arg(table[q].thing));
        EXPECT_TRUE(shows(m.pictures(1), table[q].file)) << q;
        EXPECT_EQ(m.rightAnswer, table[q].rightAnswer);
        EXPECT_EQ(m.messages(0).Caption(), table[q].rightAnswer == 0 ? kAttractive : kNoForce);
        for (const Label* l : {&m.messages(0), &m.messages(1)})
            EXPECT_TRUE(l->captionFitsAt(l->fittedPoints())) << l->Caption().toStdString();
        // Only the repulsive answer of section one is missing here: it is always wrong.
        m.answerClicked(1);
        EXPECT_FALSE(m.messages(2).Visible()) << q;
        EXPECT_TRUE(m.messages(0).Visible()) << q;
    }
}

TEST_F(MagnetsTest, PraiseAndAnswerTextAreIndependent) {
    MagnetAndMaterialScreen& m = openOn<MagnetAndMaterialScreen>(1);  // iron: attractive

    // "Answer" before any click, then right: both show.
    m.commandClicked(kAnswer);
    EXPECT_TRUE(m.messages(0).Visible());
    EXPECT_FALSE(m.messages(2).Visible());
    m.answerClicked(0);
    EXPECT_TRUE(m.messages(2).Visible());
    EXPECT_TRUE(m.messages(0).Visible());
    EXPECT_EQ(m.messages(2).Caption(), "Correct!  Well Done");

    // The same question drawn again still hides both.
    ask(m, 1);
    EXPECT_FALSE(m.messages(2).Visible());
    EXPECT_FALSE(m.messages(0).Visible());

    // Right, then wrong: the praise goes, the answer comes.
    m.answerClicked(0);
    EXPECT_TRUE(m.messages(2).Visible());
    EXPECT_FALSE(m.messages(0).Visible());
    m.answerClicked(2);
    EXPECT_FALSE(m.messages(2).Visible());
    EXPECT_TRUE(m.messages(0).Visible());

    // Wrong, then right: the praise beside the answer.
    ask(m, 0);
    m.answerClicked(0);
    m.answerClicked(2);
    EXPECT_TRUE(m.messages(2).Visible());
    EXPECT_TRUE(m.messages(0).Visible());
}

TEST_F(MagnetsTest, SwitchingSectionsDrawsAfreshAndExitLeavesNeitherLoaded) {
    forms().show("menu3");
    TwoMagnetsScreen& m = openOn<TwoMagnetsScreen>(6);
    m.answerClicked(1);
    fake->draws = {drawFor(3, 8)};
    m.commandClicked(kSection);
    settle();
    EXPECT_FALSE(forms().isLoaded<TwoMagnetsScreen>());
    ASSERT_TRUE(forms().isLoaded<MagnetAndMaterialScreen>());
    MagnetAndMaterialScreen& m2 = forms().get<MagnetAndMaterialScreen>();
    EXPECT_EQ(m2.questionNumber, 3);
    EXPECT_FALSE(m2.messages(0).Visible());

    fake->draws = {drawFor(6, 8)};
    m2.commandClicked(kSection);
    settle();
    ASSERT_TRUE(forms().isLoaded<TwoMagnetsScreen>());
    EXPECT_FALSE(forms().isLoaded<MagnetAndMaterialScreen>());

    // Exit from either section unloads both, whichever is loaded.
    forms().get<MagnetAndMaterialScreen>();
    forms().get<TwoMagnetsScreen>().commandClicked(kExit);
    settle();
    EXPECT_FALSE(forms().isLoaded<TwoMagnetsScreen>());
    EXPECT_FALSE(forms().isLoaded<MagnetAndMaterialScreen>());
    forms().get<TwoMagnetsScreen>();
    forms()
        .get<MagnetAndMaterialScreen>()
        .window()
        ->close();  // the window's close button is Exit too
    settle();
    EXPECT_FALSE(forms().isLoaded<TwoMagnetsScreen>());
    EXPECT_FALSE(forms().isLoaded<MagnetAndMaterialScreen>());
    EXPECT_TRUE(forms().isLoaded("menu3"));
}

TEST_F(MagnetsTest, MissingPicturesLeaveTheSlotEmpty) {
    const QString dir = useCopyOfRunFolder();
    QFile::remove(dir + "/Images/magnets6.bmp");
    TwoMagnetsScreen& m = openOn<TwoMagnetsScreen>(4);
    EXPECT_FALSE(m.pictures(1).picture().isNull());
    ask(m, 5);
    EXPECT_TRUE(m.pictures(1).Visible());
    EXPECT_TRUE(m.pictures(1).picture().isNull()) << "not the picture of the question before";
    m.answerClicked(1);
    EXPECT_TRUE(m.messages(2).Visible());
}

TEST_F(MagnetsTest, ADrawOfOneStaysInTheTable) {
    fake->draws = {1.0};
    TwoMagnetsScreen& m = forms().show<TwoMagnetsScreen>();
    EXPECT_EQ(m.questionNumber, 7);
}

TEST_F(MagnetsTest, HoverKeepsTheSectionButtonBlack) {
    TwoMagnetsScreen& m = openOn<TwoMagnetsScreen>(0);
    settle();
    real::moveTo(m.window(), QPoint(790, 590));  // the window background
    EXPECT_FALSE(m.commands(kAnswer).opaque());
    EXPECT_FALSE(m.commands(kNewQuestion).opaque());
    EXPECT_TRUE(m.commands(kSection).opaque());
    // Over a picture the pointer is over the background too.
    real::moveOver(m.commands(kExit));
    real::moveOver(m.pictures(0));
    EXPECT_FALSE(m.commands(kExit).opaque());
}

TEST_F(MagnetsTest, APupilAnswersWithTheMouseFromTheMenu) {
    forms().show("intro0");
    auto* menu = static_cast<TopicMenu*>(forms().show("menu3"));
    settle();
    fake->draws = {drawFor(2, 8)};  // like poles facing: repel
    real::click(menu->topics(1));
    ASSERT_TRUE(forms().isLoaded<TwoMagnetsScreen>());
    TwoMagnetsScreen& m = forms().get<TwoMagnetsScreen>();
    settle();
    real::click(m.answerButtons(2));
    EXPECT_TRUE(m.messages(0).Visible());
    EXPECT_EQ(m.messages(0).Caption(), kRepel);
    real::click(m.answerButtons(1));
    EXPECT_TRUE(m.messages(2).Visible());

    fake->draws = {drawFor(5, 8)};  // aluminium
    real::click(m.commands(kSection));
    settle();
    MagnetAndMaterialScreen& m2 = forms().get<MagnetAndMaterialScreen>();
    real::click(m2.answerButtons(2));
    EXPECT_TRUE(m2.messages(2).Visible());
    real::click(m2.commands(kExit));
    settle();
    EXPECT_FALSE(forms().isLoaded<TwoMagnetsScreen>());
    EXPECT_FALSE(forms().isLoaded<MagnetAndMaterialScreen>());
    EXPECT_TRUE(menu->window()->isVisible());
}
