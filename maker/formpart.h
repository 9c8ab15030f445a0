#pragma once
// A part of the activity's form: the common fields, or a kind's own. It rebuilds its rows when the
// document's shape changes (an entry added, removed or undone) and otherwise only lets its widgets
// follow the document, so that typing never loses the cursor.
#include <QWidget>

#include "maker/context.h"
#include "maker/fieldbinder.h"

class QVBoxLayout;

namespace maker {

class FormPart : public QWidget {
  public:
    explicit FormPart(Context& context);

    void refresh();
    void showProblems(const std::vector<FieldProblem>& problems);
    // Takes her to the field: focus, and scrolled into view.
    virtual bool reveal(const FieldRef& field);

  protected:
    // Builds the widgets for the document as it is, binding them in binder().
    virtual void build(QVBoxLayout* layout) = 0;
    // What, when it changes, needs the widgets built again.
    virtual QString shape(const Document& document) const;
    virtual void showProblemsOn(const std::vector<FieldProblem>&) {}

    FieldBinder& binder() { return binder_; }
    const Document& document() const;

    Context& context_;

  private:
    // Each text beside its original, and nothing but the texts to change.
    void showAsTranslation();

    FieldBinder binder_;
    QWidget* body_ = nullptr;
    QString builtShape_;
    bool built_ = false;
};

}  // namespace maker
