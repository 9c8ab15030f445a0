#pragma once
// Labelling: the picture, and the labels placed on it.
#include "maker/formpart.h"

namespace maker {

class LabelCanvas;
class PictureField;

class LabellingForm : public FormPart {
  public:
    using FormPart::FormPart;
    bool reveal(const FieldRef& field) override;

    LabelCanvas* canvas = nullptr;
    PictureField* picture = nullptr;

  protected:
    void build(QVBoxLayout* layout) override;
    QString shape(const Document&) const override { return "labels"; }
    void showProblemsOn(const std::vector<FieldProblem>& problems) override;
};

}  // namespace maker
