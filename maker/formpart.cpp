#include "maker/formpart.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QScrollArea>
#include <QVBoxLayout>

#include "maker/editsession.h"

namespace maker {

FormPart::FormPart(Context& context) : context_(context), binder_(context.session) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

const Document& FormPart::document() const {
    return context_.session.document();
}

QString FormPart::shape(const Document& d) const {
    return QString::number(d.entryCount());
}

void FormPart::refresh() {
    const QString now = shape(document());
    if (built_ && now == builtShape_) {
        binder_.sync();
        body_->setEnabled(!context_.session.readOnly());
        return;
    }
    // A row's own button may have asked for this: its widgets go once it has returned.
    binder_.clear();
    if (body_) {
        body_->hide();
        body_->deleteLater();
    }
    body_ = new QWidget(this);
    auto* layout = new QVBoxLayout(body_);
    layout->setContentsMargins(0, 0, 0, 0);
    build(layout);
    layout->addStretch();
    if (context_.session.translating()) showAsTranslation();
    static_cast<QVBoxLayout*>(this->layout())->addWidget(body_);
    body_->show();  // now, so that the focus can go into it
    body_->setEnabled(!context_.session.readOnly());
    builtShape_ = now;
    built_ = true;
}

void FormPart::showAsTranslation() {
    binder_.showOriginals(context_.session.original());
    // Only the texts are translated: what the activity is stays as it was made.
    for (QWidget* w : body_->findChildren<QWidget*>())
        if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) ||
            qobject_cast<QAbstractSpinBox*>(w))
            w->setEnabled(false);
}

void FormPart::showProblems(const std::vector<FieldProblem>& problems) {
    binder_.mark(problems);
    showProblemsOn(problems);
}

bool FormPart::reveal(const FieldRef& field) {
    QWidget* w = binder_.widgetFor(field);
    if (!w && field.entry >= 0) w = binder_.widgetFor({"[[]]", field.entry});
    if (!w) return false;
    w->setFocus(Qt::OtherFocusReason);
    for (QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (auto* scroll = qobject_cast<QScrollArea*>(p)) {
            scroll->ensureWidgetVisible(w);
            break;
        }
    return true;
}

}  // namespace maker
