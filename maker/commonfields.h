#pragma once
// The fields every activity has: title, topic, where it goes and instruction.
#include "maker/formpart.h"

namespace maker {

class CommonFields : public FormPart {
  public:
    using FormPart::FormPart;

  protected:
    void build(QVBoxLayout* layout) override;
    QString shape(const Document& document) const override;
};

}  // namespace maker
