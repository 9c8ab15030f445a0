// Reading aloud through a recording voice: the main screen's box, the voice's start and its
// deadline, the speaker buttons, and what each kind of screen reads and when.
#include "speech/readaloud.h"

#include "activities/files/filescreens.h"
#include "activities/labelling/healthylivingscreen.h"
#include "activities/labelling/skeletonscreen.h"
#include "activities/wordgame/scrambledwordsscreen.h"
#include "app/mainscreen.h"
#include "speech/recordingvoice.h"
#include "tests/support/mouse.h"
#include "tests/support/screentest.h"
#include "ui/line.h"

using namespace ui;

class ReadAloudTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        auto v = std::make_unique<speech::RecordingVoice>();
        voice = v.get();
        speech::installVoice(std::move(v));
    }
    MainScreen& tick() {
        MainScreen& main = forms().show<MainScreen>();
        real::click(main.readAloud);
        return main;
    }
    speech::RecordingVoice* voice = nullptr;
};

TEST_F(ReadAloudTest, TheBoxStartsTheVoiceOnlyWhenFirstTickedAndItsFirstWordsWait) {
    voice->answersAtOnce = false;
    MainScreen& main = forms().show<MainScreen>();
    EXPECT_EQ(main.readAloud.Value(), 0);
    EXPECT_TRUE(main.readAloud.Enabled());
    EXPECT_FALSE(main.readAloudReason.Visible());
    EXPECT_EQ(voice->starts, 0);
    for (int i = 0; i < 3; ++i) real::click(main.readAloud);
    EXPECT_EQ(voice->starts, 1);
    EXPECT_TRUE(speech::isReading());
    speech::say("first");
    speech::say("second");
    voice->ready();
    EXPECT_EQ(voice->said, QStringList{"second"}) << "only the last text waits";
    // Kept for the run: the main screen made again shows it ticked.
    forms().unload(main);
    settle();
    EXPECT_EQ(forms().show<MainScreen>().readAloud.Value(), 1);
}

TEST_F(ReadAloudTest, AVoiceNotReadyInTimeUnticksAndGreysTheBoxForGood) {
    voice->answersAtOnce = false;
    MainScreen& main = tick();
    SkeletonScreen& s = forms().show<SkeletonScreen>();
    s.speaker.read();  // waits for the voice, as does only the last text
    s.commandClicked(2);
    EXPECT_TRUE(voice->said.isEmpty());
    speech::giveUpStarting();
    voice->ready();  // too late
    EXPECT_EQ(main.readAloud.Value(), 0);
    EXPECT_FALSE(main.readAloud.Enabled());
    EXPECT_EQ(main.readAloudReason.Caption(), "The speech service did not answer");
    EXPECT_TRUE(main.readAloudReason.Visible());
    EXPECT_FALSE(s.speaker.Visible());
    real::click(main.readAloud);
    EXPECT_FALSE(speech::isReading());
    EXPECT_TRUE(voice->said.isEmpty());
}

TEST_F(ReadAloudTest, WithoutASpeechServiceTheBoxIsGreyedWithItsReason) {
    voice->installed = false;
    MainScreen& main = tick();
    EXPECT_FALSE(main.readAloud.Enabled());
    EXPECT_EQ(main.readAloud.Value(), 0);
    EXPECT_EQ(main.readAloudReason.Caption(), "No speech service installed");
    EXPECT_EQ(voice->starts, 0);
}

TEST_F(ReadAloudTest, LabellingReadsTheInstructionAWordPickedUpAndTheScore) {
    SkeletonScreen& s = forms().show<SkeletonScreen>();
    EXPECT_FALSE(s.speaker.Visible());
    real::press(s.window(), real::centreOf(s.words(1)));
    s.commandClicked(2);
    EXPECT_TRUE(voice->said.isEmpty()) << "nothing while unticked";
    real::release(s.window(), real::centreOf(s.words(1)));

    tick();
    EXPECT_TRUE(s.speaker.Visible());
    real::click(s.speaker);
    real::drag(s.words(0), real::centreOf(s.words(0)) + QPoint(60, 0));  // read once, as it goes
    real::press(s.window(), real::centreOf(s.words(1)));                 // a tap
    real::release(s.window(), real::centreOf(s.words(1)));
    s.onKey(&s.words(1), Key::Escape);
    s.onKey(&s.words(2), Key::Activate);
    s.commandClicked(2);
    EXPECT_EQ(voice->said,
              (QStringList{"Match these labels to the correct bones.", s.words(0).Caption(),
                           s.words(1).Caption(), s.words(2).Caption(), "0 out of 8 correct"}));
    real::click(forms().get<MainScreen>().readAloud);
    EXPECT_FALSE(s.speaker.Visible());
    EXPECT_EQ(voice->stops, 1);
}

// A passage with each gap as "blank", a question with its answers, a statement with true and
// false, each with its feedback when shown; Scrambled Words' word once the last letter lands.
TEST_F(ReadAloudTest, EachKindOfScreenReadsItsTextAndItsFeedback) {
    tick();
    forms().show<HealthyLivingScreen>().speaker.read();
    ASSERT_EQ(voice->said.size(), 1);
    EXPECT_TRUE(
        voice->said[0].startsWith("Drag and drop the words to complete the sentences "
                                  "below. People smoke blank in cigarettes"))
        << voice->said[0].toStdString();
    EXPECT_TRUE(voice->said[0].endsWith("breathing problems and blank ."));

    voice->said.clear();
    fake->draws = {0.5 / 8};
    auto& magnets = dynamic_cast<activityfiles::FileQuestionsScreen&>(*forms().show("magnets"));
    magnets.speaker.read();
    magnets.answerClicked(magnets.rightAnswer == 0 ? 1 : 0);
    magnets.answerClicked(magnets.rightAnswer);
    EXPECT_EQ(voice->said, (QStringList{magnets.messages(1).Caption().simplified() +
                                            " Attract. Repel. No Force.",
                                        magnets.messages(0).Caption(), "Correct!  Well Done"}));

    voice->said.clear();
    auto& plants = dynamic_cast<activityfiles::FileTrueFalseScreen&>(*forms().show("repro"));
    plants.speaker.read();
    plants.answerClicked(plants.rightAnswers[plants.questionNumber]);
    EXPECT_EQ(voice->said,
              (QStringList{"Is the statement below true or false? Click the correct button. " +
                               plants.statement[plants.questionNumber] + " TRUE. FALSE.",
                           "Correct, Well Done!"}));

    voice->said.clear();
    ScrambledWordsScreen& s = forms().show<ScrambledWordsScreen>();
    passTime(2);
    s.commandClicked(2);
    for (int ticks = 0; s.flightTimer.Enabled() && ticks < 10000; ++ticks) {
        ASSERT_TRUE(voice->said.isEmpty()) << "read before the last letter landed";
        s.flightTimer.fire();
    }
    EXPECT_EQ(voice->said, QStringList{s.wordlist[s.wordNumber]});
}

TEST_F(ReadAloudTest, TheBoxItsReasonAndEverySpeakerButtonLieClearOfTheOtherControls) {
    const auto expectClear = [](const Form& form, const Control& mine) {
        const QRectF r(mine.Left(), mine.Top(), mine.Width(), mine.Height());
        EXPECT_TRUE(mine.Visible()) << mine.name().toStdString();
        EXPECT_TRUE(QRectF(0, 0, form.ScaleWidth(), form.ScaleHeight()).contains(r));
        for (const Control* c : form.controls()) {
            if (c == &mine || !c->Visible() || dynamic_cast<const Line*>(c)) continue;
            EXPECT_FALSE(r.intersects({c->Left(), c->Top(), c->Width(), c->Height()}))
                << form.name().toStdString() << ": " << mine.name().toStdString() << " over "
                << c->name().toStdString() << "(" << c->index() << ")";
        }
    };
    voice->answersAtOnce = false;
    MainScreen& main = tick();  // the buttons show while the voice starts
    for (const char* name : {"boneslab", "puberty", "healthy", "magnets", "magnets2", "circuits",
                             "repro", "scramble"}) {
        Form& form = *forms().show(name);
        passTime(5);
        expectClear(form, *form.findControl("cmdspeak"));
    }
    speech::giveUpStarting();
    expectClear(main, main.readAloud);
    expectClear(main, main.readAloudReason);
}
