#include "activities/files/layout.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

#include "activities/files/problemwords.h"
#include "activities/files/topicentry.h"
#include "activities/labelling/labellingscreen.h"
#include "activities/questions/truefalsescreen.h"
#include "speech/speakerbutton.h"
#include "ui/blankwrap.h"
#include "ui/files.h"
#include "ui/pictures.h"
#include "ui/twips.h"

using ui::FontSpec;
using ui::Twips;

namespace activityfiles {

namespace {

constexpr float kContentTop = 960;      // below the instruction
constexpr float kContentBottom = 7200;  // above the score
// Two lines at the smallest readable size, above a sorting screen's headings.
constexpr QRectF kInstruction{kMargin, kMargin, kClientWidth - 2 * kMargin, 735};
constexpr QRectF kScore{3360, 7260, 5205, 585};
constexpr float kWordHeight = 435, kTwoLineWordHeight = 795;
constexpr float kMinWordWidth = 1215, kMaxWordWidth = 3000;
constexpr float kPadding = 240;  // around a word in its box
constexpr float kStep = 105;     // between words and boxes

// The speaker button's corner of each kind stays free of whatever a file places there.
constexpr bool clearOf(const QRectF& r, speech::Corner c) {
    return r.left() >= c.left + speech::kSpeakerSide || r.top() >= c.top + speech::kSpeakerSide ||
           r.right() <= c.left || r.bottom() <= c.top;
}
// Words, boxes and pictures lie between kContentTop and kContentBottom.
static_assert(kContentBottom <= speech::kLabellingCorner.top);
static_assert(clearOf(kScore, speech::kLabellingCorner));
static_assert(kScore.bottom() <= labelling::kButtonsTop);
static_assert(clearOf(places::kQuestionInstruction, speech::kQuestionsCorner));
static_assert(clearOf(places::kQuestionText, speech::kQuestionsCorner));
static_assert(clearOf(places::kQuestionPicture, speech::kQuestionsCorner));
static_assert(places::kAnswerTop >= speech::kQuestionsCorner.top + speech::kSpeakerSide);
static_assert(clearOf(places::kStatementPicture, speech::kQuestionsCorner));

QSizeF sizeOf(const ui::LabelDesign& d) {
    return {d.width, d.height};
}

float roundUp(float twips) {
    return std::ceil(twips / 15) * 15;
}

float roundDown(float twips) {
    return std::floor(twips / 15) * 15;
}

constexpr QChar kNoBreak(0x00A0);

float textWidth(const FontSpec& font, const QString& text) {
    return Twips::fromDesignPixels(QFontMetricsF(ui::makeFont(font)).horizontalAdvance(text));
}

// The box width for these words: the longest at the words' font, within limits.
float wordWidth(const QStringList& words, float most = kMaxWordWidth) {
    float widest = 0;
    for (const QString& w : words) widest = std::max(widest, textWidth(kWordFont, w));
    return std::clamp(roundUp(widest + kPadding), kMinWordWidth, most);
}

// The size of every word's box: one line high, or two when a word is too wide for one, so that
// it wraps rather than shrink.
QSizeF wordSize(const QStringList& words, float most = kMaxWordWidth) {
    const float w = wordWidth(words, most);
    const bool oneLine = std::all_of(words.begin(), words.end(), [&](const QString& word) {
        return textWidth(kWordFont, word) + kPadding <= w;
    });
    return {w, oneLine ? kWordHeight : kTwoLineWordHeight};
}

class Planner {
  public:
    Planner(const Activity& a, const OptionSet* options) : a_(a), options_(options) {}

    Planned run() {
        // The narrowest menu's topic entry, bordered.
        fits(kTopicFont, a_.topic, {kNarrowestTopicWidth, kTopicHeight}, a_.topicPos, "the topic",
             {"topic"}, true);
        // A passage whose words no longer stand where the layout put them (a translation's)
        // is laid out as every other passage is.
        const bool unplaced = a_.kind == Kind::Passage && a_.passages.front().placed.empty();
        if (a_.layout && a_.kind != Kind::Questions && a_.kind != Kind::TrueFalse && !unplaced) {
            fixedDrag();
            return std::move(out_);
        }
        switch (a_.kind) {
            case Kind::Labelling:
                labelling();
                break;
            case Kind::Sorting:
                sorting();
                break;
            case Kind::Passage:
                for (const Passage& p : a_.passages) passage(p);
                break;
            case Kind::Questions:
                if (a_.layout) {
                    for (const Question& q : a_.questions) placedQuestion(q);
                    break;
                }
                fits(kInstructionFont, a_.instruction, places::kQuestionInstruction.size(), {1, 1},
                     "the instruction", {"instruction"}, false, "on one line");
                for (const Question& q : a_.questions) question(q);
                break;
            case Kind::TrueFalse:
                if (a_.layout) {
                    placedTrueFalse();
                    break;
                }
                trueFalse();
                break;
        }
        return std::move(out_);
    }

  private:
    void problem(Position at, Fault fault, Spot spot, QStringList args = {}) {
        out_.problems.push_back(fileProblem(at, fault, std::move(spot), std::move(args)));
    }

    // The entry of the kind's entries that `one` is, from 0.
    template <class T>
    static int entryOf(const std::vector<T>& all, const T& one) {
        return static_cast<int>(&one - all.data());
    }

    // A fixed text that must fit at a readable size.
    bool fits(const FontSpec& font, const QString& text, QSizeF size, Position at,
              const QString& what, Spot spot, bool border = false,
              const char* where = "on the screen", Fault fault = Fault::TooLongToFit) {
        if (fitsAt(font, smallestReadablePoints(font), text, size, border)) return true;
        problem(at, fault, std::move(spot), {what, where, text});
        return false;
    }

    // Where each word to drag stands in the file.
    struct WordAt {
        Position at;
        Spot spot;
    };
    void words(const std::vector<Box>& boxes, const std::vector<WordAt>& where, QSizeF size,
               const FontSpec& font = kWordFont) {
        for (size_t i = 0; i < boxes.size(); ++i)
            fits(font, boxes[i].word, size, where[i].at,
                 QString("the word \"%1\"").arg(boxes[i].word), where[i].spot, true, "in its box",
                 a_.kind == Kind::Passage ? Fault::GapTooLong : Fault::TooLongToFit);
    }

    Text instruction(const QRectF& rect) {
        fits(kInstructionFont, a_.instruction, rect.size(), {1, 1}, "the instruction",
             {"instruction"});
        return {a_.instruction, rect};
    }

    // A picture found and readable, and its size in pixels.
    std::optional<std::pair<QString, QSize>> picture(const QString& name, Position at,
                                                     const Spot& spot) {
        const std::optional<QString> path = locatePicture(a_, name);
        if (!path) {
            problem(at, Fault::PictureNotFound, spot, {name});
            return std::nullopt;
        }
        const ui::PictureJudgement judged = ui::judgePictureFile(*path);
        if (!judged.usable()) {
            problem(at, Fault::PictureUnusable, spot, {name, judged.problem});
            return std::nullopt;
        }
        return std::make_pair(*path, judged.size);
    }

    // The largest rectangle of the picture's proportions inside the area, centred.
    static QRectF fitted(QSize picture, const QRectF& area) {
        const double s = std::min(area.width() / picture.width(), area.height() / picture.height());
        const QSizeF size(picture.width() * s, picture.height() * s);
        return {area.center() - QPointF(size.width() / 2, size.height() / 2), size};
    }

    // Start places in rows of up to `perRow`, centred, from `top`; their bottom edge.
    static float rows(std::vector<Box>& boxes, QSizeF size, float top) {
        const int perRow = std::max(
            1, static_cast<int>((kClientWidth - 2 * kMargin + kStep) / (size.width() + kStep)));
        const int n = static_cast<int>(boxes.size());
        for (int i = 0; i < n; ++i) {
            const int row = i / perRow, inRow = std::min(perRow, n - row * perRow);
            const float rowWidth = inRow * size.width() + (inRow - 1) * kStep;
            const float left = (kClientWidth - rowWidth) / 2;
            boxes[i].start = {roundUp(left + (i % perRow) * (size.width() + kStep)),
                              top + row * static_cast<float>(size.height() + kStep)};
        }
        const int rowCount = (n + perRow - 1) / perRow;
        return top + rowCount * static_cast<float>(size.height() + kStep) - kStep;
    }

    static int rowsNeeded(int n, QSizeF size) {
        const int perRow = std::max(
            1, static_cast<int>((kClientWidth - 2 * kMargin + kStep) / (size.width() + kStep)));
        return (n + perRow - 1) / perRow;
    }

    void tooMany(const char* what) { problem({1, 1}, Fault::TooMany, {}, {what}); }

    void labelling() {
        DragPlan p;
        QStringList all;
        std::vector<WordAt> where;
        for (const LabelEntry& l : a_.labels) {
            all << l.word;
            where.push_back({l.where, {"word", entryOf(a_.labels, l)}});
        }
        p.wordSize = wordSize(all);
        p.instruction = instruction(kInstruction);
        p.score = kScore;
        p.dealStarts = true;
        const int n = static_cast<int>(a_.labels.size());
        for (int i = 0; i < n; ++i) p.boxes.push_back({all[i], a_.labels[i].say, {}, {}, 0});

        // Start places in a column on the left when they fit, or else in rows at the bottom.
        const float w = static_cast<float>(p.wordSize.width());
        const float h = static_cast<float>(p.wordSize.height());
        QRectF area;
        if (kContentTop + n * (h + kStep) - kStep <= kContentBottom) {
            for (int i = 0; i < n; ++i) p.boxes[i].start = {kMargin, kContentTop + i * (h + kStep)};
            const float left = kMargin + w + 2 * kMargin;
            area = {left, kContentTop, kClientWidth - kMargin - left, kContentBottom - kContentTop};
        } else {
            const float top = kContentBottom - rowsNeeded(n, p.wordSize) * (h + kStep) + kStep;
            rows(p.boxes, p.wordSize, top);
            area = {kMargin, kContentTop, kClientWidth - 2 * kMargin, top - kStep - kContentTop};
            if (area.height() < 1500) return tooMany("labels");
        }
        words(p.boxes, where, p.wordSize);

        const auto pic = picture(a_.picture, a_.picturePos, {"picture"});
        if (!pic) return;
        p.picturePath = pic->first;
        p.pictureRect = fitted(pic->second, area);
        const double s = p.pictureRect.width() / pic->second.width();
        const QRectF inPicture(QPointF(0, 0), QSizeF(pic->second));
        const auto onScreen = [&](QPointF at) { return p.pictureRect.topLeft() + at * s; };
        for (int i = 0; i < n; ++i) {
            const LabelEntry& l = a_.labels[i];
            if (!inPicture.contains(l.at) || (l.lineTo && !inPicture.contains(*l.lineTo))) {
                problem(l.where, Fault::PointOutside, {"at", i},
                        {l.word, QString::number(pic->second.width()),
                         QString::number(pic->second.height())});
                continue;
            }
            // Centred on its point, but kept inside the picture's area.
            const QPointF c = onScreen(l.at);
            const float left =
                std::clamp(roundUp(static_cast<float>(c.x()) - w / 2),
                           static_cast<float>(area.left()), static_cast<float>(area.right()) - w);
            const float top =
                std::clamp(roundUp(static_cast<float>(c.y()) - h / 2),
                           static_cast<float>(area.top()), static_cast<float>(area.bottom()) - h);
            p.boxes[i].box = {left, top, w, h};
            p.boxes[i].group = static_cast<int>(all.indexOf(l.word));
            for (int j : boardOf(p).overlapped(i))
                problem(l.where, Fault::BoxesOverlap, {"at", i}, {p.boxes[j].word, l.word});
            if (l.lineTo) {
                // From the edge of the box nearest the point it shows.
                const QPointF tip = onScreen(*l.lineTo);
                const QRectF& b = p.boxes[i].box;
                const QPointF from(std::clamp(tip.x(), b.left(), b.right()),
                                   std::clamp(tip.y(), b.top(), b.bottom()));
                p.pointers.emplace_back(from, tip);
            }
        }
        out_.drags.push_back(std::move(p));
    }

    // ---- a layout fixed by hand -----------------------------------------------------------

    static float f(qreal v) { return static_cast<float>(v); }

    // A role's font: the screen's own, with what its place changes.
    FontSpec fontOf(const FixedPlace* place, FontSpec font) const {
        if (!place) return font;
        if (place->font) font.family = place->font;
        font.points = place->points.value_or(font.points);
        font.bold = place->bold.value_or(font.bold);
        return font;
    }

    QRectF rectOf(const QString& role, const QRectF& otherwise) const {
        const FixedPlace* place = a_.layout->place(role);
        return place && place->at.size() == 4 ? place->rect() : otherwise;
    }

    // Every part the layout places where it says; what it leaves out as the planner would.
    // The first passage of a set is the one it places; the others are planned as usual.
    void fixedDrag() {
        const FixedLayout& layout = *a_.layout;
        DragPlan p;
        p.client = layout.size;
        p.background = a_.background;
        const FixedPlace* word = layout.place("word");
        p.wordFont = fontOf(word, kWordFont);
        // The word's place gives the size of every word and box: [width, height].
        p.wordSize = word && word->at.size() == 2 ? QSizeF(word->at[0], word->at[1])
                                                  : QSizeF(kMinWordWidth, kWordHeight);
        p.instructionFont = fontOf(layout.place("instruction"), kInstructionFont);
        p.instruction = {a_.instruction, rectOf("instruction", kInstruction)};
        fits(p.instructionFont, a_.instruction, p.instruction.rect.size(), {1, 1},
             "the instruction", {"instruction"});
        p.score = rectOf("score", kScore);
        std::vector<WordAt> where;
        switch (a_.kind) {
            case Kind::Labelling:
                for (const LabelEntry& l : a_.labels) {
                    // Boxes of one word are interchangeable, as on a computed layout.
                    int group = 0;
                    while (a_.labels[static_cast<size_t>(group)].word != l.word) ++group;
                    p.boxes.push_back({l.word, l.say, {*l.box, p.wordSize}, *l.start, group});
                    if (l.line.size() == 4)
                        p.pointers.emplace_back(l.line[0], l.line[1], l.line[2], l.line[3]);
                    where.push_back({l.where, {"word", entryOf(a_.labels, l)}});
                }
                if (!a_.picture.isEmpty()) {
                    const auto pic = picture(a_.picture, a_.picturePos, {"picture"});
                    if (!pic) return;
                    p.picturePath = pic->first;
                    p.pictureRect =
                        rectOf("picture", QRectF(QPointF(0, 0), QSizeF(pic->second) * 15));
                    p.pictureDescription =
                        a_.describe.count(a_.picture) ? a_.describe.at(a_.picture) : a_.title;
                    if (a_.folder.isEmpty() || !ui::resolveFileIn(a_.folder, a_.picture))
                        p.ownSizePicture = "Images\\" + a_.picture;
                }
                break;
            case Kind::Sorting: {
                const auto places = layout.places.find("headings");
                for (int c = 0; c < a_.columns.size(); ++c) {
                    const FixedPlace* h = places == layout.places.end() ||
                                                  c >= static_cast<int>(places->second.size())
                                              ? nullptr
                                              : &places->second[static_cast<size_t>(c)];
                    if (!h || h->at.size() != 4) {
                        problem(layout.where, Fault::NoHeadingPlace, {"columns", -1, c},
                                {a_.columns[c]});
                        return;
                    }
                    p.headings.push_back({a_.columns[c], h->rect()});
                    p.headingPoints = h->points.value_or(kHeadingFont.points);
                }
                if (const auto lines = layout.places.find("lines"); lines != layout.places.end())
                    for (const FixedPlace& l : lines->second)
                        if (l.at.size() == 4)
                            p.columnLines.emplace_back(l.at[0], l.at[1], l.at[2], l.at[3]);
                for (const SortWord& w : a_.words) {
                    p.boxes.push_back({w.text, w.say, {*w.box, p.wordSize}, *w.start, w.column});
                    where.push_back({w.where, {"text", entryOf(a_.words, w)}});
                }
                break;
            }
            case Kind::Passage:
                fixedPassage(a_.passages.front(), p);
                where.assign(p.boxes.size(), {a_.passages.front().where, {"text", 0}});
                break;
            case Kind::Questions:
            case Kind::TrueFalse:
                break;
        }
        words(p.boxes, where, p.wordSize, p.wordFont);
        out_.drags.push_back(std::move(p));
        for (size_t k = 1; k < a_.passages.size(); ++k) passage(a_.passages[k]);
    }

    // The passage with each gap, and the spaces beside it, as its number of blanks: the boxes
    // stand where the layout puts them, over those blanks.
    void fixedPassage(const Passage& source, DragPlan& p) {
        const FixedPlace* text = a_.layout->place("passage");
        p.passage.rect = rectOf("passage", {});
        p.passagePoints = text && text->points ? *text->points : 24;
        const auto trimmed = [](QString piece, bool front, bool back) {
            while (front && piece.startsWith(' ')) piece.remove(0, 1);
            while (back && piece.endsWith(' ')) piece.chop(1);
            return piece;
        };
        QString caption;
        for (int i = 0; i < source.gaps.size(); ++i)
            caption += trimmed(source.pieces[i], i > 0, true) +
                       QString(source.blanks[static_cast<size_t>(i)], u' ');
        caption += trimmed(source.pieces.back(), true, false);
        p.passage.caption = caption;
        for (const PlacedWord& w : source.placed)
            p.boxes.push_back({w.word,
                               {},
                               {w.box, p.wordSize},
                               w.start,
                               static_cast<int>(source.gaps.indexOf(w.word))});
        QStringList captions;
        for (const Passage& each : a_.passages) captions << each.option;
        if (options_) captions = options_->captions;
        const auto places = a_.layout->places.find("options");
        for (int i = 0; i < captions.size(); ++i) {
            QRectF r = places::kPassageOption.translated(0, i * places::kOptionStep);
            if (places != a_.layout->places.end() && i < static_cast<int>(places->second.size()))
                r = places->second[static_cast<size_t>(i)].rect();
            p.options.push_back({captions[i], r});
        }
        p.optionsLater = true;
    }

    void sorting() {
        DragPlan p;
        const int columns = static_cast<int>(a_.columns.size());
        const float columnWidth = (kClientWidth - 2 * kMargin - (columns - 1) * kMargin) / columns;
        QStringList all;
        std::vector<WordAt> where;
        for (const SortWord& w : a_.words) {
            all << w.text;
            where.push_back({w.where, {"text", entryOf(a_.words, w)}});
        }
        p.wordSize = wordSize(all, std::min(kMaxWordWidth, columnWidth - kMargin));
        const float w = static_cast<float>(p.wordSize.width());
        const float h = static_cast<float>(p.wordSize.height());
        p.instruction = instruction(kInstruction);
        p.score = kScore;
        p.dealStarts = true;

        constexpr float kHeadingTop = 870;
        const auto [points, headingHeight] = headingSize(columnWidth);
        p.headingPoints = points;
        const float boxesTop = kHeadingTop + headingHeight + kMargin;
        std::vector<int> filled(columns, 0);
        float bottom = boxesTop;
        for (int c = 0; c < columns; ++c) {
            const float left = kMargin + c * (columnWidth + kMargin);
            p.headings.push_back({a_.columns[c], {left, kHeadingTop, columnWidth, headingHeight}});
            if (!fitsAt(kHeadingFont, points, a_.columns[c], {columnWidth, headingHeight}, false))
                problem({1, 1}, Fault::TooLongToFit, {"columns", -1, c},
                        {QString("the column heading \"%1\"").arg(a_.columns[c]), "on the screen"});
        }
        for (const SortWord& word : a_.words) {
            const float left =
                kMargin + word.column * (columnWidth + kMargin) + (columnWidth - w) / 2;
            const float top = boxesTop + filled[word.column]++ * (h + kStep);
            p.boxes.push_back({word.text, word.say, {roundUp(left), top, w, h}, {}, word.column});
            bottom = std::max(bottom, top + h);
        }
        for (int c = 1; c < columns; ++c) {
            const float x = c * (columnWidth + kMargin) + kMargin / 2;
            p.columnLines.emplace_back(x, kHeadingTop, x, bottom);
        }
        words(p.boxes, where, p.wordSize);
        if (rows(p.boxes, p.wordSize, bottom + 2 * kMargin) > kContentBottom)
            return tooMany("words");
        out_.drags.push_back(std::move(p));
    }

    // One size for every column heading: the largest, from the headings' own down to the
    // smallest, at which each fits its column in two lines at most; and their height, one
    // line or two.
    std::pair<float, float> headingSize(float columnWidth) const {
        const float smallest = smallestReadablePoints(kHeadingFont);
        for (float points = kHeadingFont.points; points >= smallest; points -= ui::kFitStepPoints) {
            const float line = Twips::fromDesignPixels(
                QFontMetricsF(ui::makeFont(kHeadingFont, points)).lineSpacing());
            for (const float height : {std::max(555.0f, roundUp(line)), roundUp(2 * line)}) {
                if (std::all_of(a_.columns.begin(), a_.columns.end(), [&](const QString& c) {
                        return fitsAt(kHeadingFont, points, c, {columnWidth, height}, false);
                    }))
                    return {points, height};
            }
        }
        return {smallest, 555};
    }

    // The passage at the largest size from 24 pt down that fits with its gaps, each gap a
    // run of spaces as wide as a box and never split between lines.
    void passage(const Passage& source) {
        DragPlan p;
        const bool withOptions = options_ || a_.passages.size() > 1;
        float top = kContentTop;
        if (withOptions) {
            const QStringList captions = options_ ? options_->captions : [&] {
                QStringList c;
                for (const Passage& each : a_.passages) c << each.option;
                return c;
            }();
            for (int i = 0; i < captions.size(); ++i) {
                QRectF r = places::kPassageOption;
                r.translate(0, i * places::kOptionStep);
                p.options.push_back({captions[i], r});
                fits(kOptionFont, captions[i], {r.width() - 300, r.height()}, source.where,
                     QString("the option \"%1\"").arg(captions[i]),
                     {"option", entryOf(a_.passages, source)});
                top = static_cast<float>(r.bottom()) + kMargin;
            }
        }
        const float textLeft = withOptions ? 2160 : kMargin;
        p.instruction = instruction({textLeft, kMargin, kClientWidth - kMargin - textLeft, 1200});
        top = std::max(top, 1440.0f);
        p.score = kScore;

        p.dealStarts = true;
        const float w = wordWidth(source.gaps);
        const int entry = entryOf(a_.passages, source);
        std::vector<WordAt> where(source.gaps.size(), {source.where, {"text", entry}});
        for (const QString& g : source.gaps) p.boxes.push_back({g, {}, {}, {}, 0});
        for (size_t i = 0; i < p.boxes.size(); ++i)
            p.boxes[i].group = static_cast<int>(source.gaps.indexOf(p.boxes[i].word));
        const float startTop =
            kContentBottom -
            rowsNeeded(static_cast<int>(p.boxes.size()), {w, kWordHeight}) * (kWordHeight + kStep) +
            kStep;
        const QRectF rect(2 * kMargin, top, kClientWidth - 4 * kMargin, startTop - kMargin - top);
        if (rect.height() < 600) return tooMany("gaps");
        p.passage.rect = rect;

        const float smallest = smallestReadablePoints(kPassageFont);
        for (float points = kPassageFont.points; points >= smallest; points -= ui::kFitStepPoints) {
            if (!layPassage(source, p, points, w)) continue;
            rows(p.boxes, p.wordSize, startTop);
            words(p.boxes, where, p.wordSize);
            out_.drags.push_back(std::move(p));
            return;
        }
        problem(source.where, Fault::PassageTooLong, {"text", entry});
    }

    // Each gap is a run of no-break spaces as wide as a box, glued to the punctuation after
    // it: the wrap moves a gap and its comma to the next line together, never one without
    // the other, and fills every line before it.
    static bool layPassage(const Passage& source, DragPlan& p, float points, float w) {
        const QFontMetricsF metrics(ui::makeFont(kPassageFont, points));
        const QRect inner = Twips::designRect(static_cast<float>(p.passage.rect.width()),
                                              static_cast<float>(p.passage.rect.height()));
        const float lineTwips = Twips::fromDesignPixels(metrics.lineSpacing());
        const float h = std::min(kWordHeight, roundUp(lineTwips) - 30);
        if (h < 300) return false;
        const QString run(static_cast<int>(std::ceil(
                              w / Twips::fromDesignPixels(metrics.horizontalAdvance(kNoBreak)))),
                          kNoBreak);
        const float runWidth = Twips::fromDesignPixels(metrics.horizontalAdvance(run));
        QString caption;
        std::vector<int> runStart;
        for (int i = 0; i < source.gaps.size(); ++i) {
            caption += source.pieces[i];
            runStart.push_back(static_cast<int>(caption.size()));
            caption += run;
        }
        caption += source.pieces.back();
        const auto lines = ui::wrapCarryingBlankRuns(caption, metrics, inner.width());
        if (lines.size() * metrics.lineSpacing() > inner.height()) return false;
        for (const ui::TextLine& line : lines) {
            QString text = caption.mid(line.start, line.length);
            while (text.endsWith(' ')) text.chop(1);
            if (metrics.horizontalAdvance(text) > inner.width()) return false;
        }
        p.boxes.resize(source.gaps.size());
        for (int i = 0; i < source.gaps.size(); ++i) {
            const int s = runStart[i];
            size_t k = 0;
            while (k + 1 < lines.size() && lines[k].start + lines[k].length <= s) ++k;
            const QString before = caption.mid(lines[k].start, s - lines[k].start);
            const float x = Twips::fromDesignPixels(metrics.horizontalAdvance(before));
            const float y = static_cast<float>(k) * lineTwips;
            // At the run's right end, so that what follows the gap stands right after its box.
            p.boxes[i].box = {
                roundDown(static_cast<float>(p.passage.rect.left()) + x + runWidth - w),
                roundUp(static_cast<float>(p.passage.rect.top()) + y + (lineTwips - h) / 2), w, h};
        }
        p.passage.caption = caption;
        p.passagePoints = points;
        p.wordSize = {w, h};
        return true;
    }

    void question(const Question& q) {
        using namespace places;
        QuestionPlan plan;
        const int entry = entryOf(a_.questions, q);
        fits(questions::kQuestionFont, q.text, kQuestionText.size(), q.where, "the question",
             {"text", entry});
        const int n = static_cast<int>(q.answers.size());
        const float rowWidth = n * kAnswerWidth + (n - 1) * kAnswerGap;
        for (int i = 0; i < n; ++i) {
            plan.answers.emplace_back(
                roundUp((kClientWidth - rowWidth) / 2) + i * (kAnswerWidth + kAnswerGap),
                kAnswerTop, kAnswerWidth, kAnswerHeight);
            fits(questions::kAnswerButtonFont, q.answers[i], {kAnswerWidth, kAnswerHeight}, q.where,
                 QString("the answer \"%1\"").arg(q.answers[i]), {"answers", entry, i}, true);
        }
        fits(questions::kRightAnswerFont, answerInWords(q), kAnswerInWords.size(), q.where,
             "the right answer", {"right", entry});
        if (!q.picture.isEmpty()) {
            const auto pic = picture(q.picture, q.picturePos, {"picture", entry});
            if (!pic) return;
            plan.picturePath = pic->first;
            plan.pictureRect = fitted(pic->second, kQuestionPicture);
        }
        out_.questions.push_back(std::move(plan));
    }

    void trueFalse() {
        for (const Statement& s : a_.statements)
            fits(questions::kStatementDesign.font, s.text, sizeOf(questions::kStatementDesign),
                 s.where, "the statement", {"text", entryOf(a_.statements, s)});
        fits(questions::kTrueFalseInstruction.font, a_.instruction,
             sizeOf(questions::kTrueFalseInstruction), {1, 1}, "the instruction", {"instruction"});
        QuestionPlan plan;
        if (!a_.picture.isEmpty()) {
            const auto pic = picture(a_.picture, a_.picturePos, {"picture"});
            if (!pic) return;
            plan.picturePath = pic->first;
            plan.pictureRect = fitted(pic->second, places::kStatementPicture);
        }
        out_.questions.push_back(std::move(plan));
    }

    // ---- screens laid out by hand: the file's places, checked; a picture not found leaves
    // its slot empty, as the program's own screens always have.

    // A text that must fit its place, when the layout places it.
    void fitsPlace(const FixedLayout& layout, const char* role, ui::FontSpec own,
                   const QString& text, Position at, const QString& what, const Spot& spot,
                   bool border = false) {
        const FixedPlace* place = layout.place(role);
        if (place && !text.isEmpty())
            fits(fontAt(place, own), text, place->rect().size(), at, what, spot, border);
    }

    QString foundPicture(const QString& name, Position at, const Spot& spot) {
        if (name.isEmpty()) return {};
        const auto pic = picture(name, at, spot);
        return pic ? pic->first : QString();
    }

    void placedQuestion(const Question& q) {
        const FixedLayout layout = *a_.layoutOf(q.section);
        QuestionPlan plan;
        const int entry = entryOf(a_.questions, q);
        fitsPlace(layout, "question", questions::kQuestionFont, q.text, q.where, "the question",
                  {"text", entry});
        fitsPlace(layout, "right_answer", questions::kRightAnswerFont,
                  q.answerInWords.isEmpty() ? answerInWords(q) : q.answerInWords, q.where,
                  "the right answer", {"right", entry});
        const auto found = layout.places.find("answers");
        const int places = found == layout.places.end() ? 0 : int(found->second.size());
        if (places < q.answers.size())
            problem(q.where, Fault::AnswerPlaces, {"answers", entry},
                    {QString::number(places), QString::number(q.answers.size())});
        for (int i = 0; i < places; ++i) {
            const FixedPlace& place = found->second[static_cast<size_t>(i)];
            plan.answers.push_back(place.rect());
            if (i < q.answers.size())
                fits(fontAt(&place, questions::kAnswerButtonFont), q.answers[i],
                     place.rect().size(), q.where, QString("the answer \"%1\"").arg(q.answers[i]),
                     {"answers", entry, i}, true);
        }
        if (!q.picture.isEmpty()) {
            const FixedPlace* place = layout.place("picture");
            if (q.pictureAt.size() == 4)
                plan.pictureRect =
                    QRectF(q.pictureAt[0], q.pictureAt[1], q.pictureAt[2], q.pictureAt[3]);
            else if (place)
                plan.pictureRect = place->rect();
            else
                problem(q.picturePos, Fault::NoPicturePlace, {"picture", entry});
            plan.picturePath = foundPicture(q.picture, q.picturePos, {"picture", entry});
        }
        plan.backdropPath = foundPicture(a_.backdrop, a_.backdropPos, {"backdrop"});
        plan.afterPath = foundPicture(q.after, q.afterPos, {"after", entry});
        out_.questions.push_back(std::move(plan));
    }

    void placedTrueFalse() {
        const FixedLayout& layout = *a_.layout;
        for (const Statement& s : a_.statements)
            fitsPlace(layout, "statement", questions::kStatementDesign.font, s.text, s.where,
                      "the statement", {"text", entryOf(a_.statements, s)});
        fitsPlace(layout, "instruction", questions::kTrueFalseInstruction.font, a_.instruction,
                  {1, 1}, "the instruction", {"instruction"});
        QuestionPlan plan;
        const FixedPlace* place = layout.place("picture");
        plan.pictureRect = place ? place->rect() : places::kStatementPicture;
        plan.picturePath = foundPicture(a_.picture, a_.picturePos, {"picture"});
        out_.questions.push_back(std::move(plan));
    }

    const Activity& a_;
    const OptionSet* options_;
    Planned out_;
};

}  // namespace

labelling::Rect boardRect(const QRectF& r) {
    return {static_cast<float>(r.left()), static_cast<float>(r.top()),
            static_cast<float>(r.width()), static_cast<float>(r.height())};
}

labelling::Board boardOf(const DragPlan& plan) {
    std::vector<labelling::Board::Piece> pieces;
    for (const Box& b : plan.boxes) {
        int alike = 0;
        while (plan.boxes[static_cast<size_t>(alike)].word != b.word) ++alike;
        pieces.push_back({boardRect(b.box), boardRect({b.start, plan.wordSize}), b.group, alike});
    }
    return labelling::Board(std::move(pieces));
}

ui::FontSpec fontAt(const FixedPlace* place, ui::FontSpec own) {
    if (!place) return own;
    if (place->font) own.family = place->font;
    if (place->points) own.points = *place->points;
    if (place->bold) own.bold = *place->bold;
    return own;
}

QString answerInWords(const Question& q, const QString& answer) {
    return QCoreApplication::translate("Layout", "The answer is: %1")
        .arg(answer.isEmpty() ? q.answers.value(q.right) : answer);
}

float smallestReadablePoints(const FontSpec& font) {
    const auto capital = [&](float points) {
        return QFontMetricsF(ui::makeFont(font, points)).capHeight();
    };
    float points = font.points;
    while (capital(points - ui::kFitStepPoints) >= kSmallestCapital) points -= ui::kFitStepPoints;
    return points;
}

bool fitsAt(const FontSpec& font, float points, const QString& text, QSizeF size, bool border) {
    QRect inner =
        Twips::designRect(static_cast<float>(size.width()), static_cast<float>(size.height()));
    if (border) inner.adjust(1, 1, -1, -1);
    const QRect need =
        QFontMetrics(ui::makeFont(font, points))
            .boundingRect(inner, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, text);
    return need.width() <= inner.width() && need.height() <= inner.height();
}

std::optional<QString> locatePicture(const Activity& activity, const QString& name) {
    if (!activity.folder.isEmpty())
        if (auto beside = ui::resolveFileIn(activity.folder, name)) return beside;
    return ui::resolveFile("Images/" + name);
}

Planned plan(const Activity& activity, const OptionSet* options) {
    return Planner(activity, options).run();
}

}  // namespace activityfiles
