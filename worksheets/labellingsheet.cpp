// Labelling: the picture with its lines and a numbered box for each label, as on screen; the
// answer sheet writes each word in its box.
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

#include "worksheets/sheets.h"
#include "worksheets/wordbank.h"

namespace worksheets {

namespace {

constexpr double kTwipsPerInch = 1440;
constexpr double kLargest = 1.25;          // a small picture grows this much at most
constexpr double kBankRoom = 90;           // points kept below the picture for the word bank
constexpr double kHalo = 4, kLine = 1.25;  // a line's white edge and its black core, points

QString boxText(int number, const QString& word, bool answers) {
    return answers ? QString("%1  %2").arg(number).arg(word) : QString::number(number);
}

}  // namespace

void paintLabelling(PageFrame& frame, const Prepared& prepared, bool answers) {
    if (prepared.source.planned.drags.empty()) return;
    const activityfiles::DragPlan& d = prepared.source.planned.drags.front();
    QRectF region = d.pictureRect;
    for (const auto& b : d.boxes) region |= b.box;
    if (region.isEmpty()) return;
    const double perTwip = frame.pt(72) / kTwipsPerInch;
    const double room = frame.roomLeft() - frame.pt(kBankRoom);
    const double s =
        std::min({frame.width() / region.width(), room / region.height(), kLargest * perTwip});
    const QPointF origin(frame.left() + (frame.width() - region.width() * s) / 2, frame.y());
    const auto onPage = [&](QPointF p) { return origin + (p - region.topLeft()) * s; };
    const auto rectOnPage = [&](const QRectF& r) {
        return QRectF(onPage(r.topLeft()), r.size() * s);
    };

    QPainter& p = frame.painter;
    const QImage picture = greyPicture(prepared, d.picturePath);
    if (!picture.isNull()) p.drawImage(rectOnPage(d.pictureRect), picture);
    for (const auto& [width, colour] : {std::pair{kHalo, Qt::white}, std::pair{kLine, Qt::black}}) {
        p.setPen(QPen(colour, frame.pt(width), Qt::SolidLine, Qt::RoundCap));
        for (const QLineF& l : d.pointers) p.drawLine(onPage(l.p1()), onPage(l.p2()));
    }

    // Every box wide enough for its number and its word, the same on both sheets.
    const QFont font = frame.font(kTextPoints, true);
    const QFontMetricsF metrics(font, p.device());
    const double pad = frame.pt(4);
    p.setFont(font);
    p.setPen(QPen(Qt::black, frame.pt(1)));
    p.setBrush(Qt::white);
    for (size_t i = 0; i < d.boxes.size(); ++i) {
        const auto& b = d.boxes[i];
        const int number = static_cast<int>(i) + 1;
        QRectF r = rectOnPage(b.box);
        const double wide = metrics.horizontalAdvance(boxText(number, b.word, true)) + 2 * pad;
        const double high = metrics.height() + pad;
        r = QRectF(r.center().x() - std::max(wide, r.width()) / 2,
                   r.center().y() - std::max(high, r.height()) / 2, std::max(wide, r.width()),
                   std::max(high, r.height()));
        r.moveLeft(std::clamp(r.left(), frame.left(), frame.left() + frame.width() - r.width()));
        p.drawRect(r);
        p.drawText(r.adjusted(pad, 0, -pad, 0), Qt::AlignLeft | Qt::AlignVCenter,
                   boxText(number, b.word, answers));
    }
    p.setBrush(Qt::NoBrush);
    frame.advance(region.height() * s + frame.pt(12));
    if (!answers && !prepared.banks.empty()) paintWordBank(frame, prepared.banks.front());
}

}  // namespace worksheets
