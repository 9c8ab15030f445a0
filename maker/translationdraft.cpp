#include "maker/translationdraft.h"

#include <set>

#include "maker/tomlwriter.h"

namespace maker {

using activityfiles::translationKey;

namespace {

struct Text {
    QString* text;
    FieldRef field;
};

std::vector<Text> textsOf(Document& d) {
    std::vector<Text> out;
    eachText(d, [&](QString& text, const FieldRef& field) { out.push_back({&text, field}); });
    return out;
}

}  // namespace

void eachText(Document& d, const std::function<void(QString&, const FieldRef&)>& f) {
    f(d.title, {"title"});
    f(d.topic, {"topic"});
    f(d.instruction, {"instruction"});
    for (int i = 0; i < static_cast<int>(d.labels.size()); ++i) {
        f(d.labels[i].word, {"word", i});
        f(d.labels[i].say, {"say", i});
    }
    for (int c = 0; c < d.columns.size(); ++c) f(d.columns[c], {"columns", -1, c});
    for (int i = 0; i < static_cast<int>(d.words.size()); ++i) {
        f(d.words[i].text, {"text", i});
        f(d.words[i].say, {"say", i});
    }
    for (int i = 0; i < static_cast<int>(d.passages.size()); ++i) {
        f(d.passages[i].option, {"option", i});
        f(d.passages[i].text, {"text", i});
    }
    for (int i = 0; i < static_cast<int>(d.questions.size()); ++i) {
        Question& q = d.questions[i];
        f(q.text, {"text", i});
        f(q.say, {"say", i});
        for (int a = 0; a < q.answers.size(); ++a) f(q.answers[a], {"answers", i, a});
        for (int a = 0; a < q.answersSay.size(); ++a) f(q.answersSay[a], {"say_answers", i, a});
    }
    for (int i = 0; i < static_cast<int>(d.statements.size()); ++i) {
        f(d.statements[i].text, {"text", i});
        f(d.statements[i].say, {"say", i});
    }
}

Document translationOf(const Document& original, const activityfiles::Translation& translation) {
    std::map<QString, QString> byOriginal;
    for (const activityfiles::TextPair& p : translation.pairs)
        byOriginal.emplace(translationKey(p.original), p.translated);
    Document out = original;
    eachText(out, [&](QString& text, const FieldRef&) {
        const auto it = byOriginal.find(translationKey(text));
        text = text.trimmed().isEmpty() || it == byOriginal.end() ? QString() : it->second;
    });
    return out;
}

std::vector<activityfiles::TextPair> notInForm(const Document& original,
                                               const activityfiles::Translation& translation) {
    std::set<QString> hidden{translationKey(original.byHand.wrong)};
    for (const auto& [picture, description] : original.byHand.describe)
        hidden.insert(translationKey(description));
    for (const activityfiles::Section& s : original.byHand.sections)
        hidden.insert(translationKey(s.button));
    for (const Question& q : original.questions) hidden.insert(translationKey(q.answerInWords));
    Document d = original;
    eachText(d, [&](QString& text, const FieldRef&) { hidden.erase(translationKey(text)); });
    hidden.erase(QString());
    std::vector<activityfiles::TextPair> out;
    for (const activityfiles::TextPair& p : translation.pairs)
        if (hidden.count(translationKey(p.original))) out.push_back(p);
    return out;
}

bool sameShape(const Document& a, const Document& b) {
    Document x = a, y = b;
    const auto blank = [](QString& text, const FieldRef&) { text.clear(); };
    eachText(x, blank);
    eachText(y, blank);
    return x == y;
}

void translateAlike(const Document& original, const Document& before, Document& after) {
    Document o = original, b = before;
    const std::vector<Text> own = textsOf(o), was = textsOf(b), now = textsOf(after);
    for (size_t i = 0; i < now.size(); ++i) {
        if (*now[i].text == *was[i].text || translationKey(*own[i].text).isEmpty()) continue;
        for (size_t j = 0; j < now.size(); ++j)
            if (j != i && translationKey(*own[j].text) == translationKey(*own[i].text))
                *now[j].text = *now[i].text;
    }
}

WrittenTranslation writeTranslation(const Document& original, const Document& translation,
                                    const std::vector<activityfiles::TextPair>& kept) {
    Document o = original, t = translation;
    const std::vector<Text> own = textsOf(o), theirs = textsOf(t);
    WrittenTranslation out;
    QStringList lines;
    std::set<QString> written;
    for (size_t i = 0; i < own.size(); ++i) {
        const QString& from = *own[i].text;
        const QString& to = *theirs[i].text;
        if (translationKey(from).isEmpty() || to.isEmpty() ||
            !written.insert(translationKey(from)).second)
            continue;
        lines << tomlString(from) + " = " + tomlString(to);
        out.fieldAt[static_cast<int>(lines.size())] = own[i].field;
    }
    for (const activityfiles::TextPair& p : kept)
        lines << tomlString(p.original) + " = " + tomlString(p.translated);
    out.text = lines.isEmpty() ? QByteArray() : (lines.join('\n') + '\n').toUtf8();
    return out;
}

}  // namespace maker
