#pragma once
// True or false: an optional picture for the screen, and each statement with its switch.
#include "maker/entryform.h"

namespace maker {

class TrueFalseForm : public EntryForm {
  public:
    explicit TrueFalseForm(Context& context) : EntryForm(context, "Add a &statement") {}

  protected:
    void buildHead(QVBoxLayout* layout) override;
    void buildEntry(int index, QGroupBox* box) override;
    QString entryTitle(int index) const override { return QString("Statement %1").arg(index + 1); }
};

}  // namespace maker
