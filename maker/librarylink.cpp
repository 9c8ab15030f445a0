#include "maker/librarylink.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "activities/files/arrangement.h"
#include "activities/files/layout.h"
#include "activities/files/library.h"
#include "activities/files/menutopics.h"
#include "ui/files.h"

namespace maker {

using namespace activityfiles;

namespace {

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

}  // namespace

QString LibraryLink::ownFolder() {
    return ui::userFolder("activities");
}

bool LibraryLink::comesWithProgram(const QString& path) {
    const QString folder = QFileInfo(QFileInfo(path).absolutePath()).canonicalFilePath();
    if (folder.isEmpty() || folder == QFileInfo(ownFolder()).canonicalFilePath()) return false;
    return activityFolders().contains(folder);
}

const std::vector<LibraryLink::Listed>& LibraryLink::activities() const {
    if (listed_) return *listed_;
    const QString own = QFileInfo(ownFolder()).canonicalFilePath();
    const Arrangement a = arrange(loadLibrary(activityFolders(), true));
    std::vector<Listed> out;
    for (size_t i = 0; i < a.library.files.size(); ++i) {
        const FoundFile& file = a.library.files[i].file;
        const activityfiles::Place& place = a.placement.places[i];
        if (place.where == activityfiles::Place::Displaced) continue;  // she replaced it
        const ReadResult& read = *a.library.files[i].read;
        Listed l{file.path,
                 file.fileName,
                 read.topic.isEmpty() ? file.fileName : read.topic,
                 place.where == activityfiles::Place::Topic     ? place.menu
                 : place.where == activityfiles::Place::Healthy ? kHealthyMenu
                                                                : 0,
                 !own.isEmpty() && QFileInfo(file.path).canonicalPath() == own,
                 static_cast<int>(readAndPlaceProblems(a, i).size())};
        if (place.where == activityfiles::Place::Topic) l.topic = place.caption;
        out.push_back(std::move(l));
    }
    listed_ = std::move(out);
    return *listed_;
}

std::array<LibraryLink::Place, 5> LibraryLink::places(int menu, Kind kind,
                                                      const QString& fileName) const {
    std::array<Place, 5> out;
    const std::vector<Listed>& listed = activities();
    for (int s = 0; s < 5; ++s) {
        const Topic& topic = kMenuTopics[menu - 1][s];
        Place& p = out[s];
        p.caption = QString::fromUtf8(topic.caption);
        if (menu == kHealthyMenu && s == kHealthySlot && kind == Kind::Passage) {
            // Passages for Healthy Living become its other options.
            p.offered = true;
            p.holder = "built in: your passages are added as its other options";
            continue;
        }
        if (topic.screen) {
            p.holder = "an activity built into the program";
            p.why = "A built-in activity cannot be replaced: choose another topic.";
            continue;
        }
        p.offered = true;
        p.holder = "nothing yet";
        for (const Listed& l : listed) {
            if (l.menu != menu || !sameName(l.topic, p.caption)) continue;
            if (l.mine && !sameName(l.fileName, fileName)) {
                p.offered = false;
                p.holder = QString("your activity %1").arg(l.fileName);
                p.why = QString("Your activity %1 is there already.").arg(l.fileName);
            } else if (!l.mine) {
                p.holder = QString("%1, which comes with the program").arg(l.fileName);
                p.fileName = l.fileName;
            } else {
                p.holder = "this activity";
            }
        }
    }
    return out;
}

LibraryLink::Read LibraryLink::check(const QByteArray& text, const QString& fileName,
                                     const QString& folder) const {
    // Judged as the menus would judge it: first among the files of the data folders, in the
    // place of the file of its name (the one she is changing, or one she replaces).
    LoadedFile mine;
    mine.file = {folder + "/" + fileName, fileName, -1, {}, {}};
    mine.read = std::make_shared<const ReadResult>(readActivity(text, fileName));
    Library library = loadLibrary(activityFolders(), true);
    for (auto f = library.files.begin(); f != library.files.end(); ++f) {
        if (!sameName(f->file.fileName, fileName)) continue;
        const bool hers =
            QFileInfo(f->file.path).canonicalPath() == QFileInfo(ownFolder()).canonicalFilePath();
        mine.file.hides = hers ? f->file.hides : f->file.path;
        mine.hidden = hers ? f->hidden : f->read;
        library.files.erase(f);
        break;
    }
    library.files.insert(library.files.begin(), mine);
    const Arrangement a = arrange(std::move(library));

    Read out;
    out.problems = readAndPlaceProblems(a, 0);
    std::optional<Activity> read = mine.read->activity;
    if (read) {
        read->folder = folder;
        out.fields = read;
        const Planned planned = plan(*read);
        out.problems.insert(out.problems.end(), planned.problems.begin(), planned.problems.end());
        if (out.problems.empty()) out.activity = read;
    }
    std::stable_sort(out.problems.begin(), out.problems.end(),
                     [](const Problem& x, const Problem& y) { return x.at.line < y.at.line; });
    return out;
}

}  // namespace maker
