// Wrapping that carries runs of blanks over to the next line, as the layouts expect.
#include "ui/blankwrap.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QStringList>

using namespace ui;

namespace {

// Each line of the wrapped text, blanks shown as '_'.
QStringList wrap(const QString& text, qreal widthInChars) {
    QFont font("Liberation Mono");
    font.setPixelSize(20);
    const QFontMetricsF metrics(font);
    QStringList out;
    for (const TextLine& l :
         wrapCarryingBlankRuns(text, metrics, widthInChars * metrics.horizontalAdvance(u'x')))
        out << text.mid(l.start, l.length).replace(u' ', u'_');
    return out;
}

}  // namespace

TEST(BlankWrap, ARunOfBlanksFillsTheLineAndCarriesOn) {
    EXPECT_EQ(wrap("abc     def", 6), QStringList({"abc___", "__def"}));
    EXPECT_EQ(wrap("abcdef    gh", 6), QStringList({"abcdef", "____gh"}));
}

TEST(BlankWrap, ASingleBlankIsABreakAndHangs) {
    EXPECT_EQ(wrap("abcdef ghi", 6), QStringList({"abcdef_", "ghi"}));
    EXPECT_EQ(wrap("ab cd ef gh", 6), QStringList({"ab_cd_", "ef_gh"}));
}

TEST(BlankWrap, WordsNeverSplitAndExplicitBreaksEndALine) {
    EXPECT_EQ(wrap("abcdefghij k", 6), QStringList({"abcdefghij_", "k"}));
    EXPECT_EQ(wrap("ab\r\ncd\nef", 6), QStringList({"ab", "cd", "ef"}));
    EXPECT_EQ(wrap("", 6), QStringList({""}));
}
