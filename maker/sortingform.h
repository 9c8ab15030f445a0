#pragma once
// Sorting: two to five columns with their headings, and each word with its column.
#include "maker/entryform.h"

namespace maker {

class SortingForm : public EntryForm {
  public:
    explicit SortingForm(Context& context) : EntryForm(context, "Word", "Add a &word") {}

  protected:
    void buildHead(QVBoxLayout* layout) override;
    void buildEntry(int index, QGroupBox* box) override;
    // The number of columns; their headings only rename the choices.
    QString shape(const Document& d) const override;
};

}  // namespace maker
