#include "maker/labellingform.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "maker/editsession.h"
#include "maker/entryform.h"
#include "maker/labelcanvas.h"
#include "maker/picturefield.h"

namespace maker {

void LabellingForm::build(QVBoxLayout* layout) {
    picture = new PictureField(
        context_, binder(), {"picture"}, QString(), [](const Document& d) { return d.picture; },
        [](Document& d, const QString& p) { d.picture = p; });
    layout->addWidget(picture);
    auto* help = new QLabel(
        tr("Click on the picture where a label's line should point, then type its word. Drag a "
           "box or a line's end to move it; Delete removes the label chosen; the arrow keys "
           "nudge it (with Shift, ten times as far); Tab goes to the next label. The order of "
           "the labels does not matter: pupils get them in a new order each time."));
    help->setWordWrap(true);
    layout->addWidget(help);
    if (context_.session.translating()) {
        help->hide();
        buildWords(layout);
        return;
    }
    canvas = new LabelCanvas(context_);
    binder().follow(canvas, [c = canvas](const Document&) { c->refresh(); });
    layout->addWidget(canvas, 1);

    // The label chosen on the picture: how Read Aloud says its word.
    spoken = newSpokenAs("labelSay", tr("The label chosen"));
    connect(spoken, &QLineEdit::textEdited, this, [this](const QString& t) {
        const int i = canvas->selected();
        if (i < 0) return;
        context_.session.edit({"say", i}, [&](Document& d) { d.labels[i].say = t; });
    });
    const auto showSpoken = [this] {
        const int i = canvas->selected();
        const auto& labels = document().labels;
        const bool chosen = i >= 0 && i < static_cast<int>(labels.size());
        const QString say = chosen ? labels[i].say : QString();
        if (spoken->text() != say) spoken->setText(say);
        spoken->setEnabled(chosen);
    };
    connect(canvas, &LabelCanvas::selectionChanged, spoken, showSpoken);
    binder().follow(spoken, [showSpoken](const Document&) { showSpoken(); });
    auto* line = new QHBoxLayout;
    auto* caption = new QLabel(tr("The label chosen is read &aloud as:"));
    caption->setBuddy(spoken);
    line->addWidget(caption);
    line->addWidget(spoken, 1);
    layout->addLayout(line);
}

void LabellingForm::buildWords(QVBoxLayout* layout) {
    for (int i = 0; i < static_cast<int>(document().labels.size()); ++i) {
        auto* line = new QHBoxLayout;
        const QString n = QString::number(i + 1);
        const QString name = tr("Word of label %1").arg(n);
        QLineEdit* word = newLineEdit("labelWord" + n, name);
        word->setAccessibleName(name);
        binder().line(
            word, {"word", i}, [i](const Document& d) { return d.labels[i].word; },
            [i](Document& d, const QString& t) { d.labels[i].word = t; });
        QLineEdit* say = newSpokenAs("labelSay" + n, name);
        binder().line(
            say, {"say", i}, [i](const Document& d) { return d.labels[i].say; },
            [i](Document& d, const QString& t) { d.labels[i].say = t; });
        line->addWidget(word, 3);
        line->addWidget(say, 2);
        layout->addLayout(line);
    }
}

bool LabellingForm::reveal(const FieldRef& field) {
    if (field.entry < 0 || !canvas) return FormPart::reveal(field);
    canvas->setFocus();
    canvas->select(field.entry);
    return true;
}

void LabellingForm::showProblemsOn(const std::vector<FieldProblem>& problems) {
    if (!canvas) return;
    std::vector<int> labels;
    for (const FieldProblem& p : problems)
        if (p.field.entry >= 0) labels.push_back(p.field.entry);
    canvas->flag(std::move(labels));
}

}  // namespace maker
