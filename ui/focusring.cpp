#include "ui/focusring.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>

#include "ui/control.h"
#include "ui/controlwidget.h"
#include "ui/twips.h"

namespace ui {

namespace {

int line() {
    return Twips::strokePixels(1);
}
int band() {
    return std::max(3, Twips::toPixels(FocusRing::kBandTwips));
}
int shadow() {
    return Twips::strokePixels(5);
}
// From the control's edge to the ring's outer edge, and the shadow beyond.
int margin() {
    return 2 * line() + band() + shadow();
}

// Qt places a focus frame by its style: this one stands above its control's siblings, with
// room round the control for the ring and the shadow.
class RingStyle final : public QProxyStyle {
  public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        if (metric == PM_FocusFrameHMargin || metric == PM_FocusFrameVMargin) return margin();
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override {
        if (hint == SH_FocusFrame_AboveWidget) return 1;
        if (hint == SH_FocusFrame_Mask) return 0;
        return QProxyStyle::styleHint(hint, option, widget, data);
    }
};

QStyle* ringStyle() {
    static QPointer<RingStyle> style;
    if (!style) {
        style = new RingStyle;
        style->setParent(QCoreApplication::instance());
    }
    return style;
}

}  // namespace

FocusRing::FocusRing(QWidget* window) : QFocusFrame(window) {
    setObjectName("focusRing");
    setStyle(ringStyle());
}

void FocusRing::paintEvent(QPaintEvent*) {
    const QWidget* target = widget();
    if (!target) return;
    const int m = margin();
    const QRect control(QPoint(m, m), target->size());
    const QRect outer = control.adjusted(-2 * line() - band(), -2 * line() - band(),
                                         2 * line() + band(), 2 * line() + band());
    QPainter painter(this);
    // Nothing is drawn over the control itself.
    painter.setClipRegion(QRegion(rect()) - QRegion(control));
    const auto* controlWidget = dynamic_cast<const ControlWidget*>(target);
    if (controlWidget && controlWidget->control() && controlWidget->control()->isLifted())
        painter.fillRect(outer.translated(shadow(), shadow()), QColor(0, 0, 0, 110));
    painter.fillRect(outer, Qt::black);
    painter.fillRect(outer.adjusted(line(), line(), -line(), -line()), Qt::white);
    painter.fillRect(control.adjusted(-line(), -line(), line(), line()), Qt::black);
}

}  // namespace ui
