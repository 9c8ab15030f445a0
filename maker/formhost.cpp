#include "maker/formhost.h"

#include <QVBoxLayout>

#include "maker/commonfields.h"
#include "maker/editsession.h"
#include "maker/labellingform.h"
#include "maker/passageform.h"
#include "maker/problemcheck.h"
#include "maker/questionsform.h"
#include "maker/sortingform.h"
#include "maker/truefalseform.h"

namespace maker {

namespace {

FormPart* formFor(Kind kind, Context& context) {
    switch (kind) {
        case Kind::Labelling:
            return new LabellingForm(context);
        case Kind::Sorting:
            return new SortingForm(context);
        case Kind::Passage:
            return new PassageForm(context);
        case Kind::Questions:
            return new QuestionsForm(context);
        case Kind::TrueFalse:
            return new TrueFalseForm(context);
    }
    return nullptr;
}

}  // namespace

FormHost::FormHost(Context& context, QWidget* parent) : QScrollArea(parent), context_(context) {
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    setAccessibleName(tr("The activity"));
    // A field with a problem is outlined, whatever the desktop's style.
    setStyleSheet("*[problem=\"true\"] { border: 2px solid #c80000; }");
}

void FormHost::rebuild() {
    delete takeWidget();
    common = kind = nullptr;
    if (!context_.session.isOpen()) return;
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    common = new CommonFields(context_);
    kind = formFor(context_.session.document().kind, context_);
    layout->addWidget(common);
    layout->addWidget(kind, 1);
    setWidget(page);
    refresh();
}

void FormHost::refresh() {
    if (!common) return;
    common->refresh();
    kind->refresh();
}

void FormHost::showProblems() {
    if (!common) return;
    common->showProblems(context_.check.problems());
    kind->showProblems(context_.check.problems());
}

bool FormHost::reveal(const FieldRef& field) {
    return common && (common->reveal(field) || kind->reveal(field));
}

}  // namespace maker
