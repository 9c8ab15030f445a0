#include "worksheets/wordbank.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

#include "activities/wordgame/scramble.h"
#include "ui/random.h"
#include "worksheets/pageframe.h"

namespace worksheets {

QStringList gameOrder(const QStringList& items, ui::RandomSource& random) {
    const auto draw = [&](int n) {
        return std::clamp(static_cast<int>(random.next() * n), 0, n - 1);
    };
    QStringList out;
    for (int i : wordgame::scrambledOrder(items, draw)) out << items[i];
    return out;
}

double paintWordBank(PageFrame& frame, const QStringList& words, bool draw) {
    const QFont font = frame.font(kBankPoints);
    const QFontMetricsF metrics(font, frame.painter.device());
    const double pad = frame.pt(8), space = frame.pt(22), line = metrics.lineSpacing() * 1.3;
    const double inner = frame.width() - 2 * pad;
    // Rows first, to know the box's height before anything is drawn.
    std::vector<std::vector<std::pair<QString, double>>> rows(1);
    double x = 0;
    for (const QString& w : words) {
        const double wide = std::min(metrics.horizontalAdvance(w), inner);
        if (x > 0 && x + wide > inner) {
            rows.emplace_back();
            x = 0;
        }
        rows.back().emplace_back(w, x);
        x += wide + space;
    }
    const double height = rows.size() * line + 2 * pad;
    if (!draw) return height + frame.pt(6);
    frame.need(height + frame.pt(6));
    QPainter& p = frame.painter;
    p.setFont(font);
    p.drawRect(QRectF(frame.left(), frame.y(), frame.width(), height));
    for (size_t r = 0; r < rows.size(); ++r)
        for (const auto& [w, at] : rows[r])
            p.drawText(
                QRectF(frame.left() + pad + at, frame.y() + pad + r * line, inner - at, line),
                Qt::AlignLeft | Qt::AlignVCenter, w);
    frame.advance(height + frame.pt(6));
    return height;
}

}  // namespace worksheets
