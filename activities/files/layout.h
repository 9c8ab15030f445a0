#pragma once
// The layout of a file-made screen, computed from its activity: a teacher never types a
// place. Laying out is also the check that everything fits: every text readable from the back
// of a classroom, inside the client area, nothing overlapping.
#include <QLineF>
#include <QRectF>
#include <QSize>
#include <optional>
#include <vector>

#include "activities/files/activity.h"
#include "ui/fonts.h"

namespace activityfiles {

// The client area every full-size screen has, less a margin, and the row of the buttons
// that the engines place themselves.
constexpr float kClientWidth = 11910, kClientHeight = 8565;
constexpr float kMargin = 120;
constexpr float kButtonsTop = 7920;
// No text a pupil reads is smaller than this: the height of a capital, in pixels at scale 1.
// A long text wraps onto more lines rather than shrink below it, on a layout placed by hand too.
constexpr float kSmallestCapital = 14;

constexpr ui::FontSpec kWordFont{"Arial", 15.75f, true};
constexpr ui::FontSpec kInstructionFont{"Arial", 18, true};
constexpr ui::FontSpec kHeadingFont{"Arial", 20.25f, true};
constexpr ui::FontSpec kOptionFont{"Arial", 12, true};

struct Text {
    QString caption;
    QRectF rect;
};

// A draggable word and its box; words of one group are interchangeable on their boxes.
struct Box {
    QString word;
    QString say;  // how the word is read aloud, when it differs
    QRectF box;
    QPointF start;
    int group = 0;
};

// The labelling engine's screens: labelling, sorting and one passage of a passage set.
struct DragPlan {
    QSizeF client{11790, 8400};
    std::optional<Rgb> background;  // none: the engine's own
    QSizeF wordSize;
    ui::FontSpec wordFont = kWordFont;
    ui::FontSpec instructionFont = kInstructionFont;
    std::vector<Box> boxes;
    Text instruction;
    QRectF score;
    // The words' start places dealt out afresh at each opening and Start Again, where the
    // file fixes none: in the file's order they would be the answer.
    bool dealStarts = false;
    // labelling
    QString picturePath;
    QRectF pictureRect;
    QString pictureDescription;
    // A picture of Images that a fixed layout places at its own size: its path as the screens
    // load their pictures ("Images\\skeleton.jpg"), sharp when magnified. Else empty.
    QString ownSizePicture;
    std::vector<QLineF> pointers;
    // sorting
    std::vector<Text> headings;
    float headingPoints = 0;  // one size for all
    std::vector<QLineF> columnLines;
    // passage
    Text passage;
    float passagePoints = 0;
    std::vector<Text> options;  // one per passage when there are several
    bool optionsLater = false;  // shown a moment after the screen, as a fixed layout has them
};

// A question screen's question: its picture, where it goes and where its answers go.
struct QuestionPlan {
    QString picturePath;
    QRectF pictureRect;
    std::vector<QRectF> answers;
    // A screen laid out by hand: the picture beneath everything, and the one that takes its
    // place once the question is answered; empty when not found.
    QString backdropPath, afterPath;
};

struct Planned {
    std::vector<DragPlan> drags;          // labelling and sorting: one; passage: one each
    std::vector<QuestionPlan> questions;  // questions: one each; truefalse: its picture only
    std::vector<Problem> problems;
};

// The passage options of a set, in order; the option shown is `chosen`.
struct OptionSet {
    QStringList captions;
    std::vector<bool> enabled;
};

// Finds a picture: beside the activity file first, then in Images/ of the data folders.
std::optional<QString> locatePicture(const Activity& activity, const QString& name);

// Lays out every screen of the activity, or says what does not fit. A passage set with
// options given (Healthy Living's) uses them in place of the passages' own.
Planned plan(const Activity& activity, const OptionSet* options = nullptr);

// The fixed places of the question screens, shared by their plans and their screens.
namespace places {
// The instruction takes one line above the question.
constexpr QRectF kQuestionInstruction{720, 120, 10185, 435};
constexpr QRectF kQuestionText{720, 600, 10185, 1305};
// The picture takes all the height down to the answers; under them, the Answer button and the
// praise, then the answer in words, which is never shown with the praise.
constexpr QRectF kQuestionPicture{720, 1950, 10470, 3690};
constexpr float kAnswerTop = 5760, kAnswerWidth = 2565, kAnswerHeight = 495, kAnswerGap = 435;
constexpr float kFeedbackTop = 6360;
constexpr QRectF kAnswerInWords{120, 6960, 10200, 900};
constexpr QRectF kStatementPicture{8400, 120, 3195, 3150};
constexpr QRectF kStatement{240, 3240, 11385, 1995};
constexpr QRectF kPassageOption{240, 240, 1575, 375};
constexpr float kOptionStep = 480;
}  // namespace places

// The look of a place laid out by hand: its own font, size and weight where it gives them,
// the screen's where it does not.
ui::FontSpec fontAt(const FixedPlace* place, ui::FontSpec own);

// What a question screen shows when the answer is given away: the right answer, or `answer`
// in its place (its spoken form, to be read aloud).
QString answerInWords(const Question& q, const QString& answer = {});

// The smallest size of a font, in the fit steps down from its own, whose capitals stand
// kSmallestCapital high; its own size when even that is smaller.
float smallestReadablePoints(const ui::FontSpec& font);
// The labelling rule for boxes, by label: a box is misplaced when it has no place (its point
// is off the picture) or lies over another. A box may reach past its picture's edge: it stays
// in the picture's area, clear of the words. The planner reports what breaks the rule; the
// Maker's canvas draws it red.
std::vector<bool> misplacedBoxes(const DragPlan& plan);
bool overlapping(const QRectF& a, const QRectF& b);

// Whether a caption fits a fixed label of that size (wrapped at its words) at that size.
bool fitsAt(const ui::FontSpec& font, float points, const QString& text, QSizeF size, bool border);

}  // namespace activityfiles
