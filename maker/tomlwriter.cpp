#include "maker/tomlwriter.h"

#include <QStringList>

namespace maker {

namespace {

QString number(double v) {
    return QString::number(v, 'g', 10);
}

QString point(QPointF p) {
    return QString("[%1, %2]").arg(number(p.x()), number(p.y()));
}

QString list(const QStringList& texts) {
    QStringList quoted;
    for (const QString& t : texts) quoted << tomlString(t);
    return '[' + quoted.join(", ") + ']';
}

class Writer {
  public:
    void line(const QString& text, FieldRef field = {}) {
        out_.text += text.toUtf8() + '\n';
        out_.lines.push_back(std::move(field));
    }
    void blank() { line({}); }
    void comment(const QString& lines) {
        if (lines.isEmpty()) return;
        for (const QString& l : lines.split('\n')) line(l);
    }
    void key(const QString& key, const QString& value, int entry = -1) {
        line(key + " = " + value, {key, entry});
    }
    void text(const QString& key, const QString& value, int entry = -1) {
        this->key(key, tomlString(value), entry);
    }
    // How an entry's text is read aloud, only where she gave another form.
    void spoken(const QString& say, int entry) {
        if (!say.isEmpty()) text("say", say, entry);
    }
    void entry(const Document& d, int index) {
        blank();
        if (index < static_cast<int>(d.entryComments.size())) comment(d.entryComments[index]);
        line(QString("[[%1]]").arg(entryName(d.kind)), {QString("[[]]"), index});
    }
    WrittenFile finish() { return std::move(out_); }

  private:
    WrittenFile out_;
};

}  // namespace

QString tomlString(const QString& text) {
    QString out = "\"";
    for (const QChar c : text) {
        switch (c.unicode()) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\r':
                out += "\\r";
                break;
            default:
                if (c.unicode() < 0x20 || c.unicode() == 0x7f)
                    out += QString("\\u%1").arg(c.unicode(), 4, 16, QChar('0'));
                else
                    out += c;
        }
    }
    return out + '"';
}

FieldRef WrittenFile::fieldAt(int line) const {
    return line >= 1 && line <= static_cast<int>(lines.size()) ? lines[line - 1] : FieldRef{};
}

WrittenFile writeActivity(const Document& d) {
    Writer w;
    w.comment(d.headerComment);
    if (d.menu > 0) w.key("menu", QString::number(d.menu));
    w.text("topic", d.topic);
    w.text("kind", activityfiles::kindName(d.kind));
    if (!d.title.isEmpty()) w.text("title", d.title);
    if (!d.instruction.isEmpty()) w.text("instruction", d.instruction);
    switch (d.kind) {
        case Kind::Labelling:
        case Kind::TrueFalse:
            if (d.kind == Kind::Labelling || !d.picture.isEmpty()) {
                w.blank();
                w.text("picture", d.picture);
            }
            break;
        case Kind::Sorting:
            w.blank();
            w.key("columns", list(d.columns));
            break;
        default:
            break;
    }
    for (int i = 0; i < d.entryCount(); ++i) {
        w.entry(d, i);
        switch (d.kind) {
            case Kind::Labelling: {
                const Label& l = d.labels[i];
                w.text("word", l.word, i);
                w.spoken(l.say, i);
                w.key("at", point(l.at), i);
                if (l.lineTo) w.key("line_to", point(*l.lineTo), i);
                break;
            }
            case Kind::Sorting:
                w.text("text", d.words[i].text, i);
                w.spoken(d.words[i].say, i);
                w.text("column", d.columns.value(d.words[i].column), i);
                break;
            case Kind::Passage:
                if (!d.passages[i].option.isEmpty()) w.text("option", d.passages[i].option, i);
                w.text("text", d.passages[i].text, i);
                break;
            case Kind::Questions: {
                const Question& q = d.questions[i];
                w.text("text", q.text, i);
                w.spoken(q.say, i);
                if (!q.picture.isEmpty()) w.text("picture", q.picture, i);
                w.key("answers", list(q.answers), i);
                w.text("right", q.answers.value(q.right), i);
                break;
            }
            case Kind::TrueFalse:
                w.text("text", d.statements[i].text, i);
                w.spoken(d.statements[i].say, i);
                w.key("true", d.statements[i].isTrue ? "true" : "false", i);
                break;
        }
    }
    return w.finish();
}

}  // namespace maker
