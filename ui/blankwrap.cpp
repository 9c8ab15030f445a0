#include "ui/blankwrap.h"

namespace ui {

std::vector<TextLine> wrapCarryingBlankRuns(const QString& text, const QFontMetricsF& metrics,
                                            qreal width) {
    std::vector<TextLine> lines;
    const int n = static_cast<int>(text.size());
    int start = 0;
    // Measured from the start of the line, so that kerning counts as it does when drawn.
    const auto reach = [&](int end) {
        return metrics.horizontalAdvance(text.mid(start, end - start));
    };
    const auto breakAt = [&](int end, int next) {
        lines.push_back({start, end - start});
        start = next;
    };
    const auto isBreak = [](QChar c) { return c == u'\n' || c == u'\r'; };

    int i = 0;
    while (i < n) {
        if (isBreak(text[i])) {
            const int next = text[i] == u'\r' && i + 1 < n && text[i + 1] == u'\n' ? i + 2 : i + 1;
            breakAt(i, next);
            i = next;
            continue;
        }
        int j = i;
        if (text[i] == u' ') {
            while (j < n && text[j] == u' ') ++j;
            if (j - i > 1) {
                for (int k = i; k < j; ++k)
                    if (k > start && reach(k + 1) > width) breakAt(k, k);
            }
            i = j;
            continue;
        }
        while (j < n && text[j] != u' ' && !isBreak(text[j])) ++j;
        if (i > start && reach(j) > width) breakAt(i, i);
        i = j;
    }
    lines.push_back({start, n - start});
    return lines;
}

}  // namespace ui
