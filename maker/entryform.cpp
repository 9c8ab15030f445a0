#include "maker/entryform.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "maker/editsession.h"

namespace maker {

QLineEdit* newLineEdit(const QString& objectName, const QString& placeholder) {
    auto* edit = new QLineEdit;
    edit->setObjectName(objectName);
    edit->setPlaceholderText(placeholder);
    return edit;
}

QLineEdit* newSpokenAs(const QString& objectName, const QString& whose) {
    const QString placeholder = EntryForm::tr("Read aloud as (leave empty to read it as written)");
    QLineEdit* edit = newLineEdit(objectName, placeholder);
    // Wide enough for its placeholder, which is all it says until she types.
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(placeholder) +
                          edit->fontMetrics().averageCharWidth() * 3);
    edit->setAccessibleName(EntryForm::tr("%1 read aloud as").arg(whose));
    edit->setToolTip(
        EntryForm::tr("How Read Aloud says it, when that differs from how it is written: "
                      "\"H two O\" for H2O. Leave it empty to have the text read as it is."));
    return edit;
}

EntryForm::EntryForm(Context& context, QString entryName, QString addCaption)
    : FormPart(context), entryName_(std::move(entryName)), addCaption_(std::move(addCaption)) {}

QString EntryForm::entryTitle(int i) const {
    //: An entry of the form and its number: "Question 2"
    return tr("%1 %2").arg(entryName_, QString::number(i + 1));
}

void EntryForm::build(QVBoxLayout* layout) {
    buildHead(layout);
    const int count = document().entryCount();
    for (int i = 0; i < count; ++i) {
        auto* box = new QGroupBox(entryTitle(i));
        box->setObjectName(QString("entry%1").arg(i + 1));
        buildEntry(i, box);
        binder().stand(box, {"[[]]", i});
        auto* remove = new QPushButton(tr("Remove"));
        remove->setObjectName(QString("remove%1").arg(i + 1));
        remove->setAccessibleName(tr("Remove %1").arg(entryTitle(i).toLower()));
        remove->setEnabled(count > 1);  // the last one is emptied, not removed
        connect(remove, &QPushButton::clicked, this,
                [this, i] { context_.session.edit({}, [i](Document& d) { removeEntry(d, i); }); });
        if (auto* across = qobject_cast<QHBoxLayout*>(box->layout())) {
            across->addWidget(remove);
        } else if (auto* rows = qobject_cast<QBoxLayout*>(box->layout())) {
            auto* line = new QHBoxLayout;
            line->addStretch();
            line->addWidget(remove);
            rows->addLayout(line);
        }
        layout->addWidget(box);
    }
    auto* add = new QPushButton(addCaption_);
    add->setObjectName("add");
    connect(add, &QPushButton::clicked, this, [this] {
        context_.session.edit({}, [](Document& d) { appendEntry(d); });
        // Typing goes on in the entry just added.
        if (QWidget* first = binder().widgetFor({"text", document().entryCount() - 1}))
            first->setFocus();
    });
    auto* line = new QHBoxLayout;
    line->addWidget(add);
    line->addStretch();
    layout->addLayout(line);
}

}  // namespace maker
