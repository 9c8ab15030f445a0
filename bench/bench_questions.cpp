// One tick of the flashing right answer button, with the repaint it causes: it must stay
// far below the 250 ms (circuits) and 200 ms (repro) of a phase.
#include <benchmark/benchmark.h>

#include <QImage>

#include "activities/files/filescreens.h"
#include "ui/formregistry.h"

namespace {

void paint(const ui::Control& c) {
    QImage image(c.widget()->size(), QImage::Format_RGB32);
    c.widget()->render(&image);
    benchmark::DoNotOptimize(image.bits());
}

void circuitsFlashTick(benchmark::State& state) {
    auto& c = dynamic_cast<activityfiles::FileQuestionsScreen&>(*ui::forms().show("circuits"));
    c.commandClicked(c.commandIndex(questions::Command::Answer));
    for (auto _ : state) {
        c.flashTimer.fire();
        paint(c.answerButtons(c.rightAnswer));
    }
    ui::forms().clear();
}

void reproFlashTick(benchmark::State& state) {
    auto& r = dynamic_cast<activityfiles::FileTrueFalseScreen&>(*ui::forms().show("repro"));
    r.commandClicked(r.commandIndex(questions::Command::Answer));
    for (auto _ : state) {
        r.flashTimer.fire();
        paint(r.answerButtons(r.rightAnswers[r.questionNumber]));
    }
    ui::forms().clear();
}

}  // namespace

BENCHMARK(circuitsFlashTick);
BENCHMARK(reproFlashTick);
