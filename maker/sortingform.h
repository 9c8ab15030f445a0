#pragma once
// Sorting: two to five columns with their headings, and each word with its column.
#include <QCoreApplication>

#include "maker/entryform.h"

namespace maker {

class SortingForm : public EntryForm {
    Q_DECLARE_TR_FUNCTIONS(SortingForm)

  public:
    explicit SortingForm(Context& context) : EntryForm(context, tr("Word"), tr("Add a &word")) {}

  protected:
    void buildHead(QVBoxLayout* layout) override;
    void buildEntry(int index, QGroupBox* box) override;
    // The number of columns; their headings only rename the choices.
    QString shape(const Document& d) const override;
};

}  // namespace maker
