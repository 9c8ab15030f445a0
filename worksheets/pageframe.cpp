#include "worksheets/pageframe.h"

#include <QCoreApplication>
#include <QPagedPaintDevice>
#include <QPainter>

namespace worksheets {

namespace {

constexpr const char* kFamily = "Arial";
constexpr const char* kProgram = "Brindlemark";
//: The lines a pupil writes her name and the date on; keep the lines as long
constexpr const char* kNameAndDate =
    QT_TRANSLATE_NOOP("Worksheet", "Name: ______________________     Date: ______________");
constexpr double kGap = 8;  // points between the header's parts

}  // namespace

PageFrame::PageFrame(QPainter& p, QPagedPaintDevice& device)
    : painter(p),
      device_(device),
      dpi_(device.logicalDpiY()),
      page_(0, 0, device.width(), device.height()) {}

QFont PageFrame::font(double points, bool bold) const {
    QFont f(kFamily);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

double PageFrame::bottom() const {
    return page_.bottom() - pt(kFootPoints + kGap);
}

double PageFrame::textHeight(const QString& s, const QFont& f, double w) const {
    painter.save();
    painter.setFont(f);
    const QRectF r = painter.boundingRect(QRectF(0, 0, w, 1e6), Qt::TextWordWrap, s);
    painter.restore();
    return r.height();
}

double PageFrame::text(const QString& s, const QFont& f, double indent, double w, bool draw,
                       int align) {
    const double h = textHeight(s, f, w);
    if (draw) {
        painter.setFont(f);
        painter.drawText(QRectF(left() + indent, y_, w, h), Qt::TextWordWrap | align, s);
    }
    return h;
}

void PageFrame::foot() {
    painter.setFont(font(kFootPoints));
    painter.drawText(QRectF(page_.left(), page_.bottom() - pt(kFootPoints * 1.5), page_.width(),
                            pt(kFootPoints * 1.5)),
                     Qt::AlignHCenter | Qt::AlignBottom, kProgram);
}

void PageFrame::newPage() {
    if (!firstPage_) device_.newPage();
    firstPage_ = false;
    ++pageOfSheet_;
    painter.setPen(QPen(Qt::black, pt(1)));
    painter.setBrush(Qt::NoBrush);
    foot();
    y_ = bodyTop_ = 0;
}

void PageFrame::startSheet(const QString& title, const QString& instruction, bool answers) {
    pageOfSheet_ = 0;
    newPage();
    const double titleHeight = text(title, font(kTitlePoints, true), 0, width() * 0.7);
    if (answers)
        text(QCoreApplication::translate("Worksheet", "Answer sheet"), font(kTextPoints, true), 0,
             width(), true, Qt::AlignRight);
    advance(titleHeight + pt(kGap));
    if (!answers)
        advance(text(QCoreApplication::translate("Worksheet", kNameAndDate), font(kTextPoints), 0,
                     width()) +
                pt(kGap * 1.5));
    // Magnets, for one, asks only its questions.
    if (!instruction.isEmpty()) advance(text(instruction, font(kTextPoints + 2), 0, width()));
    advance(pt(kGap));
    painter.drawLine(QPointF(left(), y_), QPointF(left() + width(), y_));
    advance(pt(kGap * 1.5));
    bodyTop_ = y_;
}

bool PageFrame::fits(const std::vector<double>& heights) const {
    double room = roomLeft();
    int page = pageOfSheet_;
    for (double h : heights) {
        if (h > room && page < kMaxPages) {
            ++page;
            room = fullRoom();
        }
        if (h > room) return false;
        room -= h;
    }
    return true;
}

void PageFrame::need(double height) {
    // Past the second page only when the sheet cannot be made to fit: a part drawn off the
    // page would be lost.
    if (height > roomLeft() && y_ > bodyTop_) newPage();
}

}  // namespace worksheets
