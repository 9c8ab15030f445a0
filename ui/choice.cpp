#include "ui/choice.h"

#include <QPainter>

#include "ui/form.h"
#include "ui/painting.h"
#include "ui/twips.h"

namespace ui {

void ChoiceControl::setCaption(const QString& c) {
    prepareText(c);
    caption_ = c;
    refresh();
    announceNameChange();
}

void ChoiceControl::setForeColor(Colour c) {
    fore_ = c;
    refresh();
}

void ChoiceControl::setBackColor(Colour c) {
    back_ = c;
    refresh();
}

void ChoiceControl::setFont(const FontSpec& f) {
    font_ = f;
    refresh();
}

namespace {
constexpr int kCaptionFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;
}

QRect ChoiceControl::markRect() const {
    const QRect rect = Twips::designRect(Width(), Height());
    const int box = std::max(13, QFontMetrics(makeFont(font_)).ascent());
    return {rect.left() + 2, rect.center().y() - box / 2, box, box};
}

QRect ChoiceControl::captionRect() const {
    return Twips::designRect(Width(), Height()).adjusted(markRect().width() + 6, 0, 0, 0);
}

bool ChoiceControl::captionFits() const {
    return textFits(makeFont(font_), captionRect(), kCaptionFlags, caption_);
}

void ChoiceControl::paintChoice(QPainter& painter, const QRect& area, bool round,
                                bool marked) const {
    painter.fillRect(area, toQColor(back_));
    // Mark and caption are laid out at the design scale and magnified together.
    const DesignScale design(painter, scale());
    const QFont font = makeFont(font_);
    const QRect mark = markRect();
    const int box = mark.width();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Enabled() ? Qt::white : QColor(192, 192, 192));
    if (round) {
        painter.drawEllipse(mark);
        if (marked) {
            painter.setBrush(Qt::black);
            painter.drawEllipse(mark.adjusted(box / 4, box / 4, -box / 4, -box / 4));
        }
    } else {
        painter.drawRect(mark);
        if (marked) {
            painter.setPen(QPen(Qt::black, std::max(2, box / 6)));
            painter.drawPolyline(
                QPolygonF{QPointF(mark.left() + box * 0.2, mark.top() + box * 0.5),
                          QPointF(mark.left() + box * 0.42, mark.top() + box * 0.75),
                          QPointF(mark.left() + box * 0.8, mark.top() + box * 0.25)});
        }
    }
    painter.restore();
    painter.setFont(font);
    drawCaption(painter, captionRect(), kCaptionFlags, caption_, toQColor(fore_), Enabled());
}

void CheckBox::setValue(int v) {
    if (v == value_) return;
    value_ = v;
    refresh();
    announceCheckedChange();
    if (Click) Click();
}

void CheckBox::paint(QPainter& painter, const QRect& rect) const {
    paintChoice(painter, rect, false, value_ != 0);
}

void OptionButton::setValue(bool v) {
    if (v == value_) return;
    value_ = v;
    refresh();
    announceCheckedChange();
    if (!v) return;
    // Clearing the others raises nothing: only the option that is set gets its Click.
    for (Control* other : form().controls()) {
        auto* option = dynamic_cast<OptionButton*>(other);
        if (option && option != this && option->container() == container() && option->value_) {
            option->value_ = false;
            option->refresh();
            option->announceCheckedChange();
        }
    }
    if (Click) Click();
}

void OptionButton::paint(QPainter& painter, const QRect& rect) const {
    paintChoice(painter, rect, true, value_);
}

}  // namespace ui
