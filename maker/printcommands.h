#pragma once
// File, Print… and File, Export as PDF…: the open activity's worksheet, answer sheet or both,
// on paper through the system's print dialog (with a preview) or as a PDF file.
#include <QCoreApplication>
#include <optional>

#include "maker/context.h"
#include "worksheets/worksheet.h"

class QWidget;

namespace maker {

class PrintCommands {
    Q_DECLARE_TR_FUNCTIONS(PrintCommands)

  public:
    PrintCommands(Context& context, QWidget& window) : context_(context), window_(window) {}

    void print();
    void exportPdf();

  private:
    // The open activity made ready for paper, or nothing once she has been told why not.
    std::optional<worksheets::Prepared> prepared(const QString& cannot);

    Context& context_;
    QWidget& window_;
};

}  // namespace maker
