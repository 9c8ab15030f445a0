#include "app/checkcommand.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <cstdio>

#include "activities/files/arrangement.h"
#include "activities/wordgame/wordlists.h"
#include "ui/files.h"
#include "ui/pictures.h"

using namespace activityfiles;

namespace {

struct Report {
    QString file;
    std::vector<Problem> problems;
};

// The data folders' files with the named ones first, each as if it lay in her own folder:
// a named file that is one of them stands where it is found.
Library libraryWith(const QStringList& named, std::vector<size_t>& reported) {
    Library library = loadLibrary(activityFolders(), false);
    std::vector<LoadedFile> front;
    for (const QString& name : named) {
        const QString real = QFileInfo(name).canonicalFilePath();
        LoadedFile own;
        own.file = {name, QFileInfo(name).fileName(), -1, {}, {}};
        own.read = std::make_shared<const ReadResult>(readActivityFile(name));
        bool found = false;
        for (auto f = library.files.begin(); f != library.files.end(); ++f) {
            if (!real.isEmpty() && QFileInfo(f->file.path).canonicalFilePath() == real) {
                f->file.path = name;  // reported as she wrote it
                found = true;
                break;
            }
            if (f->file.fileName.compare(own.file.fileName, Qt::CaseInsensitive) == 0) {
                own.file.hides = f->file.path;
                own.hidden = f->read;
                library.files.erase(f);
                break;
            }
        }
        if (!found) front.push_back(std::move(own));
    }
    library.files.insert(library.files.begin(), std::make_move_iterator(front.begin()),
                         std::make_move_iterator(front.end()));
    for (const QString& name : named)
        for (size_t i = 0; i < library.files.size(); ++i)
            if (library.files[i].file.path == name) {
                reported.push_back(i);
                break;
            }
    return library;
}

// Layout and pictures: what only laying a file out tells (the layout judges each picture,
// decoding it once per version of its file).
void checkLayout(const Arrangement& a, std::vector<Report>& reports) {
    std::vector<std::vector<Problem>> laid(a.library.files.size());
    for (size_t i = 0; i < a.library.files.size(); ++i) {
        const auto& read = a.library.files[i].read;
        const auto where = a.placement.places[i].where;
        if (!read->activity || where == Place::Displaced || where == Place::Healthy) continue;
        laid[i] = plan(*read->activity).problems;
    }
    const HealthyPassages h = healthyPassages(a);
    for (size_t f = 0; f < h.files.size(); ++f) {
        for (const auto& choice : h.choices[f])
            laid[h.files[f]].insert(laid[h.files[f]].end(), choice.problems.begin(),
                                    choice.problems.end());
        const auto p = plan(*a.library.files[h.files[f]].read->activity, &h.options).problems;
        laid[h.files[f]].insert(laid[h.files[f]].end(), p.begin(), p.end());
    }
    for (size_t i = 0; i < reports.size(); ++i)
        reports[i].problems.insert(reports[i].problems.end(), laid[i].begin(), laid[i].end());
}

std::vector<Report> checkWordLists() {
    std::vector<Report> out;
    for (const wordgame::Category& c : wordgame::kCategoryFiles) {
        const auto path = ui::resolveFile(QString::fromLatin1(c.file));
        if (!path) continue;
        QFile file(*path);
        Report& r = out.emplace_back(Report{*path, {}});
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

// "Checked 25 activity files and 3 word lists: no problems."
QString summary(int files, int lists, int problems) {
    QString out = "Checked " + count(files, "activity file", "activity files");
    if (lists > 0) out += " and " + count(lists, "word list", "word lists");
    return out + ": " + (problems == 0 ? "no problems." : count(problems, "problem.", "problems."));
}

}  // namespace

int runCheck(const QStringList& files) {
    std::vector<size_t> named;
    Arrangement a = arrange(libraryWith(files, named));
    std::vector<Report> reports;
    for (size_t i = 0; i < a.library.files.size(); ++i) {
        // A shipped or school file whose place she took is not read by the program.
        const bool unused = a.placement.places[i].where == Place::Displaced;
        reports.push_back({a.library.files[i].file.path,
                           unused ? std::vector<Problem>{} : readAndPlaceProblems(a, i)});
    }
    checkLayout(a, reports);
    int lists = 0;
    if (files.isEmpty()) {
        for (const FileProblem& p : a.library.problems) reports.push_back({p.file, {p.problem}});
        for (Report& r : checkWordLists()) {
            reports.push_back(std::move(r));
            ++lists;
        }
    } else {
        std::vector<Report> only;
        for (size_t i : named) only.push_back(std::move(reports[i]));
        reports = std::move(only);
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
        files.isEmpty() ? static_cast<int>(a.library.files.size()) : static_cast<int>(named.size());
    std::printf("%s\n", qUtf8Printable(summary(listed, lists, problems)));
    std::fflush(stdout);
    return problems > 0 ? 1 : 0;
}
