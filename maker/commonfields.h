#pragma once
// The fields every activity has: title, topic, where it goes and instruction.
#include <QCoreApplication>

#include "maker/formpart.h"

namespace maker {

class CommonFields : public FormPart {
    Q_DECLARE_TR_FUNCTIONS(CommonFields)

  public:
    using FormPart::FormPart;

  protected:
    void build(QVBoxLayout* layout) override;
    QString shape(const Document& document) const override;
};

}  // namespace maker
