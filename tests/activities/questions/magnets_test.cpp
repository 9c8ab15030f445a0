// The two magnets sections, through their handlers with scripted draws.
#include "activities/files/filescreens.h"
#include "tests/support/questiontest.h"

using namespace ui;
using Magnets = activityfiles::FileQuestionsScreen;

namespace {

constexpr const char* kAttract = "The magnets will attract each other.";
constexpr const char* kRepel = "The magnets will repel each other.";
constexpr const char* kAttractive = "There will be an attractive force.";
constexpr const char* kNoForce = "There will be no force between them.";

// The command buttons as laid out on both sections.
constexpr int kExit = 0, kAnswer = 1, kSection = 3;

}  // namespace

class MagnetsTest : public QuestionTest {
  protected:
    MagnetsTest() : QuestionTest(8) {}
};

TEST_F(MagnetsTest, SectionOneShowsOnePictureSlotPerQuestionAndItsAnswer) {
    Magnets& m = openOn<Magnets>("magnets", 0);
    const int right[] = {0, 0, 1, 1, 1, 1, 0, 0};
    // Where the two facing poles are: bar magnets end to end, side by side, horseshoes face
    // to face. Unlike poles attract, like poles repel (red north, blue south).
    const QPoint endToEnd[] = {{345, 38}, {455, 38}}, sideBySide[] = {{40, 56}, {40, 122}},
                 faceToFace[] = {{145, 37}, {185, 37}};
    const QPoint* facing[] = {endToEnd,   endToEnd,   endToEnd,   endToEnd,
                              sideBySide, faceToFace, sideBySide, faceToFace};
    const auto pole = [](const QImage& image, QPoint at) {
        const QColor c = image.pixelColor(at);
        EXPECT_GT(std::max(c.red(), c.blue()), 180) << "no pole at " << at.x() << "," << at.y();
        return c.red() > c.blue() ? 'N' : 'S';
    };
    // Backwards, so that every question follows one that used the other slot or the same.
    for (int q = 7; q >= 0; --q) {
        ask(m, q);
        const int slot = q < 4 ? 0 : 1;
        EXPECT_TRUE(m.pictures(slot).Visible() && !m.pictures(1 - slot).Visible()) << q;
        EXPECT_TRUE(shows(m.pictures(slot), QString("Images\\magnets%1.bmp").arg(q + 1)));
        const QImage image = m.pictures(slot).picture().toImage();
        EXPECT_EQ(pole(image, facing[q][0]) == pole(image, facing[q][1]), right[q] == 1) << q;
        EXPECT_EQ(m.rightAnswer, right[q]) << q;
        EXPECT_EQ(m.messages(0).Caption(), right[q] == 0 ? kAttract : kRepel) << q;
        EXPECT_TRUE(m.messages(0).captionFitsAt(m.messages(0).fittedPoints())) << q;
        m.answerClicked(2);  // No Force: always wrong here
        EXPECT_TRUE(!m.messages(2).Visible() && m.messages(0).Visible()) << q;
    }
}

TEST_F(MagnetsTest, SectionTwoAsksAboutEachMaterial) {
    Magnets& m = openOn<Magnets>("magnets2", 7);
    EXPECT_FALSE(m.pictures.exists(1)) << "one picture slot";
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
        EXPECT_TRUE(shows(m.pictures(0), table[q].file)) << q;
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
    Magnets& m = openOn<Magnets>("magnets2", 1);  // iron: attractive
    // Whether the praise and the answer in words show.
    const auto shown = [&m] { return std::pair(m.messages(2).Visible(), m.messages(0).Visible()); };
    // "Answer" before any click, then right: both show.
    m.commandClicked(kAnswer);
    EXPECT_EQ(shown(), std::pair(false, true));
    m.answerClicked(0);
    EXPECT_EQ(shown(), std::pair(true, true));
    EXPECT_EQ(m.messages(2).Caption(), "Correct!  Well Done");
    // The next question hides both.
    ask(m, 2);
    EXPECT_EQ(shown(), std::pair(false, false));
    // Right, then wrong: the praise goes, the answer comes.
    m.answerClicked(0);
    EXPECT_EQ(shown(), std::pair(true, false));
    m.answerClicked(2);
    EXPECT_EQ(shown(), std::pair(false, true));
    // Wrong, then right: the praise beside the answer.
    ask(m, 0);
    m.answerClicked(0);
    m.answerClicked(2);
    EXPECT_EQ(shown(), std::pair(true, true));
}

TEST_F(MagnetsTest, SwitchingSectionsDrawsAfreshAndExitLeavesNeitherLoaded) {
    forms().show("menu3");
    Magnets& m = openOn<Magnets>("magnets", 6);
    m.answerClicked(1);
    fake->draws = {drawFor(3)};
    m.commandClicked(kSection);
    settle();
    EXPECT_FALSE(forms().isLoaded("magnets"));
    ASSERT_TRUE(forms().isLoaded("magnets2"));
    Magnets& m2 = dynamic_cast<Magnets&>(*forms().find("magnets2"));
    EXPECT_EQ(m2.questionNumber, 3);
    EXPECT_FALSE(m2.messages(0).Visible());

    // Exit from either section unloads both, whichever is loaded.
    dynamic_cast<Magnets*>(forms().get("magnets"))->commandClicked(kExit);
    settle();
    EXPECT_FALSE(forms().isLoaded("magnets") || forms().isLoaded("magnets2"));
    EXPECT_TRUE(forms().isLoaded("menu3"));
}

TEST_F(MagnetsTest, MissingPicturesLeaveTheSlotEmpty) {
    const QString dir = useCopyOfRunFolder();
    QFile::remove(dir + "/Images/magnets6.bmp");
    Magnets& m = openOn<Magnets>("magnets", 4);
    EXPECT_FALSE(m.pictures(1).picture().isNull());
    ask(m, 5);
    EXPECT_TRUE(m.pictures(1).Visible());
    EXPECT_TRUE(m.pictures(1).picture().isNull()) << "not the picture of the question before";
    m.answerClicked(1);
    EXPECT_TRUE(m.messages(2).Visible());
}

TEST_F(MagnetsTest, ADrawOfOneStaysInTheTable) {
    fake->draws = {1.0};
    Magnets& m = dynamic_cast<Magnets&>(*forms().show("magnets"));
    EXPECT_EQ(m.questionNumber, 7);
}
