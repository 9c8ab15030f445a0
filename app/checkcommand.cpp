#include "app/checkcommand.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <cstdio>

#include "activities/files/catalogue.h"
#include "activities/wordgame/wordlists.h"
#include "ui/files.h"
#include "ui/pictures.h"

using namespace activityfiles;

namespace {

struct Report {
    QString file;
    std::vector<Problem> problems;
};

std::vector<Report> checkWordLists() {
    std::vector<Report> out;
    QStringList paths;
    for (int c = 0; c < wordgame::kCategories; ++c)
        for (const QLocale::Language language : wordgame::kListLanguages)
            if (const auto path = ui::resolveFile(wordgame::wordListName(c, language)))
                paths << *path;
    for (const QString& path : paths) {
        QFile file(path);
        Report& r = out.emplace_back(Report{path, {}});
        if (!file.open(QIODevice::ReadOnly)) {
            r.problems.push_back({{1, 1}, "the file cannot be read"});
            continue;
        }
        const wordgame::CategoryWords words = wordgame::readWordList(file);
        if (words.announced == 0)
            r.problems.push_back({{1, 1},
                                  "the first line must be the number of words below it, "
                                  "such as 30"});
        else if (words.announced != words.present)
            r.problems.push_back(
                {{1, 1},
                 QString("the first line says %1 words, but the list has %2: the game "
                         "takes the first %3")
                     .arg(words.announced)
                     .arg(words.present)
                     .arg(std::min(words.announced, words.present))});
        for (const auto& left : words.leftOut) r.problems.push_back({{left.line, 1}, left.why});
    }
    return out;
}

QString count(int n, const char* one, const char* many) {
    return QString("%1 %2").arg(n).arg(n == 1 ? one : many);
}

// "Checked 25 activity files, 24 translations and 3 word lists: no problems."
QString summary(int files, int translations, int lists, int problems) {
    QStringList parts{count(files, "activity file", "activity files")};
    if (translations > 0) parts << count(translations, "translation", "translations");
    if (lists > 0) parts << count(lists, "word list", "word lists");
    QString out = "Checked " + parts.join(", ");
    if (parts.size() > 1) out.replace(out.lastIndexOf(", "), 2, " and ");
    return out + ": " + (problems == 0 ? "no problems." : count(problems, "problem.", "problems."));
}

}  // namespace

int runCheck(const QStringList& files) {
    std::vector<Draft> drafts;
    for (const QString& name : files) {
        // A translation named is checked with its activity, "skeleton.cy.toml" with
        // "skeleton.toml" beside it.
        const bool translation = !translationLanguage(QFileInfo(name).fileName()).isEmpty();
        drafts.push_back(
            {translation ? QString(name).remove(name.size() - 8, 3) : name, std::nullopt});
    }
    std::vector<size_t> named;
    const Catalogue c = readCatalogueWith(activityFolders(), drafts, named, false);
    std::vector<Report> reports;
    int translations = 0;
    // An activity's problems, then each translation's: its texts, and the translated
    // activity laid out as the screens lay it out.
    const auto report = [&](const CatalogueEntry& e) {
        reports.push_back({e.file.file.path, e.problems()});
        if (!e.used()) return;
        for (const auto& [language, path] : e.file.file.translations) {
            reports.push_back({path, judgeTranslation(e, path, false).problems});
            ++translations;
        }
    };
    if (files.isEmpty()) {
        for (const CatalogueEntry& e : c.entries) report(e);
        for (const FileProblem& p : c.problems) reports.push_back({p.file, {p.problem}});
    } else {
        for (size_t i : named) report(c.entries[i]);
    }
    int lists = 0;
    if (files.isEmpty())
        for (Report& r : checkWordLists()) {
            reports.push_back(std::move(r));
            ++lists;
        }
    int problems = 0;
    for (Report& r : reports) {
        std::stable_sort(
            r.problems.begin(), r.problems.end(), [](const Problem& x, const Problem& y) {
                return x.at.line != y.at.line ? x.at.line < y.at.line : x.at.column < y.at.column;
            });
        for (const Problem& p : r.problems) {
            std::printf("%s:%d:%d: %s\n", qUtf8Printable(r.file), p.at.line, p.at.column,
                        qUtf8Printable(p.message));
            ++problems;
        }
    }
    const int listed =
        files.isEmpty() ? static_cast<int>(c.entries.size()) : static_cast<int>(named.size());
    std::printf("%s\n", qUtf8Printable(summary(listed, translations, lists, problems)));
    std::fflush(stdout);
    return problems > 0 ? 1 : 0;
}
