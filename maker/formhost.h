#pragma once
// The open activity's form: the common fields above the form of its kind, kept in step with
// the document and showing the check's problems at their fields.
#include <QCoreApplication>
#include <QScrollArea>

#include "maker/context.h"
#include "maker/fieldbinder.h"

namespace maker {

class FormPart;

class FormHost : public QScrollArea {
    Q_DECLARE_TR_FUNCTIONS(FormHost)

  public:
    explicit FormHost(Context& context, QWidget* parent = nullptr);

    // Builds the forms for the activity just opened (or none).
    void rebuild();
    void refresh();
    void showProblems();
    bool reveal(const FieldRef& field);

    FormPart* common = nullptr;
    FormPart* kind = nullptr;

  private:
    Context& context_;
};

}  // namespace maker
