#include "ui/label.h"

#include <QFontMetrics>
#include <QPainter>

#include "ui/painting.h"
#include "ui/twips.h"

namespace ui {

namespace {
constexpr float kSmallestPoints = 4.0f;
}

Label::Label(Form& form, QString name, int index, Control* container)
    : Control(form, std::move(name), index, container) {}

void Label::applyDesign(const LabelDesign& d) {
    caption_ = QString::fromUtf8(d.caption);
    fore_ = d.fore;
    back_ = d.back;
    opaque_ = d.opaque;
    border_ = d.border;
    align_ = d.align;
    autoSize_ = d.autoSize;
    wordWrap_ = d.wordWrap;
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
    font_ = from.font_;
    caption_ = from.caption_;
    copyBaseDesign(from);
    relayout();
}

void Label::setCaption(const QString& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    relayout();
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
            wordWrap_ ? fm.boundingRect(
                            QRect(0, 0, std::max(1, Twips::toPixels(Width()) - frame), 100000),
                            textFlags(), caption_)
                      : fm.boundingRect(QRect(0, 0, 100000, 100000), textFlags(), caption_);
        const float w = wordWrap_ ? Width() : Twips::toTwips(bounds.width() + frame);
        Control::setGeometry(Left(), Top(), w, Twips::toTwips(bounds.height() + frame));
    } else if (!caption_.isEmpty()) {
        // A fixed label keeps its size; a caption that would be clipped gets smaller.
        const QRect inner = textRect(Twips::toPixels(0, 0, Width(), Height()));
        while (fittedPoints_ - kFitStepPoints >= kSmallestPoints) {
            const QRect need = QFontMetrics(makeFont(font_, fittedPoints_))
                                   .boundingRect(inner, textFlags(), caption_);
            if (need.width() <= inner.width() && need.height() <= inner.height()) break;
            fittedPoints_ -= kFitStepPoints;
        }
    }
    Control::refresh();
    inRelayout_ = false;
}

bool Label::captionFitsAt(float points) const {
    const QRect inner = textRect(Twips::toPixels(0, 0, Width(), Height()));
    const QRect need =
        QFontMetrics(makeFont(font_, points)).boundingRect(inner, textFlags(), caption_);
    return need.width() <= inner.width() && need.height() <= inner.height();
}

void Label::paint(QPainter& painter, const QRect& rect) const {
    if (opaque_) painter.fillRect(rect, toQColor(back_));
    if (border_) drawSingleBorder(painter, rect);
    painter.setFont(makeFont(font_, fittedPoints_));
    drawCaption(painter, textRect(rect), textFlags(), caption_, toQColor(fore_), Enabled());
}

}  // namespace ui
