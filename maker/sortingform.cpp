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

namespace {

// A column's caption in a word's choice: its heading, or its place while it has none.
QString columnCaption(const Document& d, int c) {
    const QString heading = d.columns.value(c).trimmed();
    return heading.isEmpty() ? SortingForm::tr("Column %1").arg(c + 1) : heading;
}

}  // namespace

QString SortingForm::shape(const Document& d) const {
    return EntryForm::shape(d) + '|' + QString::number(d.columns.size());
}

void SortingForm::buildHead(QVBoxLayout* layout) {
    auto* line = new QHBoxLayout;
    auto* count = new QSpinBox;
    count->setObjectName("columnCount");
    count->setAccessibleName(tr("Number of columns"));
    count->setRange(activityfiles::kMinColumns, activityfiles::kMaxColumns);
    count->setValue(static_cast<int>(document().columns.size()));
    connect(count, &QSpinBox::valueChanged, this, [this](int n) {
        context_.session.edit({}, [n](Document& d) { d.columns.resize(n); });
    });
    auto* order = new QLabel(
        tr("The order of the words does not matter: pupils get them in a new order each time."));
    order->setWordWrap(true);
    layout->addWidget(order);
    auto* caption = new QLabel(tr("&Columns:"));
    caption->setBuddy(count);
    line->addWidget(caption);
    line->addWidget(count);
    binder().stand(count, {"columns"});
    for (int c = 0; c < document().columns.size(); ++c) {
        auto* heading = newLineEdit(QString("heading%1").arg(c + 1), tr("Heading"));
        heading->setAccessibleName(tr("Heading of column %1").arg(c + 1));
        binder().line(
            heading, {"columns", -1, c}, [c](const Document& d) { return d.columns.value(c); },
            [c](Document& d, const QString& t) { d.columns[c] = t; });
        line->addWidget(heading);
    }
    layout->addLayout(line);
}

void SortingForm::buildEntry(int i, QGroupBox* box) {
    auto* rows = new QVBoxLayout(box);
    auto* line = new QHBoxLayout;
    addTextAndSpokenAs(line, &Document::words, i, "word", tr("A word to sort"));
    auto* column = new QComboBox;
    column->setObjectName(QString("column%1").arg(i + 1));
    column->setAccessibleName(tr("Column of word %1").arg(i + 1));
    for (int c = 0; c < document().columns.size(); ++c)
        column->addItem(columnCaption(document(), c));
    binder().follow(column, [column](const Document& d) {
        for (int c = 0; c < d.columns.size(); ++c) column->setItemText(c, columnCaption(d, c));
    });
    binder().choice(
        column, {"column", i}, [i](const Document& d) { return d.words[i].column; },
        [i](Document& d, const int& c) { d.words[i].column = c; });
    line->addWidget(new QLabel(tr("goes in")));
    line->addWidget(column, 2);
    rows->addLayout(line);
}

}  // namespace maker
