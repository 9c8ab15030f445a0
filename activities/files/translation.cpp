#include "activities/files/translation.h"

#include <QLocale>
#include <QRegularExpression>
#include <algorithm>
#include <map>
#include <optional>
#include <set>

#include "activities/files/problemwords.h"

namespace activityfiles {

QString translationKey(const QString& text) {
    return text.trimmed().normalized(QString::NormalizationForm_C);
}

namespace {

// A passage as a teacher writes it: its pieces with each gap in [brackets].
QString written(const Passage& p) {
    QString out;
    for (qsizetype i = 0; i < p.gaps.size(); ++i) out += p.pieces[i] + '[' + p.gaps[i] + ']';
    return out + p.pieces.value(p.gaps.size());
}

// A translated passage split at its gaps as the reader splits a passage, or nothing when a
// bracket has no partner or a gap is empty.
std::optional<Passage> split(const QString& text) {
    Passage p;
    if (splitGaps(text, p)) return std::nullopt;
    return p;
}

// Every text of an activity that a pupil reads or hears, by the list whose texts must stay
// distinct from one another (0: none): f(text, list).
template <typename A, typename F>
void eachText(A& a, F&& f) {
    f(a.title, 0);
    f(a.topic, 0);
    f(a.instruction, 0);
    f(a.wrong, 0);
    for (auto& l : a.labels) f(l.word, 1);
    for (auto& c : a.columns) f(c, 2);
    for (auto& w : a.words) f(w.text, 0);
    for (auto& p : a.passages) f(p.option, 3);
    int list = 4;
    for (auto& q : a.questions) {
        f(q.text, 0);
        f(q.answerInWords, 0);
        ++list;
        for (auto& answer : q.answers) f(answer, list);
    }
    for (auto& s : a.statements) f(s.text, 0);
    for (auto& s : a.sections) f(s.button, 0);
    for (auto& [picture, description] : a.describe) f(description, 0);
}

using Texts = std::map<QString, const TextPair*>;

Texts byOriginal(const Translation& t) {
    Texts out;
    for (const TextPair& pair : t.pairs) out.emplace(translationKey(pair.original), &pair);
    return out;
}

// The translation of a spoken form, or nothing: an untranslated one is dropped.
void translateSay(QString& say, const Texts& texts) {
    if (say.isEmpty()) return;
    const auto it = texts.find(translationKey(say));
    say = it == texts.end() ? QString() : it->second->translated;
}

}  // namespace

QString translationLanguage(const QString& fileName) {
    static const QRegularExpression pattern(R"(^.+\.([a-z]{2})\.toml$)",
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = pattern.match(fileName);
    if (!m.hasMatch()) return {};
    // Only a language's own code: "notes.ok.toml" is an activity.
    const QString code = m.captured(1).toLower();
    return QLocale::codeToLanguage(code) == QLocale::AnyLanguage ? QString() : code;
}

QString translationFileName(const QString& activityFileName, const QString& language) {
    QString out = activityFileName;
    return out.insert(out.lastIndexOf('.'), '.' + language);
}

std::vector<Problem> checkTranslation(const Activity& activity, const Translation& translation) {
    std::map<QString, int> lists;  // every text of the activity, with its list
    eachText(activity, [&](const QString& text, int list) {
        if (!text.isEmpty()) lists.emplace(translationKey(text), list);
    });
    const auto addSay = [&](const QString& say) {
        if (!say.isEmpty()) lists.emplace(translationKey(say), 0);
    };
    for (const auto& l : activity.labels) addSay(l.say);
    for (const auto& w : activity.words) addSay(w.say);
    for (const auto& q : activity.questions) {
        addSay(q.say);
        for (const QString& say : q.answersSay) addSay(say);
    }
    for (const auto& s : activity.statements) addSay(s.say);
    std::map<QString, const Passage*> passages;
    for (const Passage& p : activity.passages) passages.emplace(translationKey(written(p)), &p);

    std::vector<Problem> out;
    std::map<std::pair<int, QString>, QString> readAlike;  // (list, translation): its original
    // A text left untranslated keeps its words: no translation of its list may read like it.
    std::set<QString> given;
    for (const TextPair& pair : translation.pairs) given.insert(translationKey(pair.original));
    eachText(activity, [&](const QString& text, int list) {
        if (list > 0 && !given.count(translationKey(text)))
            readAlike.emplace(std::pair{list, translationKey(text)}, translationKey(text));
    });
    for (const TextPair& pair : translation.pairs) {
        const QString original = translationKey(pair.original);
        const QString text = translationKey(pair.translated);
        if (text.isEmpty()) {
            out.push_back(fileProblem(pair.at, Fault::TranslationEmpty, {}, {original}));
        } else if (text.size() > kMaxTextLength) {
            out.push_back(fileProblem(pair.at, Fault::TranslationTooLong, {},
                                      {original, QString::number(kMaxTextLength)}));
        } else if (const auto p = passages.find(original); p != passages.end()) {
            const auto mine = split(text);
            if (!mine)
                out.push_back(fileProblem(pair.at, Fault::TranslationBracket, {}));
            else if (mine->gaps.size() != p->second->gaps.size())
                out.push_back(fileProblem(
                    pair.at, Fault::TranslationGaps, {},
                    {QString::number(p->second->gaps.size()), QString::number(mine->gaps.size())}));
        } else if (const auto l = lists.find(original); l == lists.end()) {
            out.push_back(
                fileProblem(pair.at, Fault::TranslationUnknown, {}, {original, activity.fileName}));
        } else if (l->second > 0) {
            const auto [other, fresh] = readAlike.emplace(std::pair{l->second, text}, original);
            if (!fresh && other->second != original)
                out.push_back(fileProblem(pair.at, Fault::TranslationAlike, {},
                                          {other->second, original, text}));
        }
    }
    return out;
}

Activity translated(Activity a, const Translation& translation) {
    const Texts texts = byOriginal(translation);
    eachText(a, [&](QString& text, int) {
        if (text.isEmpty()) return;
        if (const auto it = texts.find(translationKey(text)); it != texts.end())
            text = it->second->translated.trimmed();
    });
    for (auto& l : a.labels) translateSay(l.say, texts);
    for (auto& w : a.words) translateSay(w.say, texts);
    for (auto& q : a.questions) {
        translateSay(q.say, texts);
        for (QString& say : q.answersSay) translateSay(say, texts);
        if (std::all_of(q.answersSay.begin(), q.answersSay.end(),
                        [](const QString& s) { return s.isEmpty(); }))
            q.answersSay.clear();
    }
    for (auto& s : a.statements) translateSay(s.say, texts);
    for (Passage& p : a.passages) {
        const auto it = texts.find(translationKey(written(p)));
        if (it == texts.end()) continue;
        const auto mine = split(it->second->translated.trimmed());
        if (!mine || mine->gaps.size() != p.gaps.size()) continue;
        // A word placed by hand follows its gap into the translation.
        std::vector<bool> used(static_cast<size_t>(p.gaps.size()));
        for (PlacedWord& w : p.placed)
            for (qsizetype g = 0; g < p.gaps.size(); ++g)
                if (!used[static_cast<size_t>(g)] && p.gaps[g] == w.word) {
                    used[static_cast<size_t>(g)] = true;
                    w.word = mine->gaps[g];
                    break;
                }
        p.pieces = mine->pieces;
        p.gaps = mine->gaps;
    }
    return a;
}

}  // namespace activityfiles
