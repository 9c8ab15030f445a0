// Questions: each numbered, with its picture and a box before each answer; the answer sheet
// ticks the right one. True or false: numbered statements with TRUE and FALSE to circle; the
// answer sheet circles the right one.
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

#include "worksheets/sheets.h"

namespace worksheets {

namespace {

constexpr double kPictureHeight = 130;  // points, at most, of a question's picture
constexpr const char* kChoices[] = {"TRUE", "FALSE"};

// A picture fitted into `height` and half the width, centred on the flow; its height.
double paintPicture(PageFrame& frame, const QImage& picture, double height, bool draw) {
    if (picture.isNull()) return 0;
    const QSizeF size =
        QSizeF(picture.size()).scaled(frame.width() / 2, height, Qt::KeepAspectRatio);
    if (draw)
        frame.painter.drawImage(
            QRectF(QPointF(frame.left() + (frame.width() - size.width()) / 2, frame.y()), size),
            picture);
    return size.height() + frame.pt(6);
}

}  // namespace

void paintQuestions(PageFrame& frame, const Prepared& prepared, bool answers) {
    const auto& questions = prepared.source.activity.questions;
    const auto& planned = prepared.source.planned.questions;
    const QFont asked = frame.font(kTextPoints + 1, true), answer = frame.font(kTextPoints);
    const double box = frame.pt(kTextPoints + 2), indent = frame.pt(24), gap = frame.pt(6);
    QPainter& p = frame.painter;
    for (size_t q = 0; q < questions.size(); ++q) {
        const auto& question = questions[q];
        const QString text = QString("%1.  %2").arg(q + 1).arg(question.text);
        const QImage picture =
            q < planned.size() ? greyPicture(prepared, planned[q].picturePath) : QImage();
        const int n = static_cast<int>(question.answers.size());
        const double cell = (frame.width() - indent) / std::max(n, 1);
        double answersHeight = box;
        for (const QString& a : question.answers)
            answersHeight =
                std::max(answersHeight, frame.textHeight(a, answer, cell - box - 2 * gap));
        const double textHeight = frame.textHeight(text, asked, frame.width());
        frame.need(textHeight + paintPicture(frame, picture, frame.pt(kPictureHeight), false) +
                   answersHeight + frame.pt(14));
        frame.advance(frame.text(text, asked, 0, frame.width()) + gap);
        frame.advance(paintPicture(frame, picture, frame.pt(kPictureHeight), true));
        for (int i = 0; i < n; ++i) {
            const double x = frame.left() + indent + i * cell;
            const QRectF square(x, frame.y(), box, box);
            p.drawRect(square);
            if (answers && i == question.right) {
                // A tick drawn, not a character: every printer's font has its lines.
                const auto at = [&](double x, double y) {
                    return square.topLeft() + QPointF(x * box, y * box);
                };
                const QPointF tick[] = {at(0.2, 0.5), at(0.42, 0.78), at(0.85, 0.15)};
                p.save();
                p.setPen(QPen(Qt::black, frame.pt(2), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                p.drawPolyline(tick, 3);
                p.restore();
            }
            p.setFont(answer);
            p.drawText(QRectF(x + box + gap, frame.y(), cell - box - 2 * gap, answersHeight),
                       Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, question.answers[i]);
        }
        frame.advance(answersHeight + frame.pt(14));
    }
}

void paintStatements(PageFrame& frame, const Prepared& prepared, bool answers) {
    const auto& planned = prepared.source.planned.questions;
    if (!planned.empty())
        frame.advance(paintPicture(frame, greyPicture(prepared, planned.front().picturePath),
                                   frame.pt(kPictureHeight), true));
    const QFont said = frame.font(kTextPoints + 1), choice = frame.font(kTextPoints + 1, true);
    const QFontMetricsF metrics(choice, frame.painter.device());
    const double choices = metrics.horizontalAdvance("TRUE     FALSE") + frame.pt(16);
    const double textWidth = frame.width() - choices;
    QPainter& p = frame.painter;
    const auto& statements = prepared.source.activity.statements;
    for (size_t i = 0; i < statements.size(); ++i) {
        const QString text = QString("%1.  %2").arg(i + 1).arg(statements[i].text);
        const double h = std::max(frame.textHeight(text, said, textWidth), metrics.height());
        frame.need(h + frame.pt(14));
        frame.text(text, said, 0, textWidth);
        double x = frame.left() + textWidth + frame.pt(12);
        p.setFont(choice);
        for (int c = 0; c < 2; ++c) {
            const double wide = metrics.horizontalAdvance(kChoices[c]);
            const QRectF word(x, frame.y(), wide, metrics.height());
            p.drawText(word, Qt::AlignLeft | Qt::AlignTop, kChoices[c]);
            if (answers && (c == 0) == statements[i].isTrue)
                p.drawEllipse(word.adjusted(-frame.pt(5), -frame.pt(3), frame.pt(5), frame.pt(3)));
            x += wide + metrics.horizontalAdvance("     ");
        }
        frame.advance(h + frame.pt(14));
    }
}

}  // namespace worksheets
