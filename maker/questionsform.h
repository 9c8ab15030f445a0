#pragma once
// Questions: each with its text, an optional picture and two to four answers, the right one
// chosen by its radio button.
#include <QCoreApplication>

#include "maker/entryform.h"

namespace maker {

class QuestionsForm : public EntryForm {
    Q_DECLARE_TR_FUNCTIONS(QuestionsForm)

  public:
    explicit QuestionsForm(Context& context)
        : EntryForm(context, tr("Question"), tr("Add a &question")) {}

  protected:
    void buildEntry(int index, QGroupBox* box) override;
    QString shape(const Document& d) const override;
};

}  // namespace maker
