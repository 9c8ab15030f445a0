#include "maker/labellingform.h"

#include <QLabel>
#include <QVBoxLayout>

#include "maker/labelcanvas.h"
#include "maker/picturefield.h"

namespace maker {

void LabellingForm::build(QVBoxLayout* layout) {
    picture = new PictureField(
        context_, binder(), {"picture"}, [](const Document& d) { return d.picture; },
        [](Document& d, const QString& p) { d.picture = p; });
    layout->addWidget(picture);
    auto* help = new QLabel(
        "Click on the picture where a label's line should point, then type its word. Drag a "
        "box or a line's end to move it; Delete removes the label chosen; the arrow keys nudge "
        "it (with Shift, ten times as far); Tab goes to the next label.");
    help->setWordWrap(true);
    layout->addWidget(help);
    canvas = new LabelCanvas(context_);
    binder().follow(canvas, [c = canvas](const Document&) { c->refresh(); });
    layout->addWidget(canvas, 1);
}

bool LabellingForm::reveal(const FieldRef& field) {
    if (field.entry < 0) return FormPart::reveal(field);
    canvas->setFocus();
    canvas->select(field.entry);
    return true;
}

void LabellingForm::showProblemsOn(const std::vector<FieldProblem>& problems) {
    std::vector<int> labels;
    for (const FieldProblem& p : problems)
        if (p.field.entry >= 0) labels.push_back(p.field.entry);
    canvas->flag(std::move(labels));
}

}  // namespace maker
