#pragma once
// A kind whose entries are rows one under another (words, passages, questions,
// statements), each with its Remove button, and an Add button below them.
#include "maker/formpart.h"

class QGroupBox;
class QLineEdit;

namespace maker {

class EntryForm : public FormPart {
  public:
    EntryForm(Context& context, QString addCaption, int fewest = 1);

  protected:
    void build(QVBoxLayout* layout) final;
    // The kind's own fields above the entries.
    virtual void buildHead(QVBoxLayout*) {}
    // The fields of entry `index`, into its box.
    virtual void buildEntry(int index, QGroupBox* box) = 0;
    virtual QString entryTitle(int index) const = 0;

  private:
    QString addCaption_;
    int fewest_;
};

// Small builders the entry forms share.
QLineEdit* newLineEdit(const QString& objectName, const QString& placeholder);

}  // namespace maker
