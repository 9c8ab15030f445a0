#include "ui/label.h"

#include <QFontMetrics>
#include <QPainter>

#include "ui/painting.h"
#include "ui/screentext.h"
#include "ui/twips.h"

namespace ui {

namespace {
constexpr float kSmallestPoints = 4.0f;
}

Label::Label(Form& form, QString name, int index, Control* container)
    : Control(form, std::move(name), index, container) {}

void Label::applyDesign(const LabelDesign& d) {
    caption_ = screenText(d.caption);
    fore_ = d.fore;
    back_ = d.back;
    opaque_ = d.opaque;
    border_ = d.border;
    align_ = d.align;
    autoSize_ = d.autoSize;
    wordWrap_ = d.wordWrap;
    carryBlankRuns_ = d.carryBlankRuns;
    font_ = d.font;
    setEnabled(d.enabled);
    setVisible(d.visible);
    setGeometry(d.left, d.top, d.width, d.height);
}

void Label::copyDesignFrom(const Label& from) {
    fore_ = from.fore_;
    back_ = from.back_;
    opaque_ = from.opaque_;
    border_ = from.border_;
    align_ = from.align_;
    autoSize_ = from.autoSize_;
    wordWrap_ = from.wordWrap_;
    carryBlankRuns_ = from.carryBlankRuns_;
    font_ = from.font_;
    caption_ = from.caption_;
    copyBaseDesign(from);
    relayout();
}

void Label::setCaption(const QString& caption) {
    if (caption == caption_) return;
    prepareText(caption);
    caption_ = caption;
    relayout();
    announceNameChange();
}

void Label::setForeColor(Colour c) {
    fore_ = c;
    Control::refresh();
}

void Label::setBackColor(Colour c) {
    back_ = c;
    Control::refresh();
}

void Label::setOpaque(bool opaque) {
    if (opaque == opaque_) return;
    opaque_ = opaque;
    Control::refresh();
}

void Label::setBorder(bool border) {
    border_ = border;
    relayout();
}

void Label::setAlignment(Align a) {
    align_ = a;
    Control::refresh();
}

void Label::setAutoSize(bool a) {
    autoSize_ = a;
    relayout();
}

void Label::setWordWrap(bool w) {
    wordWrap_ = w;
    relayout();
}

void Label::setCarryBlankRuns(bool c) {
    carryBlankRuns_ = c;
    relayout();
}

void Label::setFont(const FontSpec& f) {
    font_ = f;
    relayout();
}

void Label::setGeometry(float left, float top, float width, float height) {
    const bool resized = width != Width() || height != Height();
    Control::setGeometry(left, top, width, height);
    if (resized) relayout();
}

void Label::refresh() {
    relayout();
}

int Label::textFlags() const {
    const int horizontal = align_ == Align::Center  ? Qt::AlignHCenter
                           : align_ == Align::Right ? Qt::AlignRight
                                                    : Qt::AlignLeft;
    const bool wraps = !autoSize_ || wordWrap_;
    return horizontal | Qt::AlignTop | (wraps ? Qt::TextWordWrap : 0);
}

QRect Label::textRect(const QRect& rect) const {
    return border_ ? rect.adjusted(1, 1, -1, -1) : rect;
}

void Label::relayout() {
    if (inRelayout_) return;
    inRelayout_ = true;
    fittedPoints_ = font_.points;
    if (autoSize_) {
        // The label takes the size of its caption: one line, or wrapped at its width.
        const QFontMetrics fm(makeFont(font_));
        const int frame = border_ ? 2 : 0;
        const QRect bounds =
            wordWrap_
                ? fm.boundingRect(
                      QRect(0, 0, std::max(1, Twips::toDesignPixels(Width()) - frame), 100000),
                      textFlags(), caption_)
                : fm.boundingRect(QRect(0, 0, 100000, 100000), textFlags(), caption_);
        const float w = wordWrap_ ? Width() : Twips::fromDesignPixels(bounds.width() + frame);
        Control::setGeometry(Left(), Top(), w, Twips::fromDesignPixels(bounds.height() + frame));
    } else if (!caption_.isEmpty()) {
        // A fixed label keeps its size; a caption that would be clipped gets smaller.
        while (fittedPoints_ - kFitStepPoints >= kSmallestPoints && !captionFitsAt(fittedPoints_))
            fittedPoints_ -= kFitStepPoints;
    }
    lines_.clear();
    if (carryBlankRuns_ && !autoSize_) {
        const QRect inner = textRect(Twips::designRect(Width(), Height()));
        lines_ = wrapCarryingBlankRuns(caption_, QFontMetricsF(makeFont(font_, fittedPoints_)),
                                       inner.width());
    }
    Control::refresh();
    inRelayout_ = false;
}

namespace {
// A line's width up to its last non-blank character: blanks may hang past the margin.
qreal usedWidth(const QFontMetricsF& metrics, const QString& line) {
    qsizetype end = line.size();
    while (end > 0 && line[end - 1] == u' ') --end;
    return metrics.horizontalAdvance(line.left(end));
}
}  // namespace

bool Label::captionFitsAt(float points) const {
    const QRect inner = textRect(Twips::designRect(Width(), Height()));
    const QFont font = makeFont(font_, points);
    if (carryBlankRuns_ && !autoSize_) {
        const QFontMetricsF metrics(font);
        const auto lines = wrapCarryingBlankRuns(caption_, metrics, inner.width());
        if (static_cast<qreal>(lines.size()) * metrics.lineSpacing() > inner.height()) return false;
        for (const TextLine& line : lines)
            if (usedWidth(metrics, caption_.mid(line.start, line.length)) > inner.width())
                return false;
        return true;
    }
    return textFits(font, inner, textFlags(), caption_);
}

qreal Label::lineOffset(const QFontMetricsF& metrics, const TextLine& line, qreal width) const {
    if (align_ == Align::Left) return 0;
    const qreal used = usedWidth(metrics, caption_.mid(line.start, line.length));
    return align_ == Align::Right ? width - used : (width - used) / 2;
}

std::vector<QRectF> Label::textRangeRects(int from, int count) const {
    std::vector<QRectF> out;
    if (lines_.empty()) return out;
    const QRect inner = textRect(Twips::designRect(Width(), Height()));
    const QFontMetricsF metrics(makeFont(font_, fittedPoints_));
    for (size_t k = 0; k < lines_.size(); ++k) {
        const TextLine& line = lines_[k];
        const int first = std::max(from, line.start);
        const int last = std::min(from + count, line.start + line.length);
        if (first >= last) continue;
        const qreal x = inner.left() + lineOffset(metrics, line, inner.width());
        const qreal x0 =
            x + metrics.horizontalAdvance(caption_.mid(line.start, first - line.start));
        const qreal x1 = x + metrics.horizontalAdvance(caption_.mid(line.start, last - line.start));
        const qreal y = inner.top() + static_cast<qreal>(k) * metrics.lineSpacing();
        out.emplace_back(Twips::fromDesignPixels(x0), Twips::fromDesignPixels(y),
                         Twips::fromDesignPixels(x1 - x0),
                         Twips::fromDesignPixels(metrics.lineSpacing()));
    }
    return out;
}

void Label::paint(QPainter& painter, const QRect& rect) const {
    if (opaque_) painter.fillRect(rect, toQColor(back_));
    if (border_) drawSingleBorder(painter, rect, scale());
    // The caption is drawn where it was measured: in the design rectangle, magnified.
    const DesignScale design(painter, scale());
    const QRect inner = textRect(Twips::designRect(Width(), Height()));
    if (!lines_.empty()) return paintCarried(painter, inner);
    painter.setFont(makeFont(font_, fittedPoints_));
    drawCaption(painter, inner, textFlags(), caption_, toQColor(fore_), Enabled());
}

void Label::paintCarried(QPainter& painter, const QRect& inner) const {
    const QFont font = makeFont(font_, fittedPoints_);
    const QFontMetricsF metrics(font);
    painter.save();
    painter.setFont(font);
    painter.setPen(captionColour(toQColor(fore_), Enabled()));
    for (size_t k = 0; k < lines_.size(); ++k) {
        const TextLine& line = lines_[k];
        const QPointF at(
            inner.left() + lineOffset(metrics, line, inner.width()),
            inner.top() + static_cast<qreal>(k) * metrics.lineSpacing() + metrics.ascent());
        painter.drawText(at, caption_.mid(line.start, line.length));
    }
    painter.restore();
}

}  // namespace ui
