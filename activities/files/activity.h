#pragma once
// An activity as a teacher writes it in a TOML file, once read and checked field by field.
// Nothing in a file is an index: words, columns and answers are named by their text.
#include <QByteArray>
#include <QPointF>
#include <QString>
#include <QStringList>
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
constexpr int kMaxTextLength = 400;  // characters in any one text

// Where something stands in its file, counted from 1 as editors count; 0 when unknown.
struct Position {
    int line = 0;
    int column = 0;
};

struct Problem {
    Position at;
    QString message;
};

// `say`, where a file gives it, is how a text is read aloud when its spoken form differs
// from its written one; empty otherwise.
struct LabelEntry {
    QString word;
    QString say;
    QPointF at;  // the centre of its box, in the picture's own pixels
    std::optional<QPointF> lineTo;
    Position where;
};

struct SortWord {
    QString text;
    QString say;
    int column = 0;  // into Activity::columns
    Position where;
};

// A passage's text, split at its gaps: pieces[0], gaps[0], pieces[1], ..., pieces[n].
struct Passage {
    QString option;
    QStringList pieces;
    QStringList gaps;
    Position where;
};

struct Question {
    QString text;
    QString say;
    QString picture;  // a plain file name, or empty
    QStringList answers;
    QStringList answersSay;  // empty, or how each answer is read aloud, in the answers' order
    int right = 0;           // into answers
    Position where, picturePos;
};

struct Statement {
    QString text;
    QString say;
    bool isTrue = false;
    Position where;
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

    std::vector<LabelEntry> labels;
    QStringList columns;
    std::vector<SortWord> words;
    std::vector<Passage> passages;
    std::vector<Question> questions;
    std::vector<Statement> statements;
};

struct ReadResult {
    std::optional<Activity> activity;  // only when there is no problem
    std::vector<Problem> problems;
    // Where the file asks to go, as far as it could be read even with problems: a broken
    // file still stands in its place, under its own topic.
    int menu = 0;  // 0: none given
    QString topic;
};

// Reads an activity from a file's bytes: its syntax, every field and the bounds. Pictures,
// layout and menu slots are checked later, where they are known.
ReadResult readActivity(const QByteArray& bytes, const QString& fileName = {});

// Reads the file at `path` (a regular file of at most kMaxFileBytes).
ReadResult readActivityFile(const QString& path);

const char* kindName(Kind kind);

}  // namespace activityfiles
