#include "maker/tomlwriter.h"

#include <QStringList>
#include <algorithm>

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

// ---- a file laid out by hand, written back as it was read ---------------------------------

QString rgb(activityfiles::Rgb c) {
    return QString("[%1, %2, %3]").arg(c >> 16 & 0xff).arg(c >> 8 & 0xff).arg(c & 0xff);
}

QString numbers(const std::vector<float>& v) {
    QStringList out;
    for (float n : v) out << number(n);
    return '[' + out.join(", ") + ']';
}

QString place(const activityfiles::FixedPlace& p) {
    if (!p.font && !p.points && !p.bold && !p.colour) return numbers(p.at);
    QStringList parts;
    if (!p.at.empty()) parts << "at = " + numbers(p.at);
    if (p.font) parts << "font = " + tomlString(p.font);
    if (p.points) parts << "points = " + number(*p.points);
    if (p.bold) parts << QString("bold = %1").arg(*p.bold ? "true" : "false");
    if (p.colour) parts << "colour = " + rgb(*p.colour);
    return "{ " + parts.join(", ") + " }";
}

// `[layout]` or `[section.layout]`, each role on a line of its own.
QStringList layoutLines(const activityfiles::FixedLayout& layout, const QString& header,
                        bool withSize) {
    QStringList out{header};
    if (withSize)
        out << QString("size = [%1, %2]")
                   .arg(number(layout.size.width()), number(layout.size.height()));
    for (const auto& [role, places] : layout.places) {
        QStringList each;
        for (const auto& p : places) each << place(p);
        out << role + " = " + (places.size() == 1 ? each[0] : "[" + each.join(", ") + "]");
    }
    return out;
}

class Writer {
  public:
    void line(const QString& text) { out_.text += text.toUtf8() + '\n'; }
    void blank() { line({}); }
    void comment(const QString& lines) {
        if (lines.isEmpty()) return;
        for (const QString& l : lines.split('\n')) line(l);
    }
    void key(const QString& key, const QString& value) { line(key + " = " + value); }
    void text(const QString& key, const QString& value) { this->key(key, tomlString(value)); }
    // How an entry's text is read aloud, only where she gave another form.
    void spoken(const QString& say) {
        if (!say.isEmpty()) text("say", say);
    }
    void entry(const Document& d, int index, const QString& table = {}) {
        blank();
        if (index < static_cast<int>(d.entryComments.size())) comment(d.entryComments[index]);
        line(QString("[[%1]]").arg(table.isEmpty() ? entryName(d.kind) : table));
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
    const ByHand& h = d.byHand;
    if (h.background) w.key("background", rgb(*h.background));
    if (!h.backdrop.isEmpty()) w.text("backdrop", h.backdrop);
    if (!h.wrong.isEmpty()) w.text("wrong", h.wrong);
    if (h.flash)
        w.key("flash", QString("{ %1 = [%2, %3], every = %4, first = %5 }")
                           .arg(h.flash->fill ? "fill" : "text", rgb(h.flash->colours[0]),
                                rgb(h.flash->colours[1]))
                           .arg(h.flash->every)
                           .arg(h.flash->first));
    if (h.layout) {
        w.blank();
        for (const QString& l : layoutLines(*h.layout, "[layout]", true)) w.line(l);
    }
    if (!h.describe.empty()) {
        w.blank();
        w.line("[describe]");
        for (const auto& [picture, text] : h.describe)
            w.line(tomlString(picture) + " = " + tomlString(text));
    }
    // In sections, each [[section]] before its own questions.
    const int sections = d.kind == Kind::Questions ? static_cast<int>(h.sections.size()) : 0;
    for (int i = 0, section = -1; i < d.entryCount(); ++i) {
        if (sections > 0) {
            while (section < std::min(d.questions[i].section, sections - 1)) {
                const activityfiles::Section& s = h.sections[++section];
                w.blank();
                w.line("[[section]]");
                w.text("button", s.button);
                if (s.layout)
                    for (const QString& l : layoutLines(*s.layout, "[section.layout]", false))
                        w.line(l);
            }
            w.entry(d, i, "section.question");
        } else {
            w.entry(d, i);
        }
        switch (d.kind) {
            case Kind::Labelling: {
                const Label& l = d.labels[i];
                w.text("word", l.word);
                w.spoken(l.say);
                // A label placed by hand has no point on the picture.
                if (!l.box) w.key("at", point(l.at));
                if (l.lineTo) w.key("line_to", point(*l.lineTo));
                if (l.box) w.key("box", point(*l.box));
                if (l.start) w.key("start", point(*l.start));
                if (!l.line.empty()) w.key("line", numbers(l.line));
                break;
            }
            case Kind::Sorting: {
                const SortWord& s = d.words[i];
                w.text("text", s.text);
                w.spoken(s.say);
                w.text("column", d.columns.value(s.column));
                if (s.box) w.key("box", point(*s.box));
                if (s.start) w.key("start", point(*s.start));
                break;
            }
            case Kind::Passage: {
                const PassageText& p = d.passages[i];
                if (!p.option.isEmpty()) w.text("option", p.option);
                w.text("text", p.text);
                if (!p.blanks.empty()) {
                    QStringList blanks, placed;
                    for (int b : p.blanks) blanks << QString::number(b);
                    for (const activityfiles::PlacedWord& pw : p.placed)
                        placed << QString("{ word = %1, box = %2, start = %3 }")
                                      .arg(tomlString(pw.word), point(pw.box), point(pw.start));
                    w.key("blanks", '[' + blanks.join(", ") + ']');
                    w.key("words", '[' + placed.join(", ") + ']');
                }
                break;
            }
            case Kind::Questions: {
                const Question& q = d.questions[i];
                w.text("text", q.text);
                w.spoken(q.say);
                if (!q.picture.isEmpty()) w.text("picture", q.picture);
                w.key("answers", list(q.answers));
                // Every answer's spoken form, or none: one not given is read as written.
                if (std::any_of(q.answersSay.begin(), q.answersSay.end(),
                                [](const QString& say) { return !say.isEmpty(); })) {
                    QStringList said;
                    for (int a = 0; a < q.answers.size(); ++a)
                        said << (q.answersSay.value(a).isEmpty() ? q.answers[a]
                                                                 : q.answersSay.value(a));
                    w.key("say_answers", list(said));
                }
                w.text("right", q.answers.value(q.right));
                if (!q.pictureAt.empty()) w.key("picture_at", numbers(q.pictureAt));
                if (!q.answerInWords.isEmpty()) w.text("answer_in_words", q.answerInWords);
                if (!q.after.isEmpty()) w.text("after", q.after);
                break;
            }
            case Kind::TrueFalse:
                w.text("text", d.statements[i].text);
                w.spoken(d.statements[i].say);
                w.key("true", d.statements[i].isTrue ? "true" : "false");
                break;
        }
    }
    return w.finish();
}

}  // namespace maker
