#pragma once
// Passages: each with its option (when there are several) and its text, whose [gaps] are
// highlighted as she types and listed below it.
#include <QCoreApplication>

#include "maker/entryform.h"

namespace maker {

class PassageForm : public EntryForm {
    Q_DECLARE_TR_FUNCTIONS(PassageForm)

  public:
    explicit PassageForm(Context& context)
        : EntryForm(context, tr("Passage"), tr("Add a &passage")) {}

  protected:
    void buildEntry(int index, QGroupBox* box) override;
};

// The gaps of a passage's text, as pupils will drag them.
QStringList gapsOf(const QString& text);

}  // namespace maker
