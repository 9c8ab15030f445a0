#pragma once
// Sorting: two to five columns with their headings, and each word with its column.
#include "maker/entryform.h"

namespace maker {

class SortingForm : public EntryForm {
  public:
    explicit SortingForm(Context& context) : EntryForm(context, "Add a &word") {}

  protected:
    void buildHead(QVBoxLayout* layout) override;
    void buildEntry(int index, QGroupBox* box) override;
    QString entryTitle(int index) const override { return QString("Word %1").arg(index + 1); }
    // The number of columns; their headings only rename the choices.
    QString shape(const Document& d) const override;
};

}  // namespace maker
