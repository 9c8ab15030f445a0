#pragma once
// True or false: an optional picture for the screen, and each statement with its switch.
#include "maker/entryform.h"

namespace maker {

class TrueFalseForm : public EntryForm {
  public:
    explicit TrueFalseForm(Context& context)
        : EntryForm(context, "Statement", "Add a &statement") {}

  protected:
    void buildHead(QVBoxLayout* layout) override;
    void buildEntry(int index, QGroupBox* box) override;
};

}  // namespace maker
