#pragma once
#include <QRectF>
#include <vector>

#include "ui/blankwrap.h"
#include "ui/colour.h"
#include "ui/control.h"
#include "ui/fonts.h"

namespace ui {

enum class Align { Left, Right, Center };

// A label as laid out at design time; tables of these read line by line like the layout.
struct LabelDesign {
    float left = 0, top = 0, width = 0, height = 0;
    // Marked QT_TRANSLATE_NOOP("Screens", "..."), and shown translated (ui/screentext.h).
    const char* caption = "";
    FontSpec font{};
    Colour fore = colours::kBlack;
    Colour back = colours::kButtonFace;
    bool opaque = true;
    bool border = false;
    Align align = Align::Left;
    bool visible = true;
    bool enabled = true;
    bool autoSize = false;
    bool wordWrap = false;
    // Wraps a fixed label's caption as the design engine did (ui/blankwrap.h), for text whose
    // runs of blanks leave gaps that other controls are placed over.
    bool carryBlankRuns = false;
};

// Yellow centred text straight on the window's colour: instructions, questions, feedback.
constexpr LabelDesign textDesign(float left, float top, float width, float height, FontSpec font,
                                 const char* caption = "", bool visible = true) {
    return {.left = left,
            .top = top,
            .width = width,
            .height = height,
            .caption = caption,
            .font = font,
            .fore = colours::kYellow,
            .opaque = false,
            .align = Align::Center,
            .visible = visible};
}

// A label button: yellow bold text on a fill, with a single border.
constexpr LabelDesign buttonDesign(float left, float top, float width, float height,
                                   const char* caption, FontSpec font, Colour fill) {
    return {.left = left,
            .top = top,
            .width = width,
            .height = height,
            .caption = caption,
            .font = font,
            .fore = colours::kYellow,
            .back = fill,
            .border = true,
            .align = Align::Center};
}

class Label : public Control {
  public:
    Label(Form& form, QString name, int index = -1, Control* container = nullptr);

    void applyDesign(const LabelDesign& d);
    // What a run-time copy of a control array's first member takes from it.
    void copyDesignFrom(const Label& from);

    const QString& Caption() const { return caption_; }
    void setCaption(const QString& caption);
    QString shownCaption() const override { return caption_; }
    Colour ForeColor() const { return fore_; }
    void setForeColor(Colour c);
    Colour BackColor() const { return back_; }
    void setBackColor(Colour c);
    bool opaque() const { return opaque_; }
    void setOpaque(bool opaque);  // BackStyle: opaque paints the background colour
    bool border() const { return border_; }
    void setBorder(bool border);
    void setAlignment(Align a);
    void setAutoSize(bool a);
    void setWordWrap(bool w);
    void setCarryBlankRuns(bool c);
    const FontSpec& font() const { return font_; }
    void setFont(const FontSpec& f);

    // The point size the caption is drawn at: the design size, or smaller where the
    // caption would otherwise be clipped in a label of fixed size.
    float fittedPoints() const { return fittedPoints_; }
    // Whether the whole caption shows inside the label (less its border) at that size.
    bool captionFitsAt(float points) const;
    bool captionFits() const override { return captionFitsAt(fittedPoints_); }
    // Where characters [from, from + count) of the caption lie, one rectangle per line, in
    // twips from the label's top left; only for a label that carries blank runs.
    std::vector<QRectF> textRangeRects(int from, int count) const;

    void setGeometry(float left, float top, float width, float height) override;
    void refresh() override;

  protected:
    void paint(QPainter& painter, const QRect& rect) const override;

  private:
    int textFlags() const;
    QRect textRect(const QRect& rect) const;
    void relayout();
    void paintCarried(QPainter& painter, const QRect& inner) const;
    qreal lineOffset(const QFontMetricsF& metrics, const TextLine& line, qreal width) const;

    QString caption_;
    Colour fore_ = colours::kBlack;
    Colour back_ = colours::kButtonFace;
    bool opaque_ = true;
    bool border_ = false;
    Align align_ = Align::Left;
    bool autoSize_ = false;
    bool wordWrap_ = false;
    bool carryBlankRuns_ = false;
    std::vector<TextLine> lines_;  // the caption's lines when blank runs are carried
    FontSpec font_{};
    float fittedPoints_ = font_.points;
    bool inRelayout_ = false;
};

}  // namespace ui
