#pragma once
// An activity as a teacher writes it in a TOML file, once read and checked field by field.
// Nothing in a file is an index: words, columns and answers are named by their text.
#include <QByteArray>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <map>
#include <optional>
#include <vector>

namespace activityfiles {

enum class Kind { Labelling, Sorting, Passage, Questions, TrueFalse };

// Bounds on what one file may hold, so that no file can slow a menu or outgrow the screen.
constexpr qint64 kMaxFileBytes = 256 * 1024;
constexpr int kMaxWords = 40;
constexpr int kMaxQuestions = 50;
constexpr int kMinColumns = 2, kMaxColumns = 5;
constexpr int kMinAnswers = 2, kMaxAnswers = 4;
constexpr int kMaxPassages = 4;
constexpr int kMaxSections = 4;
constexpr int kMaxTextLength = 400;  // characters in any one text

// Where something stands in its file, counted from 1 as editors count; 0 when unknown.
struct Position {
    int line = 0;
    int column = 0;
};

// Which message a problem is, so that it can be said in a form's plain words as well as in
// the file's (problemwords.h holds both).
enum class Fault : unsigned char {
    None,  // no plain words of its own: a word list's or a folder's problem
    // the file as a whole
    TooLarge,
    Unreadable,
    NotFound,
    Utf16,
    // its syntax
    NoClosingQuote,
    NoEquals,
    ValueUnreadable,
    HeadingUnclosed,
    LoneBackslash,
    ListUnclosed,
    WrittenTwice,
    Unparsed,
    // its fields
    UnknownField,
    UnknownFieldIn,
    OtherKindsField,
    Missing,
    NotText,
    Empty,
    TooLong,
    ListCount,
    ListItemEmpty,
    ListItemTooLong,
    ListItemTwice,
    Point,
    PictureFolder,
    PictureType,
    NoEntries,
    NotEntries,
    TooManyEntries,
    Colour,
    Twips,
    Font,
    Points,
    Bold,
    PlaceMissing,
    PlaceNeedsLayout,
    PlaceNotPoint,
    PlaceNotLine,
    LayoutSize,
    LayoutRole,
    LayoutNotTable,
    Menu,
    KindUnknown,
    DescribeNotTable,
    DescribeName,
    FlashNotTable,
    FlashColours,
    FlashMs,
    FlashEvery,
    ColumnNone,
    GapInGap,
    GapUnopened,
    GapEmpty,
    GapUnclosed,
    NoGap,
    TooManyGaps,
    OptionTwice,
    PlacedOnlyFirst,
    PlacedMissing,
    BlanksCount,
    BlanksNumber,
    WordNotGap,
    WordsEach,
    SayAnswersCount,
    RightNone,
    PictureAtNeedsLayout,
    AfterNeedsBackdrop,
    QuestionOutsideSection,
    SectionsCount,
    SectionLayout,
    NotTrueOrFalse,
    // where it goes
    MenuNoTopic,
    TopicBuiltIn,
    TopicTaken,
    SmokingBuiltIn,
    HealthyTwice,
    HealthyNoOption,
    // how it is laid out
    TooLongToFit,
    GapTooLong,
    TooMany,
    PointOutside,
    BoxesOverlap,
    NoHeadingPlace,
    PassageTooLong,
    AnswerPlaces,
    NoPicturePlace,
    PictureNotFound,
    PictureUnusable,
    // a translation's texts
    TranslationEmpty,
    TranslationTooLong,
    TranslationBracket,
    TranslationGaps,
    TranslationUnknown,
    TranslationAlike,
    Last = TranslationAlike
};

// Where a problem lies as a form shows the activity: a field by its file key, the entry of the
// kind's entries it is in (from 0, in file order; -1: the activity's own field) and the item of
// a list field (-1: the whole field). No field: the activity as a whole.
struct Spot {
    QString field;
    int entry = -1;
    int item = -1;
    bool operator==(const Spot&) const = default;
};

struct Problem {
    Position at;
    QString message;  // in the file's words, which `--check` gives
    Fault fault = Fault::None;
    Spot spot = {};
    QStringList args = {};  // the names, texts and numbers its words give
};

// `say`, where a file gives it, is how a text is read aloud when its spoken form differs
// from its written one; empty otherwise.
struct LabelEntry {
    QString word;
    QString say;
    QPointF at;  // the centre of its box, in the picture's own pixels
    std::optional<QPointF> lineTo;
    Position where;
    // With a [layout], in twips: the box's top-left corner, where the word starts, and its
    // pointer line [x1, y1, x2, y2] (empty: none).
    std::optional<QPointF> box, start;
    std::vector<float> line;
};

struct SortWord {
    QString text;
    QString say;
    int column = 0;  // into Activity::columns
    Position where;
    std::optional<QPointF> box, start;  // with a [layout], in twips
};

// A word to drag placed by a [layout]: its box's and its start's top-left corners, in twips.
struct PlacedWord {
    QString word;
    QPointF box, start;
    bool operator==(const PlacedWord&) const = default;
};

// A passage's text, split at its gaps: pieces[0], gaps[0], pieces[1], ..., pieces[n].
struct Passage {
    QString option;
    QStringList pieces;
    QStringList gaps;
    Position where;
    // The passage a [layout] places (the first): each gap, with the spaces beside it, as that
    // many blanks; and the words in the order they are dragged, each with its box and start.
    std::vector<int> blanks;
    std::vector<PlacedWord> placed;
};

struct Question {
    QString text;
    QString say;
    QString picture;  // a plain file name, or empty
    QStringList answers;
    QStringList answersSay;  // empty, or how each answer is read aloud, in the answers' order
    int right = 0;           // into answers
    Position where, picturePos;
    // A screen laid out by hand: the section the question belongs to, where its picture goes
    // when not in the layout's "picture" place, what the right answer is in words, and the
    // picture that takes the backdrop's place once the answer is given.
    int section = 0;
    std::vector<float> pictureAt;
    QString answerInWords;
    QString after;
    Position afterPos;
};

struct Statement {
    QString text;
    QString say;
    bool isTrue = false;
    Position where;
};

// A place of a fixed layout, in twips of the screen's client area (15 to a pixel at scale 1):
// `[left, top]`, `[left, top, width, height]` (a line: `[x1, y1, x2, y2]`), or a table that adds
// the text's look: `{ at = [...], font = "Arial", points = 18, bold = true, colour = [r, g, b] }`.
// A colour as 0xRRGGBB, as the forms layer keeps it (ui::Colour); the reader needs no GUI.
using Rgb = unsigned int;

struct FixedPlace {
    std::vector<float> at;       // 2 or 4 numbers
    const char* font = nullptr;  // one of the program's design fonts; null: the screen's own
    std::optional<float> points;
    std::optional<bool> bold;
    std::optional<Rgb> colour;
    Position where;

    QRectF rect() const;  // [left, top] gives an empty size
    // The same place and look, wherever each stands in its file.
    bool operator==(const FixedPlace& o) const {
        return at == o.at && font == o.font && points == o.points && bold == o.bold &&
               colour == o.colour;
    }
};

// A screen laid out by hand, as it was designed, in place of the computed layout: the places
// of its parts by their role. Only the screens that come with the program need one; a teacher
// never has to write one.
struct FixedLayout {
    QSizeF size;                                        // the client area
    std::map<QString, std::vector<FixedPlace>> places;  // a role may hold several places
    Position where;

    // The one place of a role, or null.
    const FixedPlace* place(const QString& role) const;
    bool operator==(const FixedLayout& o) const { return size == o.size && places == o.places; }
};

// How the right answer's button flashes once the answer is given: its fill or else its text
// takes each colour in turn, one each `every` ms; the first change comes after `first` ms.
struct Flash {
    bool fill = false;
    Rgb colours[2] = {};
    int every = 0;
    int first = 0;
    Position where;
    bool operator==(const Flash& o) const {
        return fill == o.fill && colours[0] == o.colours[0] && colours[1] == o.colours[1] &&
               every == o.every && first == o.first;
    }
};

// A questions activity in sections: each is a screen of its own, with its own questions (by
// Question::section) and places; its button shows the next section.
struct Section {
    QString button;
    std::optional<FixedLayout> layout;  // roles that differ from the activity's [layout]
    Position where;
    bool operator==(const Section& o) const { return button == o.button && layout == o.layout; }
};

struct Activity {
    QString fileName;  // identifies the file: the same name in two folders is one file
    QString folder;    // the folder it was read from, where its pictures are looked for first
    int menu = 0;
    QString topic;
    Kind kind = Kind::Labelling;
    QString title;
    QString instruction;
    QString picture;
    Position menuPos, topicPos, picturePos;
    std::optional<Rgb> background;  // the screen's colour, where it has its own
    std::optional<FixedLayout> layout;

    std::vector<LabelEntry> labels;
    QStringList columns;
    std::vector<SortWord> words;
    std::vector<Passage> passages;
    std::vector<Question> questions;
    std::vector<Statement> statements;

    // What each picture shows, by its file name, for pupils who use a screen reader.
    std::map<QString, QString> describe;
    // A questions activity: the picture beneath everything, what a wrong answer says (when
    // not given, the right answer shows in words), its sections.
    QString backdrop;
    Position backdropPos;
    QString wrong;
    std::optional<Flash> flash;
    std::vector<Section> sections;
    // The places of a section's screen: the activity's, with the section's own in their stead.
    std::optional<FixedLayout> layoutOf(int section) const;
};

struct ReadResult {
    std::optional<Activity> activity;  // only when there is no problem
    std::vector<Problem> problems;
    // Where the file asks to go, as far as it could be read even with problems: a broken
    // file still stands in its place, under its own topic.
    int menu = 0;  // 0: none given
    QString topic;
    Kind kind = Kind::Labelling;  // as far as it could be read, to name its entries
};

// Reads an activity from a file's bytes: its syntax, every field and the bounds. Pictures,
// layout and menu slots are checked later, where they are known.
ReadResult readActivity(const QByteArray& bytes, const QString& fileName = {});

// Reads the file at `path` (a regular file of at most kMaxFileBytes).
ReadResult readActivityFile(const QString& path);

const char* kindName(Kind kind);
// What one entry of a kind is called: the table it stands in ([[label]], [[question]]...), and
// its name in plain words ("Question 1").
const char* entryName(Kind kind);
// Splits a passage's text, "made from [tobacco].", into p's pieces and gaps; the fault when a
// bracket has no partner or a gap is empty.
std::optional<Fault> splitGaps(const QString& text, Passage& p);

}  // namespace activityfiles
