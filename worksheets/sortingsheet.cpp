// Sorting: a table with a column for each heading and a row for each word the fullest column
// takes; the answer sheet writes each word in its column.
#include <QPainter>
#include <algorithm>

#include "worksheets/sheets.h"
#include "worksheets/wordbank.h"

namespace worksheets {

void paintSorting(PageFrame& frame, const Prepared& prepared, bool answers) {
    const auto& a = prepared.source.activity;
    const int columns = static_cast<int>(a.columns.size());
    if (columns == 0) return;
    std::vector<QStringList> inColumn(columns);
    for (const auto& w : a.words)
        if (w.column >= 0 && w.column < columns) inColumn[w.column] << w.text;
    int rows = 0;
    for (const auto& c : inColumn) rows = std::max(rows, static_cast<int>(c.size()));

    const double cell = frame.width() / columns, pad = frame.pt(5);
    const QFont heading = frame.font(kTextPoints, true), word = frame.font(kBankPoints);
    double headingHeight = 0;
    for (const QString& c : a.columns)
        headingHeight = std::max(headingHeight, frame.textHeight(c, heading, cell - 2 * pad));
    headingHeight += 2 * pad;
    // Room for a pupil's writing, and for the longest word wrapped with a margin above and
    // below: the same rows on both sheets.
    double rowHeight = frame.pt(kBankPoints * 2.4);
    for (const auto& w : a.words)
        rowHeight = std::max(rowHeight, frame.textHeight(w.text, word, cell - 2 * pad) + 2 * pad);
    frame.need(headingHeight + rows * rowHeight);

    QPainter& p = frame.painter;
    const double top = frame.y(), bottom = top + headingHeight + rows * rowHeight;
    p.drawRect(QRectF(frame.left(), top, frame.width(), bottom - top));
    p.drawLine(QPointF(frame.left(), top + headingHeight),
               QPointF(frame.left() + frame.width(), top + headingHeight));
    for (int r = 1; r < rows; ++r) {
        const double y = top + headingHeight + r * rowHeight;
        p.setPen(QPen(Qt::black, frame.pt(0.5)));
        p.drawLine(QPointF(frame.left(), y), QPointF(frame.left() + frame.width(), y));
    }
    p.setPen(QPen(Qt::black, frame.pt(1)));
    for (int c = 0; c < columns; ++c) {
        const double x = frame.left() + c * cell;
        if (c > 0) p.drawLine(QPointF(x, top), QPointF(x, bottom));
        p.setFont(heading);
        p.drawText(QRectF(x + pad, top + pad, cell - 2 * pad, headingHeight - 2 * pad),
                   Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignVCenter, a.columns[c]);
        if (!answers) continue;
        p.setFont(word);
        for (int r = 0; r < inColumn[c].size(); ++r)
            p.drawText(
                QRectF(x + pad, top + headingHeight + r * rowHeight, cell - 2 * pad, rowHeight),
                Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignVCenter, inColumn[c][r]);
    }
    frame.advance(bottom - top + frame.pt(12));
    if (!answers && !prepared.banks.empty()) paintWordBank(frame, prepared.banks.front());
}

}  // namespace worksheets
