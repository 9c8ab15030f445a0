#pragma once
// Word wrap as the engine the layouts were designed for did it. A single blank between words
// is a break and may hang past the right margin; a run of several blanks fills the line to
// the right margin and carries on at the start of the next line. Qt instead hangs the whole
// run off the end of the line, which moves every word after it.
#include <QFontMetricsF>
#include <QString>
#include <vector>

namespace ui {

// Characters [start, start + length) of the text, blanks included, line breaks excluded.
struct TextLine {
    int start = 0;
    int length = 0;
};

// Explicit line breaks ("\n" or "\r\n") end a line too. A word wider than the line is
// never split: it stands alone on its line and overhangs.
std::vector<TextLine> wrapCarryingBlankRuns(const QString& text, const QFontMetricsF& metrics,
                                            qreal width);

}  // namespace ui
