#pragma once
// True or false: an optional picture for the screen, and each statement with its switch.
#include <QCoreApplication>

#include "maker/entryform.h"

namespace maker {

class TrueFalseForm : public EntryForm {
    Q_DECLARE_TR_FUNCTIONS(TrueFalseForm)

  public:
    explicit TrueFalseForm(Context& context)
        : EntryForm(context, tr("Statement"), tr("Add a &statement")) {}

  protected:
    void buildHead(QVBoxLayout* layout) override;
    void buildEntry(int index, QGroupBox* box) override;
};

}  // namespace maker
