#pragma once
// A kind whose entries are rows one under another (words, passages, questions,
// statements), each with its Remove button, and an Add button below them.
#include <QBoxLayout>
#include <QCoreApplication>
#include <QLineEdit>

#include "maker/formpart.h"

class QGroupBox;

namespace maker {

class EntryForm : public FormPart {
    Q_DECLARE_TR_FUNCTIONS(EntryForm)

  public:
    // Entries are titled "`entryName` 1", "`entryName` 2"...
    EntryForm(Context& context, QString entryName, QString addCaption);

  protected:
    void build(QVBoxLayout* layout) final;
    // The kind's own fields above the entries.
    virtual void buildHead(QVBoxLayout*) {}
    // The fields of entry `index`, into its box.
    virtual void buildEntry(int index, QGroupBox* box) = 0;
    // Entry i's text, in a field named `name` and the entry's number, and beside it its
    // "Read aloud as", both bound to item i of the document's `list`.
    template <class Item>
    void addTextAndSpokenAs(QBoxLayout* into, std::vector<Item> Document::*list, int i,
                            const QString& name, const QString& placeholder);

    // "Question 2": what a screen reader calls entry i.
    QString entryTitle(int i) const;

  private:
    QString entryName_, addCaption_;
};

// Small builders the entry forms share.
QLineEdit* newLineEdit(const QString& objectName, const QString& placeholder);
// "Read aloud as": how Read Aloud says the text of `whose`, where that differs from how it is
// written.
QLineEdit* newSpokenAs(const QString& objectName, const QString& whose);

template <class Item>
void EntryForm::addTextAndSpokenAs(QBoxLayout* into, std::vector<Item> Document::*list, int i,
                                   const QString& name, const QString& placeholder) {
    const QString n = QString::number(i + 1);
    QLineEdit* text = newLineEdit(name + n, placeholder);
    text->setAccessibleName(entryTitle(i));
    binder().line(
        text, {"text", i}, [i, list](const Document& d) { return (d.*list)[i].text; },
        [i, list](Document& d, const QString& t) { (d.*list)[i].text = t; });
    QLineEdit* say = newSpokenAs("say" + n, entryTitle(i));
    binder().line(
        say, {"say", i}, [i, list](const Document& d) { return (d.*list)[i].say; },
        [i, list](Document& d, const QString& t) { (d.*list)[i].say = t; });
    into->addWidget(text, 3);
    into->addWidget(say, 2);
}

}  // namespace maker
