// One drag move on each labelling screen: a real mouse move delivered to the dragged word,
// and the repaint it causes, over the busiest part of the screen (the skeleton, the
// columns, the passage). Run from the run folder (make bench) so the skeleton is found.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>

#include "activities/labelling/labellingscreen.h"
#include "ui/formregistry.h"

namespace {

void dragMove(benchmark::State& state, const char* name, QPoint from, QPoint to) {
    ui::forms().show("intro0");
    auto& screen = dynamic_cast<LabellingScreen&>(*ui::forms().show(name));
    QApplication::processEvents();
    QWidget* window = screen.window();
    QWidget* word = screen.words(0).widget();
    bool back = false;
    for (auto _ : state) {
        const QPoint at = back ? from : to;
        back = !back;
        QMouseEvent move(QEvent::MouseMove, word->mapFrom(window, at), window->mapToGlobal(at),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(word, &move);
        QApplication::processEvents();  // the repaint of where the word was and now is
    }
    ui::forms().clear();
}

}  // namespace

BENCHMARK_CAPTURE(dragMove, TheSkeleton, "boneslab", QPoint(500, 150), QPoint(540, 175));
BENCHMARK_CAPTURE(dragMove, Puberty, "puberty", QPoint(450, 120), QPoint(490, 145));
BENCHMARK_CAPTURE(dragMove, HealthyLiving, "healthy", QPoint(300, 250), QPoint(340, 275));
