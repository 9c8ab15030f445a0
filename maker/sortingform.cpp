#include "maker/sortingform.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

#include "maker/editsession.h"

namespace maker {

QString SortingForm::shape(const Document& d) const {
    return EntryForm::shape(d) + '|' + QString::number(d.columns.size());
}

void SortingForm::buildHead(QVBoxLayout* layout) {
    auto* line = new QHBoxLayout;
    auto* count = new QSpinBox;
    count->setObjectName("columnCount");
    count->setRange(activityfiles::kMinColumns, activityfiles::kMaxColumns);
    count->setValue(static_cast<int>(document().columns.size()));
    connect(count, &QSpinBox::valueChanged, this, [this](int n) {
        context_.session.edit({}, [n](Document& d) { d.columns.resize(n); });
    });
    auto* order = new QLabel(
        "The order of the words does not matter: pupils get them in a new order each time.");
    order->setWordWrap(true);
    layout->addWidget(order);
    line->addWidget(new QLabel("Columns:"));
    line->addWidget(count);
    binder().stand(count, {"columns"});
    for (int c = 0; c < document().columns.size(); ++c) {
        auto* heading = newLineEdit(QString("heading%1").arg(c + 1), "Heading");
        binder().line(
            heading, {"columns"}, [c](const Document& d) { return d.columns.value(c); },
            [c](Document& d, const QString& t) {
                for (SortWord& w : d.words)
                    if (w.column == d.columns[c]) w.column = t;
                d.columns[c] = t;
            });
        line->addWidget(heading);
    }
    layout->addLayout(line);
}

void SortingForm::buildEntry(int i, QGroupBox* box) {
    auto* rows = new QVBoxLayout(box);
    auto* line = new QHBoxLayout;
    addTextAndSpokenAs(line, &Document::words, i, "word", "A word to sort");
    auto* column = new QComboBox;
    column->setObjectName(QString("column%1").arg(i + 1));
    column->addItems(document().columns);
    binder().follow(column, [column](const Document& d) {
        for (int c = 0; c < d.columns.size(); ++c) column->setItemText(c, d.columns[c]);
    });
    binder().choice(
        column, {"column", i},
        [i](const Document& d) { return static_cast<int>(d.columns.indexOf(d.words[i].column)); },
        [i](Document& d, const int& c) { d.words[i].column = d.columns.value(c); });
    line->addWidget(new QLabel("goes in"));
    line->addWidget(column, 2);
    rows->addLayout(line);
}

}  // namespace maker
