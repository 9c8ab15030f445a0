// Passages: each passage's text with a numbered line for each gap, and its word bank; the
// answer sheet writes each word in its gap, underlined.
#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextDocument>

#include "worksheets/sheets.h"
#include "worksheets/wordbank.h"

namespace worksheets {

namespace {

constexpr const char* kGapLine = "________________";

QString passageHtml(const activityfiles::Passage& passage, bool answers) {
    QString html;
    for (int i = 0; i < passage.pieces.size(); ++i) {
        html += passage.pieces[i].toHtmlEscaped();
        if (i >= passage.gaps.size()) continue;
        html += answers ? "<u>" + passage.gaps[i].toHtmlEscaped() + "</u>"
                        : QString("(%1)&nbsp;%2").arg(i + 1).arg(kGapLine);
    }
    return html;
}

}  // namespace

void paintPassages(PageFrame& frame, const Prepared& prepared, bool answers) {
    const auto& passages = prepared.source.activity.passages;
    const QFont option = frame.font(kBankPoints, true);
    for (size_t i = 0; i < passages.size(); ++i) {
        QTextDocument doc;
        doc.documentLayout()->setPaintDevice(frame.painter.device());
        doc.setDefaultFont(frame.font(kBankPoints));
        doc.setDocumentMargin(0);
        doc.setTextWidth(frame.width());
        doc.setHtml("<p style=\"line-height: 160%\">" + passageHtml(passages[i], answers) + "</p>");
        const bool named = passages.size() > 1;
        const bool banked = !answers && i < prepared.banks.size();
        // A passage, its name and its bank on one page: a bank overleaf is no help.
        frame.need((named
                        ? frame.textHeight(passages[i].option, option, frame.width()) + frame.pt(4)
                        : 0) +
                   doc.size().height() + frame.pt(10) +
                   (banked ? paintWordBank(frame, prepared.banks[i], false) : 0));
        if (named)
            frame.advance(frame.text(passages[i].option, option, 0, frame.width()) + frame.pt(4));
        frame.painter.save();
        frame.painter.translate(frame.left(), frame.y());
        doc.drawContents(&frame.painter);
        frame.painter.restore();
        frame.advance(doc.size().height() + frame.pt(10));
        if (banked) paintWordBank(frame, prepared.banks[i]);
        frame.advance(frame.pt(10));
    }
}

}  // namespace worksheets
