#pragma once
// The fixture of the question screens: questions drawn by scripted draws, asked through the
// screen's own New Question, and the pictures their slots show.
#include "activities/questions/questionscreen.h"
#include "tests/support/screentest.h"
#include "ui/pictures.h"

class QuestionTest : public ScreenTest {
  protected:
    explicit QuestionTest(int questions) : questions_(questions) {}

    // The draw that gives question q.
    double drawFor(int q) const { return (q + 0.5) / questions_; }

    // The screen of that name, its first question q.
    template <class S>
    S& openOn(const char* name, int q) {
        fake->draws = {drawFor(q)};
        return dynamic_cast<S&>(*ui::forms().show(name));
    }

    // New Question draws once over the questions other than the one showing.
    template <class S>
    void ask(S& s, int q) {
        ASSERT_NE(s.questionNumber, q) << "New Question never asks the question showing";
        const int other = q < s.questionNumber ? q : q - 1;
        fake->draws = {(other + 0.5) / (questions_ - 1)};
        s.commandClicked(s.commandIndex(questions::Command::NewQuestion));
        ASSERT_EQ(s.questionNumber, q);
    }

    static bool shows(const ui::PictureBox& slot, const QString& file) {
        const auto expected = ui::LoadPicture(file);
        return expected && !slot.picture().isNull() &&
               slot.picture().toImage() == expected->toImage();
    }

  private:
    const int questions_;
};
