// Every screen from the keyboard alone, with key events sent to the window: the order of the
// stops, the focus ring, clicks by Enter and Space, arrows, Escape, the focus handed back as
// windows close, and drag-and-drop by keys with what a screen reader is told.
#include <QApplication>
#include <QTest>
#include <algorithm>

#include "activities/files/filescreens.h"
#include "activities/wordgame/scrambledwordsscreen.h"
#include "app/mainscreen.h"
#include "app/titlescreen.h"
#include "jotter/jotter.h"
#include "menus/menupage.h"
#include "menus/topicmenu.h"
#include "tests/activities/labelling/labelling_helpers.h"
#include "tests/support/mouse.h"
#include "tests/support/screentest.h"

using namespace ui;

namespace {

// The shipped activities that keep their screens' own names, and no other file.
class KeyboardTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        useRunFolderWithOwnScreensOnly();
    }
    static void press(Form& f, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(f.window(), key, mods);
    }
    static const Control* focused(const Form& f) { return f.keyboard().focused(); }
    // Tab until `c` has the focus, within a round of the screen's stops.
    static void tabTo(Form& f, const Control& c) {
        for (int i = 0; i < 40 && focused(f) != &c; ++i) press(f, Qt::Key_Tab);
        ASSERT_EQ(focused(f), &c) << qPrintable(f.name());
    }
    // To the first answer button, along the array with Right, then Enter.
    static void answer(Form& f, const ControlArray<Label>& answers, int index) {
        tabTo(f, answers(0));
        for (int k = 0; k < index; ++k) press(f, Qt::Key_Right);
        press(f, Qt::Key_Return);
    }
};

}  // namespace

TEST_F(KeyboardTest, StopsComeInEachScreensOrderAndTheFirstHasTheFocus) {
    TitleScreen& title = forms().show<TitleScreen>();
    EXPECT_EQ(title.keyboard().stops(),
              (std::vector<Control*>{&title.okButton, &title.exitButton}));
    EXPECT_EQ(focused(title), &title.okButton);

    // Reading order (the languages one stop, in the row of Menu 1); the hidden entry 5 is
    // no stop.
    MainScreen& main = forms().show<MainScreen>();
    std::vector<Control*> order{&main.hideDesktop, &main.menuEntries(7), &main.menuEntries(0),
                                &main.languages(0)};
    for (int i = 1; i <= 4; ++i) order.push_back(&main.menuEntries(i));
    order.insert(order.end(), {&main.jotterButton, &main.menuEntries(6), &main.exitButton});
    EXPECT_EQ(main.keyboard().stops(), order);
    EXPECT_EQ(focused(main), &main.hideDesktop);

    // Menus: the enabled topics, the tabs, the exit button.
    TopicMenu& menu = forms().show<TopicMenu1>();
    order = {&menu.topics(1), &menu.topics(4)};
    for (int i = 0; i <= 4; ++i) order.push_back(&menu.tabs(i));
    order.push_back(&menu.exitButton);
    EXPECT_EQ(menu.keyboard().stops(), order);
    EXPECT_EQ(focused(menu), &menu.topics(1));

    // Healthy Living: the option group (one stop), the words by index, the buttons left to
    // right (Check Score still hidden).
    activityfiles::FileDragScreen& healthy = labelling_test::board("healthy");
    healthy.showOptions();
    order = {&healthy.passages(0)};
    for (int i = 0; i < 6; ++i) order.push_back(&healthy.words(i));
    order.insert(order.end(), {&healthy.commands(1), &healthy.commands(0)});
    EXPECT_EQ(healthy.keyboard().stops(), order);
    press(healthy, Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(focused(healthy), &healthy.passages(0)) << "Shift+Tab from the first word";
    press(healthy, Qt::Key_Backtab);
    EXPECT_EQ(focused(healthy), &healthy.commands(0)) << "round to Exit";
    press(healthy, Qt::Key_Tab);
    press(healthy, Qt::Key_Down);  // the next passage in place of this one
    settle();
    EXPECT_TRUE(forms().isLoaded("healthy#2") && !forms().isLoaded("healthy"));
}

TEST_F(KeyboardTest, TheRingComesWithAKeyAndGoesWithThePointerCoveringNothing) {
    MainScreen& main = forms().show<MainScreen>();
    settle();
    const QImage before = main.window()->grab().toImage();
    EXPECT_FALSE(main.keyboard().ringShown());
    press(main, Qt::Key_Tab);
    ASSERT_EQ(focused(main), &main.menuEntries(7));  // the Teachers' Guide
    ASSERT_TRUE(main.keyboard().ringShown());
    const QImage after = main.window()->grab().toImage();
    const QRect entry = main.menuEntries(7).widget()->geometry();
    EXPECT_EQ(after.copy(entry), before.copy(entry)) << "the entry itself is untouched";
    // Black line, then the white band of 3 pixels, then black again, outside the entry.
    const int y = entry.center().y();
    EXPECT_EQ(after.pixelColor(entry.left() - 1, y), QColor(Qt::black));
    EXPECT_EQ(after.pixelColor(entry.left() - 4, y), QColor(Qt::white));
    EXPECT_EQ(after.pixelColor(entry.right() + 5, y), QColor(Qt::black));

    real::click(main.notice);
    EXPECT_FALSE(main.keyboard().ringShown());
    EXPECT_EQ(main.window()->grab().toImage(), before);
}

TEST_F(KeyboardTest, FromTheTitleScreenToEveryActivityAndBackByKeys) {
    TitleScreen& title = forms().show<TitleScreen>();
    settle();
    press(title, Qt::Key_Return);
    settle();
    ASSERT_TRUE(forms().isLoaded<MainScreen>());
    MainScreen& main = forms().get<MainScreen>();
    for (int m = 0; m < 5; ++m) {
        tabTo(main, main.menuEntries(m));
        press(main, Qt::Key_Space);
        auto* menu = dynamic_cast<TopicMenu*>(forms().find(menus::kMenus[m].name));
        ASSERT_NE(menu, nullptr) << m;
        settle();
        for (int t = 0; t < 5; ++t) {
            const QString screen = menus::menuPage(m + 1, 0).slots[static_cast<size_t>(t)].screen;
            if (screen.isEmpty()) continue;
            tabTo(*menu, menu->topics(t));
            press(*menu, Qt::Key_Return);
            ASSERT_TRUE(forms().isLoaded(screen)) << qPrintable(screen);
            settle();
            press(*forms().find(screen), Qt::Key_Escape);
            settle();
            EXPECT_FALSE(forms().isLoaded(screen)) << qPrintable(screen);
            // The menu has the keyboard again, on the topic that opened the activity.
            EXPECT_EQ(QApplication::focusWidget(), menu->topics(t).widget()) << qPrintable(screen);
        }
        press(*menu, Qt::Key_Escape);
        settle();
        EXPECT_EQ(QApplication::focusWidget(), main.menuEntries(m).widget()) << m;
    }
    // Ctrl+J still opens the Jotter, whose buttons and swatches take the keys; Escape shuts it.
    press(main, Qt::Key_J, Qt::ControlModifier);
    ASSERT_TRUE(forms().isLoaded<Jotter>());
    Jotter& jotter = forms().get<Jotter>();
    settle();
    EXPECT_EQ(focused(jotter), &jotter.exitButton);
    tabTo(jotter, jotter.swatches(0));
    press(jotter, Qt::Key_Right);
    press(jotter, Qt::Key_Space);
    EXPECT_EQ(jotter.penColour, kStandard16[1]);
    tabTo(jotter, jotter.flipButton);
    press(jotter, Qt::Key_Return);
    EXPECT_EQ(focused(jotter), &jotter.portraitFlipButton) << "the Flip of the other toolbar";
    press(jotter, Qt::Key_Escape);
    settle();
    EXPECT_FALSE(forms().isLoaded<Jotter>());
    EXPECT_EQ(QApplication::focusWidget(), main.menuEntries(4).widget());

    press(main, Qt::Key_Escape);  // the main screen's Exit: the title screen, with Cancel
    settle();
    ASSERT_TRUE(forms().isLoaded<TitleScreen>());
    press(forms().get<TitleScreen>(), Qt::Key_Escape);
    EXPECT_EQ(fake->endCalls, 0) << "Escape never ends the program";
    EXPECT_TRUE(forms().isLoaded<TitleScreen>());
}

TEST_F(KeyboardTest, EveryLabellingScreenToFullMarksByKeysThenAWrongDrop) {
    fake->screenReader = true;
    for (const char* name : {"boneslab", "puberty", "healthy"}) {
        SCOPED_TRACE(name);
        auto& s = dynamic_cast<LabellingScreen&>(*forms().show(name));
        const int n = s.wordCount();
        fake->told.clear();
        for (int i = 0; i < n; ++i) {
            ASSERT_EQ(focused(s), &s.words(i));
            const QPointF home(s.words(i).Left(), s.words(i).Top());
            press(s, Qt::Key_Return);  // picked up, over box 0
            for (int k = 0; k < i; ++k) press(s, Qt::Key_Tab);
            EXPECT_EQ(s.words(i).widget()->geometry(), s.targets(i).widget()->geometry());
            EXPECT_EQ(QPointF(s.words(i).Left(), s.words(i).Top()), home) << "only shown there";
            press(s, Qt::Key_Space);
            EXPECT_TRUE(s.isOn(i, i)) << i;
            press(s, Qt::Key_Tab);  // the next word, after the last Start Again
        }
        EXPECT_EQ(focused(s), &s.commands(1));
        press(s, Qt::Key_Tab);
        ASSERT_EQ(focused(s), &s.commands(2)) << "Check Score shown by the last drop";
        press(s, Qt::Key_Return);
        EXPECT_EQ(s.scoreText.Caption(), QString("%1 out of %1 correct").arg(n));
        if (QString(name) == "boneslab") {
            const std::pair<QAccessible::Event, QString> expected[] = {
                {QAccessible::DescriptionChanged, "Skull, picked up"},
                {QAccessible::DescriptionChanged, "Skull, over box 2"},
                {QAccessible::DescriptionChanged, "Skull, on box 2"},
                {QAccessible::NameChanged, "8 out of 8 correct"}};
            for (const auto& e : expected)
                EXPECT_NE(std::find(fake->told.begin(), fake->told.end(), e), fake->told.end())
                    << e.second.toStdString();
        }

        // Escape puts a held word back and changes nothing; then the first word goes onto
        // the second box.
        tabTo(s, s.words(0));
        press(s, Qt::Key_Return);
        press(s, Qt::Key_Down);
        press(s, Qt::Key_Escape);
        EXPECT_EQ(s.heldWord(), -1);
        EXPECT_TRUE(s.isOn(0, 0));
        EXPECT_EQ(s.words(0).widget()->geometry(), s.targets(0).widget()->geometry());
        EXPECT_TRUE(s.scoreText.Visible());
        press(s, Qt::Key_Return);
        press(s, Qt::Key_Down);
        press(s, Qt::Key_Return);
        EXPECT_TRUE(s.isOn(0, 1));
        EXPECT_FALSE(s.scoreText.Visible()) << "a drop hides the score as a drag does";
        tabTo(s, s.commands(2));
        press(s, Qt::Key_Return);
        EXPECT_EQ(s.scoreText.Caption(), QString("%1 out of %2 correct").arg(n - 1).arg(n));
        forms().clear();
        settle();
    }
}

TEST_F(KeyboardTest, EveryQuestionScreenAnsweredWrongThenRightByKeys) {
    using activityfiles::FileQuestionsScreen;
    const auto magnets = [this](Form* form) {
        auto& m = dynamic_cast<FileQuestionsScreen&>(*form);
        answer(m, m.answerButtons, (m.rightAnswer + 1) % 3);
        EXPECT_TRUE(m.messages(0).Visible());
        EXPECT_FALSE(m.messages(2).Visible());
        answer(m, m.answerButtons, m.rightAnswer);
        EXPECT_TRUE(m.messages(2).Visible());
        forms().clear();
    };
    magnets(forms().show("magnets"));
    magnets(forms().show("magnets2"));

    auto& c = dynamic_cast<FileQuestionsScreen&>(*forms().show("circuits"));
    answer(c, c.answerButtons, 1 - c.rightAnswer);
    EXPECT_EQ(c.messages(2).Caption(), "Wrong, Try Again");
    answer(c, c.answerButtons, c.rightAnswer);
    EXPECT_EQ(c.messages(2).Caption(), questions::kWellDone);
    EXPECT_TRUE(c.flashTimer.Enabled());
    forms().clear();

    auto& r = dynamic_cast<activityfiles::FileTrueFalseScreen&>(*forms().show("repro"));
    const int right = r.rightAnswers[r.questionNumber];
    answer(r, r.answerButtons, 1 - right);
    EXPECT_EQ(r.messages(1).Caption(), "Wrong, Try Again.");
    answer(r, r.answerButtons, right);
    EXPECT_EQ(r.messages(1).Caption(), "Correct, Well Done!");
}

TEST_F(KeyboardTest, ScrambledWordsCategoriesByArrowsRefusedWhileBusy) {
    ScrambledWordsScreen& s = forms().show<ScrambledWordsScreen>();
    ASSERT_EQ(focused(s), &s.categories(0));
    s.loadTimer.fire();  // category 0 is drawn; the tiles are still to be laid out
    ASSERT_TRUE(s.busy());
    press(s, Qt::Key_Down);
    EXPECT_EQ(s.category, 0);
    EXPECT_TRUE(s.categories(0).Value());
    EXPECT_FALSE(s.categories(1).Value());
    EXPECT_EQ(focused(s), &s.categories(0)) << "the focus stays with the choice";

    s.layoutTimer.fire();
    press(s, Qt::Key_Down);
    EXPECT_EQ(s.category, 1);
    EXPECT_TRUE(s.categories(1).Value());
    EXPECT_EQ(focused(s), &s.categories(1));
    s.layoutTimer.fire();

    // Letters do nothing: the game is read, not typed. Show Answer sends the letters flying.
    const QString shown = s.scrambledTiles(0).Caption();
    press(s, Qt::Key_A);
    press(s, Qt::Key_E);
    EXPECT_EQ(s.scrambledTiles(0).Caption(), shown);
    tabTo(s, s.commands(2));
    press(s, Qt::Key_Return);
    EXPECT_TRUE(s.flightTimer.Enabled());
}
