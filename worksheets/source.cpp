#include "worksheets/source.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <algorithm>

#include "activities/files/library.h"
#include "activities/wordgame/scramble.h"
#include "activities/wordgame/wordlists.h"
#include "ui/files.h"
#include "worksheets/wordbank.h"

namespace worksheets {

using namespace activityfiles;

namespace {

constexpr const char* kWordGameTitle = "Scrambled Words";
constexpr const char* kWordGameInstruction =
    "Unscramble each scientific word and write it on the line beside it.";

QString located(const QString& file, const Problem& p) {
    return QString("%1:%2:%3: %4").arg(file).arg(p.at.line).arg(p.at.column).arg(p.message);
}

// Words a pupil can unscramble: each once, and never one whose letters are all the same.
Found wordGame(const QString& path, const QString& caption, int count, ui::RandomSource& random) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt, {path + ": the file cannot be read"}};
    const wordgame::CategoryWords list = wordgame::readWordList(file);
    QStringList usable;
    for (int i = 0; i < list.count; ++i) {
        const QString w = list.words[i];
        const QStringList letters = wordgame::characters(wordgame::asShown(w));
        if (!usable.contains(w) && letters.count(letters.front()) < letters.size()) usable << w;
    }
    if (usable.isEmpty())
        return {std::nullopt, {path + ": the list has no word whose letters can be mixed"}};
    Source s;
    s.wordGame = true;
    s.activity.title = caption.isEmpty() ? QString(kWordGameTitle)
                                         : QString("%1: %2").arg(kWordGameTitle, caption);
    s.activity.instruction = kWordGameInstruction;
    s.words = bankOrder(usable, random).mid(0, std::clamp(count, 1, kMaxWords));
    return {std::move(s), {}};
}

Found fromRead(const ReadResult& read, const QString& path) {
    Found out;
    for (const Problem& p : read.problems) out.problems << located(path, p);
    if (!read.activity) return out;
    return sourceOf(*read.activity, path);
}

}  // namespace

Found sourceOf(const Activity& activity, const QString& file) {
    Found out;
    Source s;
    s.activity = activity;
    s.planned = plan(activity);
    for (const Problem& p : s.planned.problems) out.problems << located(file, p);
    QStringList paths;
    for (const auto& d : s.planned.drags) paths << d.picturePath;
    for (const auto& q : s.planned.questions) paths << q.picturePath;
    for (const QString& path : paths) {
        if (path.isEmpty() || s.pictures.count(path)) continue;
        QImageReader reader(path);
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

Found findSource(const QString& nameOrFile, int words, ui::RandomSource& random) {
    const QFileInfo given(nameOrFile);
    const bool wordList = nameOrFile.endsWith(".txt", Qt::CaseInsensitive);
    if (given.isFile())
        return wordList ? wordGame(nameOrFile, {}, words, random)
                        : fromRead(readActivityFile(nameOrFile), nameOrFile);
    for (const wordgame::Category& c : wordgame::kCategoryFiles)
        if (nameOrFile.compare(c.file, Qt::CaseInsensitive) == 0) {
            const auto path = ui::resolveFile(c.file);
            if (!path) break;
            return wordGame(*path, c.caption, words, random);
        }
    const Library library = loadLibrary(activityFolders(), false);
    for (const LoadedFile& f : library.files) {
        const QString name = f.file.fileName;
        if (name.compare(nameOrFile, Qt::CaseInsensitive) == 0 ||
            name.compare(nameOrFile + ".toml", Qt::CaseInsensitive) == 0)
            return fromRead(*f.read, f.file.path);
    }
    return {std::nullopt,
            {QString("there is no activity or word list named \"%1\", and no such "
                     "file: `brindlemark --check` lists every activity")
                 .arg(nameOrFile)}};
}

}  // namespace worksheets
