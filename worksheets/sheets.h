#pragma once
// Each kind's sheet, painted in the frame's flow below its header.
#include "worksheets/pageframe.h"
#include "worksheets/worksheet.h"

namespace worksheets {

void paintLabelling(PageFrame& frame, const Prepared& prepared, bool answers);
void paintSorting(PageFrame& frame, const Prepared& prepared, bool answers);
void paintPassages(PageFrame& frame, const Prepared& prepared, bool answers);
void paintQuestions(PageFrame& frame, const Prepared& prepared, bool answers);
void paintStatements(PageFrame& frame, const Prepared& prepared, bool answers);
void paintScrambled(PageFrame& frame, const Prepared& prepared, bool answers);

// A picture of the sheet, in the greys of black ink (made so by prepare()).
QImage greyPicture(const Prepared& prepared, const QString& path);

}  // namespace worksheets
