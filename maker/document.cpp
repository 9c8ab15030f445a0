#include "maker/document.h"

#include "maker/comments.h"

namespace maker {

int Document::entryCount() const {
    switch (kind) {
        case Kind::Labelling:
            return static_cast<int>(labels.size());
        case Kind::Sorting:
            return static_cast<int>(words.size());
        case Kind::Passage:
            return static_cast<int>(passages.size());
        case Kind::Questions:
            return static_cast<int>(questions.size());
        case Kind::TrueFalse:
            return static_cast<int>(statements.size());
    }
    return 0;
}

Document blankDocument(Kind kind) {
    Document d;
    d.kind = kind;
    if (kind == Kind::Sorting) d.columns = QStringList{QString(), QString()};
    // Labels are made by clicking on the picture; the other kinds start with an entry.
    if (kind != Kind::Labelling) appendEntry(d);
    return d;
}

void appendEntry(Document& d) {
    switch (d.kind) {
        case Kind::Labelling:
            d.labels.push_back({});
            break;
        case Kind::Sorting:
            d.words.push_back({});
            break;
        case Kind::Passage:
            d.passages.push_back({});
            break;
        case Kind::Questions:
            d.questions.emplace_back().answers = {QString(), QString()};
            break;
        case Kind::TrueFalse:
            d.statements.push_back({});
            break;
    }
}

namespace {
template <class T>
void eraseAt(std::vector<T>& v, int index) {
    if (index >= 0 && index < static_cast<int>(v.size())) v.erase(v.begin() + index);
}
}  // namespace

void removeEntry(Document& d, int index) {
    eraseAt(d.labels, index);
    eraseAt(d.words, index);
    eraseAt(d.passages, index);
    eraseAt(d.questions, index);
    eraseAt(d.statements, index);
    eraseAt(d.entryComments, index);
}

Document fromActivity(const activityfiles::Activity& a, const QByteArray& fileText) {
    Document d;
    d.kind = a.kind;
    d.menu = a.menu;
    d.topic = a.topic;
    d.title = a.title;
    d.instruction = a.instruction;
    d.picture = a.picture;
    for (const activityfiles::LabelEntry& l : a.labels)
        d.labels.push_back({l.word, l.say, l.at, l.lineTo, l.box, l.start, l.line});
    d.columns = a.columns;
    for (const activityfiles::SortWord& w : a.words)
        d.words.push_back({w.text, w.say, w.column, w.box, w.start});
    for (const activityfiles::Passage& p : a.passages) {
        QString text = p.pieces.value(0);
        for (int g = 0; g < p.gaps.size(); ++g)
            text += '[' + p.gaps[g] + ']' + p.pieces.value(g + 1);
        d.passages.push_back({p.option, text, p.blanks, p.placed});
    }
    for (const activityfiles::Question& q : a.questions)
        d.questions.push_back({q.text, q.say, q.picture, q.answers, q.right, q.section, q.pictureAt,
                               q.answerInWords, q.after, q.answersSay});
    d.byHand = {a.background, a.layout, a.describe, a.backdrop, a.wrong, a.flash, a.sections};
    for (const activityfiles::Statement& s : a.statements)
        d.statements.push_back({s.text, s.say, s.isTrue});
    if (!fileText.isEmpty()) {
        FileComments comments = readComments(fileText);
        d.headerComment = comments.header;
        d.entryComments = std::move(comments.entries);
    }
    return d;
}

}  // namespace maker
