#include "maker/commonfields.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <algorithm>

#include "maker/editsession.h"
#include "maker/placepicker.h"

namespace maker {

namespace {

QLineEdit* lineEdit(const char* name, const QString& placeholder) {
    auto* edit = new QLineEdit;
    edit->setObjectName(name);
    edit->setPlaceholderText(placeholder);
    return edit;
}

// What a screen laid out by hand keeps that the form does not edit, in her words; empty for
// an activity of her own.
QString keptAsMade(const Document& d) {
    const ByHand& h = d.byHand;
    QStringList kept;
    if (h.layout) kept << CommonFields::tr("where everything stands on its screen");
    if (h.background) kept << CommonFields::tr("its screen's colour");
    if (!h.sections.empty()) kept << CommonFields::tr("its %1 sections").arg(h.sections.size());
    if (!h.backdrop.isEmpty()) kept << CommonFields::tr("the picture behind its questions");
    if (std::any_of(d.questions.begin(), d.questions.end(),
                    [](const Question& q) { return !q.after.isEmpty(); }))
        kept << CommonFields::tr("the picture shown after an answer");
    if (!h.wrong.isEmpty()) kept << CommonFields::tr("what a wrong answer says");
    if (h.flash) kept << CommonFields::tr("the flashing of the right answer");
    if (!h.describe.empty()) kept << CommonFields::tr("what its pictures show, for screen readers");
    if (kept.isEmpty()) return {};
    //: %1 lists what is kept, separated by commas
    return CommonFields::tr("Kept as it was made (the Maker does not change these): %1.")
        .arg(kept.join(CommonFields::tr(", ")));
}

}  // namespace

QString CommonFields::shape(const Document&) const {
    return "common";  // the places change with the menu, in place
}

void CommonFields::build(QVBoxLayout* layout) {
    auto* form = new QFormLayout;
    layout->addLayout(form);
    FieldBinder& b = binder();

    auto* title = lineEdit("title", tr("Shown in the title bar of the pupils' window"));
    b.line(
        title, {"title"}, [](const Document& d) { return d.title; },
        [](Document& d, const QString& t) { d.title = t; });
    form->addRow(tr("&Window title:"), title);

    auto* topic = lineEdit("topic", tr("The words on its button in the menu"));
    b.line(
        topic, {"topic"}, [](const Document& d) { return d.topic; },
        [](Document& d, const QString& t) { d.topic = t; });
    form->addRow(tr("&Name in the menu:"), topic);

    auto* where = new QComboBox;
    where->setObjectName("where");
    where->setAccessibleName(tr("Where it goes"));
    where->addItem(tr("Our Activities"));
    for (int m = 1; m <= 5; ++m) where->addItem(tr("In place of a topic of Menu %1").arg(m));
    b.choice(
        where, {"menu"}, [](const Document& d) { return d.menu; },
        [](Document& d, const int& m) { d.menu = m; });
    form->addRow(tr("&Where it goes:"), where);
    // The places of the menu chosen; another menu's replace them, while the focus stays.
    auto* places = new QWidget;
    auto* column = new QVBoxLayout(places);
    column->setContentsMargins(0, 0, 0, 0);
    auto shown = std::make_shared<int>(-1);
    b.follow(places, [this, column, shown](const Document& d) {
        if (*shown != d.menu) {
            *shown = d.menu;
            if (QLayoutItem* old = column->takeAt(0)) {
                old->widget()->hide();
                old->widget()->deleteLater();
                delete old;
            }
            if (d.menu > 0) column->addWidget(new PlacePicker(context_, d.menu));
        }
        if (auto* picker = static_cast<PlacePicker*>(column->itemAt(0) ? column->itemAt(0)->widget()
                                                                       : nullptr))
            picker->showTopic(d.topic);
    });
    form->addRow(QString(), places);

    auto* instruction = lineEdit("instruction", tr("What the pupils are asked to do"));
    b.line(
        instruction, {"instruction"}, [](const Document& d) { return d.instruction; },
        [](Document& d, const QString& t) { d.instruction = t; });
    form->addRow(tr("&Instruction:"), instruction);

    auto* kept = new QLabel;
    kept->setObjectName("keptAsMade");
    kept->setWordWrap(true);
    b.follow(kept, [kept](const Document& d) {
        kept->setText(keptAsMade(d));
        kept->setVisible(!kept->text().isEmpty());
    });
    form->addRow(QString(), kept);
}

}  // namespace maker
