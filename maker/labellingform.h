#pragma once
// Labelling: the picture, and the labels placed on it.
#include <QCoreApplication>

#include "maker/formpart.h"

class QLineEdit;

namespace maker {

class LabelCanvas;
class PictureField;

class LabellingForm : public FormPart {
    Q_DECLARE_TR_FUNCTIONS(LabellingForm)

  public:
    using FormPart::FormPart;
    bool reveal(const FieldRef& field) override;

    LabelCanvas* canvas = nullptr;
    PictureField* picture = nullptr;
    QLineEdit* spoken = nullptr;  // how the label chosen is said

  protected:
    void build(QVBoxLayout* layout) override;
    // A translation's labels, one under another: their places are the activity's.
    void buildWords(QVBoxLayout* layout);
    QString shape(const Document&) const override { return "labels"; }
    void showProblemsOn(const std::vector<FieldProblem>& problems) override;
};

}  // namespace maker
