#include "maker/truefalseform.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>

#include "maker/editsession.h"
#include "maker/picturefield.h"

namespace maker {

void TrueFalseForm::buildHead(QVBoxLayout* layout) {
    layout->addWidget(new PictureField(
        context_, binder(), {"picture"}, QString(), [](const Document& d) { return d.picture; },
        [](Document& d, const QString& p) { d.picture = p; }, true));
}

void TrueFalseForm::buildEntry(int i, QGroupBox* box) {
    auto* line = new QHBoxLayout(box);
    const QString n = QString::number(i + 1);
    auto* group = new QButtonGroup(box);
    auto* truth = new QHBoxLayout;
    addTextAndSpokenAs(truth, &Document::statements, i, "statement",
                       tr("A statement, true or false"));
    for (const bool value : {true, false}) {
        auto* button = new QRadioButton(value ? tr("True") : tr("False"));
        button->setObjectName((value ? "true" : "false") + n);
        button->setAccessibleName(value ? tr("Statement %1 is true").arg(n)
                                        : tr("Statement %1 is false").arg(n));
        group->addButton(button);
        binder().toggle(
            button, {"true", i},
            [i, value](const Document& d) { return d.statements[i].isTrue == value; },
            [i, value](Document& d, const bool& on) {
                if (on) d.statements[i].isTrue = value;
            });
        truth->addWidget(button);
    }
    line->addLayout(truth, 1);
}

}  // namespace maker
