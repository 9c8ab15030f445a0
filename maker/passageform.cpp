#include "maker/passageform.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSyntaxHighlighter>
#include <QVBoxLayout>

#include "maker/editsession.h"

namespace maker {

namespace {

const QRegularExpression& gapPattern() {
    static const QRegularExpression pattern(R"(\[([^\[\]]*)\])");
    return pattern;
}

// Each [gap], brackets and all, on a yellow ground.
class GapHighlighter : public QSyntaxHighlighter {
  public:
    using QSyntaxHighlighter::QSyntaxHighlighter;

  protected:
    void highlightBlock(const QString& text) override {
        QTextCharFormat gap;
        gap.setBackground(QColor(255, 236, 140));
        gap.setFontWeight(QFont::Bold);
        for (auto it = gapPattern().globalMatch(text); it.hasNext();) {
            const auto m = it.next();
            setFormat(static_cast<int>(m.capturedStart()), static_cast<int>(m.capturedLength()),
                      gap);
        }
    }
};

}  // namespace

QStringList gapsOf(const QString& text) {
    QStringList gaps;
    for (auto it = gapPattern().globalMatch(text); it.hasNext();)
        gaps << it.next().captured(1).trimmed();
    return gaps;
}

void PassageForm::buildEntry(int i, QGroupBox* box) {
    auto* rows = new QVBoxLayout(box);
    auto* option = newLineEdit(QString("option%1").arg(i + 1), tr("Button name, e.g. Alcohol"));
    option->setAccessibleName(tr("Button name of passage %1").arg(i + 1));
    option->setToolTip(
        tr("The name on the button that chooses this passage: needed when there are several."));
    binder().line(
        option, {"option", i}, [i](const Document& d) { return d.passages[i].option; },
        [i](Document& d, const QString& t) { d.passages[i].option = t; });
    rows->addWidget(option);
    auto* text = new QPlainTextEdit;
    text->setObjectName(QString("passage%1").arg(i + 1));
    text->setAccessibleName(entryTitle(i));
    text->setPlaceholderText(tr("The passage, with each word to drag in [brackets]"));
    text->setTabChangesFocus(true);
    text->setFixedHeight(text->fontMetrics().lineSpacing() * 6);
    new GapHighlighter(text->document());
    binder().text(
        text, {"text", i}, [i](const Document& d) { return d.passages[i].text; },
        [i](Document& d, const QString& t) { d.passages[i].text = t; });
    rows->addWidget(text);
    auto* gaps = new QLabel;
    gaps->setObjectName(QString("gaps%1").arg(i + 1));
    gaps->setWordWrap(true);
    binder().show(gaps, [i](const Document& d) {
        const QStringList g = gapsOf(d.passages[i].text);
        return g.isEmpty() ? tr("No gaps yet: put each word to drag in [brackets].")
                           : tr("Gaps: %1").arg(g.join(tr(", ")));
    });
    rows->addWidget(gaps);
}

}  // namespace maker
