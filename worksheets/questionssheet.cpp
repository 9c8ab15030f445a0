// Questions: each numbered, with its picture and a box before each answer; the answer sheet
// ticks the right one. True or false: numbered statements with TRUE and FALSE to circle; the
// answer sheet circles the right one.
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

#include "worksheets/sheets.h"

namespace worksheets {

namespace {

constexpr double kPictureHeight = 130;   // points, at most, of a picture
constexpr double kSmallestPicture = 40;  // ... and at least, to fit a sheet in two pages
constexpr const char* kChoices[] = {QT_TRANSLATE_NOOP("Worksheet", "TRUE"),
                                    QT_TRANSLATE_NOOP("Worksheet", "FALSE")};

// A picture fitted into `height` and half the width, centred on the flow; its height.
double paintPicture(PageFrame& frame, const QImage& picture, double height) {
    if (picture.isNull()) return 0;
    const QSizeF size =
        QSizeF(picture.size()).scaled(frame.width() / 2, height, Qt::KeepAspectRatio);
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
    const double box = frame.pt(kTextPoints + 2), gap = frame.pt(6), after = frame.pt(12);
    const double pictureWidth = frame.width() * 0.36;
    QPainter& p = frame.painter;
    std::vector<QImage> pictures;
    for (size_t q = 0; q < questions.size(); ++q)
        pictures.push_back(q < planned.size() ? greyPicture(prepared, planned[q].picturePath)
                                              : QImage());
    // Each question's text and answers, with its picture beside them on the right.
    const auto textWidth = [&](size_t q) {
        return pictures[q].isNull() ? frame.width() : frame.width() - pictureWidth - gap;
    };
    // As many answers to a row as fit on one line each.
    const QFontMetricsF answerMetrics(answer, p.device());
    std::vector<int> columns;
    for (size_t q = 0; q < questions.size(); ++q) {
        int c = std::max(1, static_cast<int>(questions[q].answers.size()));
        for (; c > 1; --c) {
            const double room = textWidth(q) / c - box - 2 * gap;
            if (std::all_of(
                    questions[q].answers.begin(), questions[q].answers.end(),
                    [&](const QString& a) { return answerMetrics.horizontalAdvance(a) <= room; }))
                break;
        }
        columns.push_back(c);
    }
    const auto cellWidth = [&](size_t q) { return textWidth(q) / columns[q]; };
    const auto answerRow = [&](size_t q, int row) {
        double h = box;
        const auto& all = questions[q].answers;
        for (int i = row * columns[q]; i < std::min<int>(all.size(), (row + 1) * columns[q]); ++i)
            h = std::max(h, frame.textHeight(all[i], answer, cellWidth(q) - box - 2 * gap));
        return h + gap;
    };
    const auto rows = [&](size_t q) {
        return (static_cast<int>(questions[q].answers.size()) + columns[q] - 1) / columns[q];
    };
    const auto pictureSize = [&](size_t q, double most) {
        return pictures[q].isNull()
                   ? QSizeF()
                   : QSizeF(pictures[q].size()).scaled(pictureWidth, most, Qt::KeepAspectRatio);
    };
    const auto textOf = [&](size_t q) {
        return QString("%1.  %2").arg(q + 1).arg(questions[q].text);
    };
    const auto height = [&](size_t q, double most) {
        double h = frame.textHeight(textOf(q), asked, textWidth(q)) + gap;
        for (int r = 0; r < rows(q); ++r) h += answerRow(q, r);
        return std::max(h, pictureSize(q, most).height()) + after;
    };
    // Pictures as large as two pages allow.
    double most = frame.pt(kPictureHeight);
    for (; most > frame.pt(kSmallestPicture); most *= 0.85) {
        std::vector<double> heights;
        for (size_t q = 0; q < questions.size(); ++q) heights.push_back(height(q, most));
        if (frame.fits(heights)) break;
    }
    for (size_t q = 0; q < questions.size(); ++q) {
        const auto& question = questions[q];
        frame.need(height(q, most));
        const double top = frame.y();
        if (!pictures[q].isNull())
            p.drawImage(QRectF(QPointF(frame.left() + frame.width() - pictureWidth, top),
                               pictureSize(q, most)),
                        pictures[q]);
        frame.advance(frame.text(textOf(q), asked, 0, textWidth(q)) + gap);
        for (int r = 0; r < rows(q); ++r) {
            const double rowHeight = answerRow(q, r);
            for (int c = 0; c < columns[q]; ++c) {
                const int i = r * columns[q] + c;
                if (i >= question.answers.size()) break;
                const double x = frame.left() + c * cellWidth(q);
                const QRectF square(x, frame.y(), box, box);
                p.drawRect(square);
                if (answers && i == question.right) {
                    // A tick drawn, not a character: every printer's font has its lines.
                    const auto at = [&](double tx, double ty) {
                        return square.topLeft() + QPointF(tx * box, ty * box);
                    };
                    const QPointF tick[] = {at(0.2, 0.5), at(0.42, 0.78), at(0.85, 0.15)};
                    p.save();
                    p.setPen(
                        QPen(Qt::black, frame.pt(2), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                    p.drawPolyline(tick, 3);
                    p.restore();
                }
                p.setFont(answer);
                p.drawText(
                    QRectF(x + box + gap, frame.y(), cellWidth(q) - box - 2 * gap, rowHeight),
                    Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, question.answers[i]);
            }
            frame.advance(rowHeight);
        }
        frame.advance(std::max(0.0, top + height(q, most) - frame.y()));
    }
}

void paintStatements(PageFrame& frame, const Prepared& prepared, bool answers) {
    const auto& planned = prepared.source.planned.questions;
    if (!planned.empty())
        frame.advance(paintPicture(frame, greyPicture(prepared, planned.front().picturePath),
                                   frame.pt(kPictureHeight)));
    const QFont said = frame.font(kTextPoints + 1), choice = frame.font(kTextPoints + 1, true);
    const QFontMetricsF metrics(choice, frame.painter.device());
    const QString words[] = {QCoreApplication::translate("Worksheet", kChoices[0]),
                             QCoreApplication::translate("Worksheet", kChoices[1])};
    const double choices = metrics.horizontalAdvance(words[0] + "     " + words[1]) + frame.pt(16);
    const double textWidth = frame.width() - choices;
    QPainter& p = frame.painter;
    const auto& statements = prepared.source.activity.statements;
    const auto textOf = [&](size_t i) {
        return QString("%1.  %2").arg(i + 1).arg(statements[i].text);
    };
    std::vector<double> heights;
    for (size_t i = 0; i < statements.size(); ++i)
        heights.push_back(std::max(frame.textHeight(textOf(i), said, textWidth), metrics.height()));
    // Room between statements, less of it when there are many.
    double after = frame.pt(14);
    for (; after > frame.pt(4); after -= frame.pt(2)) {
        std::vector<double> spaced = heights;
        for (double& h : spaced) h += after;
        if (frame.fits(spaced)) break;
    }
    for (size_t i = 0; i < statements.size(); ++i) {
        const QString text = textOf(i);
        const double h = heights[i];
        frame.need(h + after);
        frame.text(text, said, 0, textWidth);
        double x = frame.left() + textWidth + frame.pt(12);
        p.setFont(choice);
        for (int c = 0; c < 2; ++c) {
            const double wide = metrics.horizontalAdvance(words[c]);
            const QRectF word(x, frame.y(), wide, metrics.height());
            p.drawText(word, Qt::AlignLeft | Qt::AlignTop, words[c]);
            if (answers && (c == 0) == statements[i].isTrue)
                p.drawEllipse(word.adjusted(-frame.pt(5), -frame.pt(3), frame.pt(5), frame.pt(3)));
            x += wide + metrics.horizontalAdvance("     ");
        }
        frame.advance(h + after);
    }
}

}  // namespace worksheets
