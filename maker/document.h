#pragma once
// The activity the Maker edits: what a teacher types, kept as she typed it, so that a half-made
// activity (an empty word, a gap not yet closed) is still a document. It becomes an activity
// file through the writer, and is checked by reading that file back.
#include <QPointF>
#include <QString>
#include <QStringList>
#include <map>
#include <optional>
#include <vector>

#include "activities/files/activity.h"

namespace maker {

using activityfiles::Kind;

// `say`, in each entry that has it, is how its text is read aloud, when that differs.
struct Label {
    QString word;
    QString say;
    QPointF at;
    std::optional<QPointF> lineTo;
    // Of a screen laid out by hand, kept as read (see ByHand).
    std::optional<QPointF> box, start;
    std::vector<float> line;
    bool operator==(const Label&) const = default;
};

struct SortWord {
    QString text;
    QString say;
    int column = 0;  // by place, so that a column chosen before its heading is typed stays
    std::optional<QPointF> box, start;  // kept as read (see ByHand)
    bool operator==(const SortWord&) const = default;
};

struct PassageText {
    QString option;
    QString text;  // with its gaps in [brackets]
    // Of the passage a layout places, kept as read (see ByHand).
    std::vector<int> blanks;
    std::vector<activityfiles::PlacedWord> placed;
    bool operator==(const PassageText&) const = default;
};

struct Question {
    QString text;
    QString say;
    QString picture;
    QStringList answers;
    int right = 0;
    // Of a screen laid out by hand, kept as read (see ByHand).
    int section = 0;
    std::vector<float> pictureAt;
    QString answerInWords, after;
    QStringList answersSay;  // by answer; may be shorter, an empty one read as written
    bool operator==(const Question&) const = default;
};

// What a file laid out by hand (the program's own activities) holds besides its words: the
// Maker does not edit it, and writes it back as it was read.
struct ByHand {
    std::optional<activityfiles::Rgb> background;
    std::optional<activityfiles::FixedLayout> layout;
    std::map<QString, QString> describe;
    QString backdrop, wrong;
    std::optional<activityfiles::Flash> flash;
    std::vector<activityfiles::Section> sections;
    bool operator==(const ByHand&) const = default;
};

struct Statement {
    QString text;
    QString say;
    bool isTrue = true;
    bool operator==(const Statement&) const = default;
};

struct Document {
    Kind kind = Kind::Labelling;
    int menu = 0;  // where it goes: 0 is Our Activities, else the menu whose `topic` it takes
    QString topic, title, instruction, picture;
    std::vector<Label> labels;
    QStringList columns;
    std::vector<SortWord> words;
    std::vector<PassageText> passages;
    std::vector<Question> questions;
    std::vector<Statement> statements;

    // Comments of a file written by hand: the one at its head and the one above each
    // [[entry]], by entry.
    QString headerComment;
    std::vector<QString> entryComments;

    ByHand byHand;

    bool operator==(const Document&) const = default;

    // The number of [[entries]] of its kind.
    int entryCount() const;
};

// A field of the document: a key of the file, the entry it belongs to (-1: none) and the item
// of a list (-1: the whole field), as a problem's Spot names them.
struct FieldRef {
    QString key;
    int entry = -1;
    int item = -1;
    bool operator==(const FieldRef&) const = default;
    bool isNone() const { return key.isEmpty(); }
};

// A new activity of that kind, blank but for one empty entry to type into.
Document blankDocument(Kind kind);

// Adds a blank entry of the document's kind at the end, or removes the entry `index` (with
// the comment above it).
void appendEntry(Document& document);
void removeEntry(Document& document, int index);

// The document of an activity read from a file; its comments come from the file's text.
Document fromActivity(const activityfiles::Activity& activity, const QByteArray& fileText = {});

using activityfiles::entryName;

}  // namespace maker
