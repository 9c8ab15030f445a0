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
        context_, binder(), {"picture"}, [](const Document& d) { return d.picture; },
        [](Document& d, const QString& p) { d.picture = p; }, true));
}

void TrueFalseForm::buildEntry(int i, QGroupBox* box) {
    auto* line = new QHBoxLayout(box);
    const QString n = QString::number(i + 1);
    auto* text = newLineEdit("statement" + n, "A statement, true or false");
    binder().line(
        text, {"text", i}, [i](const Document& d) { return d.statements[i].text; },
        [i](Document& d, const QString& t) { d.statements[i].text = t; });
    auto* say = newSpokenAs("say" + n);
    binder().line(
        say, {"say", i}, [i](const Document& d) { return d.statements[i].say; },
        [i](Document& d, const QString& t) { d.statements[i].say = t; });
    auto* group = new QButtonGroup(box);
    auto* truth = new QHBoxLayout;
    truth->addWidget(text, 3);
    truth->addWidget(say, 2);
    for (const bool value : {true, false}) {
        auto* button = new QRadioButton(value ? "True" : "False");
        button->setObjectName((value ? "true" : "false") + n);
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
