#include "worksheets/source.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <algorithm>

#include "activities/files/catalogue.h"
#include "activities/wordgame/scramble.h"
#include "activities/wordgame/wordlists.h"
#include "ui/files.h"
#include "ui/screentext.h"
#include "worksheets/wordbank.h"

namespace worksheets {

using namespace activityfiles;

namespace {

constexpr const char* kWordGameTitle = QT_TRANSLATE_NOOP("Worksheet", "Scrambled Words");
constexpr const char* kWordGameInstruction = QT_TRANSLATE_NOOP(
    "Worksheet", "Unscramble each scientific word and write it on the line beside it.");

QString located(const QString& file, const Problem& p) {
    return QString("%1:%2:%3: %4").arg(file).arg(p.at.line).arg(p.at.column).arg(p.message);
}

// Words a pupil can unscramble: each once, and never one whose letters are all the same.
Found wordGame(const QString& path, const QString& caption, int count, ui::RandomSource& random) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt, {path + ": the file cannot be read"}};
    const wordgame::CategoryWords list = wordgame::readWordList(file);
    const wordgame::Alphabet alphabet = wordgame::alphabetOfList(QFileInfo(path).fileName());
    QStringList usable;
    for (int i = 0; i < list.count; ++i) {
        const QString w = list.words[i];
        const QStringList letters = wordgame::letters(wordgame::asShown(w), alphabet);
        if (!usable.contains(w) && letters.count(letters.front()) < letters.size()) usable << w;
    }
    if (usable.isEmpty())
        return {std::nullopt, {path + ": the list has no word whose letters can be mixed"}};
    Source s;
    s.wordGame = true;
    s.alphabet = alphabet;
    s.activity.title =
        caption.isEmpty()
            ? QCoreApplication::translate("Worksheet", kWordGameTitle)
            //: %1 is a category of words, such as Materials
            : QCoreApplication::translate("Worksheet", "Scrambled Words: %1").arg(caption);
    s.activity.instruction = QCoreApplication::translate("Worksheet", kWordGameInstruction);
    s.words = gameOrder(usable, random).mid(0, std::clamp(count, 1, kMaxWords));
    return {std::move(s), {}};
}

// The layout's problems, or the source with every picture it shows read at full size.
Found withPictures(const Activity& activity, const Planned& planned, const QString& file) {
    Found out;
    Source s;
    s.activity = activity;
    s.planned = planned;
    for (const Problem& p : s.planned.problems) out.problems << located(file, p);
    QStringList paths;
    for (const auto& d : s.planned.drags) paths << d.picturePath;
    for (const auto& q : s.planned.questions) paths << q.picturePath;
    for (const QString& path : paths) {
        if (path.isEmpty() || s.pictures.count(path)) continue;
        QImageReader reader(ui::fileInProgramLanguage(path));
        reader.setAutoTransform(true);
        const QImage image = reader.read();
        if (image.isNull())
            out.problems
                << QString("%1: the picture cannot be read (%2)").arg(path, reader.errorString());
        s.pictures[path] = image;
    }
    if (out.problems.isEmpty()) out.source = std::move(s);
    return out;
}

// The sheets of what the menus play: the catalogue's layout of the entry and its verdict.
Found fromEntry(const CatalogueEntry& entry) {
    const QString& path = entry.file.file.path;
    if (!entry.problems().empty() || !entry.activity() || !entry.planned()) {
        Found out;
        for (const Problem& p : entry.problems()) out.problems << located(path, p);
        if (out.problems.isEmpty()) out.problems << path + ": the activity cannot be played";
        return out;
    }
    // In the program's language, as the screens show it.
    return withPictures(*entry.shown(), *entry.shownPlan(), path);
}

// A file named by its path, judged as if it stood in the folders, as `--check` judges it.
Found fromDraft(const QString& path) {
    std::vector<size_t> index;
    const Catalogue catalogue =
        readCatalogueWith(activityFolders(), {Draft{path, std::nullopt}}, index, false);
    if (index.empty()) return {std::nullopt, {path + ": the file cannot be read"}};
    return fromEntry(catalogue.entries[index.front()]);
}

}  // namespace

Found sourceOf(const Activity& activity, const QString& file) {
    return withPictures(activity, plan(activity), file);
}

Found findSource(const QString& nameOrFile, int words, ui::RandomSource& random) {
    const QFileInfo given(nameOrFile);
    const bool wordList = nameOrFile.endsWith(".txt", Qt::CaseInsensitive);
    if (given.isFile())
        return wordList ? wordGame(nameOrFile, {}, words, random) : fromDraft(nameOrFile);
    for (int c = 0; c < wordgame::kCategories; ++c)
        for (const QLocale::Language language : wordgame::kListLanguages)
            if (const QString name = wordgame::wordListName(c, language);
                nameOrFile.compare(name, Qt::CaseInsensitive) == 0) {
                const auto path = ui::resolveFile(name);
                if (!path) break;
                return wordGame(*path, ui::screenText(wordgame::kCategoryFiles[c].caption), words,
                                random);
            }
    const Catalogue catalogue = readCatalogue(activityFolders());
    for (const CatalogueEntry& e : catalogue.entries) {
        const QString name = e.file.file.fileName;
        if (e.used() && (name.compare(nameOrFile, Qt::CaseInsensitive) == 0 ||
                         name.compare(nameOrFile + ".toml", Qt::CaseInsensitive) == 0))
            return fromEntry(e);
    }
    return {std::nullopt,
            {QString("there is no activity or word list named \"%1\", and no such "
                     "file: `brindlemark --check` lists every activity")
                 .arg(nameOrFile)}};
}

}  // namespace worksheets
