#pragma once
// A kind whose entries are rows one under another (words, passages, questions,
// statements), each with its Remove button, and an Add button below them.
#include "maker/formpart.h"

class QGroupBox;
class QLineEdit;

namespace maker {

class EntryForm : public FormPart {
  public:
    // Entries are titled "`entryName` 1", "`entryName` 2"...
    EntryForm(Context& context, QString entryName, QString addCaption);

  protected:
    void build(QVBoxLayout* layout) final;
    // The kind's own fields above the entries.
    virtual void buildHead(QVBoxLayout*) {}
    // The fields of entry `index`, into its box.
    virtual void buildEntry(int index, QGroupBox* box) = 0;

  private:
    QString entryName_, addCaption_;
};

// Small builders the entry forms share.
QLineEdit* newLineEdit(const QString& objectName, const QString& placeholder);
// "Spoken as": how Read Aloud says an entry's text, where that differs from how it is written.
QLineEdit* newSpokenAs(const QString& objectName);

}  // namespace maker
