// Scrambled Words: each chosen word with its letters mixed as the game mixes them and a line
// to write it on; the answer sheet writes the word.
#include <QPainter>

#include "activities/wordgame/scramble.h"
#include "activities/wordgame/wordlistreader.h"
#include "worksheets/sheets.h"

namespace worksheets {

void paintScrambled(PageFrame& frame, const Prepared& prepared, bool answers) {
    const QFont letters = frame.font(kBankPoints + 4, true), written = frame.font(kBankPoints);
    const double row = frame.pt((kBankPoints + 4) * 2.4), half = frame.width() / 2;
    QPainter& p = frame.painter;
    for (int i = 0; i < prepared.scrambled.size(); ++i) {
        frame.need(row);
        const QRectF left(frame.left(), frame.y(), half, row);
        p.setFont(letters);
        p.drawText(left, Qt::AlignLeft | Qt::AlignVCenter,
                   QString("%1.   %2").arg(i + 1).arg(prepared.scrambled[i]));
        const QRectF right(frame.left() + half, frame.y(), half, row);
        if (answers) {
            p.setFont(written);
            p.drawText(right, Qt::AlignLeft | Qt::AlignVCenter,
                       wordgame::withoutMarks(wordgame::asShown(prepared.source.words[i])));
        } else {
            const double base = right.center().y() + frame.pt(kBankPoints / 2);
            p.drawLine(QPointF(right.left(), base), QPointF(right.right(), base));
        }
        frame.advance(row);
    }
}

}  // namespace worksheets
