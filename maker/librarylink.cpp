#include "maker/librarylink.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>

#include "activities/files/catalogue.h"
#include "activities/files/layout.h"
#include "menus/menutables.h"

namespace maker {

using namespace activityfiles;

namespace {

constexpr const char* kMissingMenu = "missing field \"menu\"";

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

}  // namespace

QString LibraryLink::ownFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           "/brindlemark/activities";
}

bool LibraryLink::comesWithProgram(const QString& path) {
    const QString folder = QFileInfo(QFileInfo(path).absolutePath()).canonicalFilePath();
    if (folder.isEmpty() || folder == QFileInfo(ownFolder()).canonicalFilePath()) return false;
    return activityFolders().contains(folder);
}

const std::vector<LibraryLink::Listed>& LibraryLink::activities() const {
    if (listed_) return *listed_;
    const QString own = QFileInfo(ownFolder()).canonicalFilePath();
    const std::vector<FoundFile> found = findActivityFiles(activityFolders());
    const std::vector<Report> reports = checkFiles(found, false);
    std::vector<Listed> out;
    for (size_t i = 0; i < found.size(); ++i) {
        Listed l{found[i].path,
                 found[i].fileName,
                 found[i].fileName,
                 0,
                 !own.isEmpty() && QFileInfo(found[i].path).canonicalPath() == own,
                 static_cast<int>(reports[i].problems.size())};
        const ReadResult read = readActivityFile(found[i].path);
        if (read.activity) {
            l.topic = read.activity->topic;
            l.menu = read.activity->menu;
        }
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
        const menus::Topic& topic = menus::kMenus[menu - 1].topics[s];
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
    Read out;
    ReadResult read = readActivity(text, fileName);
    // Today's reader wants a menu; a file without one goes to Our Activities. Read it again
    // as if it had one, so that its layout is still checked.
    const auto missing = std::find_if(read.problems.begin(), read.problems.end(),
                                      [](const Problem& p) { return p.message == kMissingMenu; });
    if (missing != read.problems.end()) {
        read.problems.erase(missing);
        if (read.problems.empty()) {
            read = readActivity("menu = 1\n" + text, fileName);
            for (Problem& p : read.problems) --p.at.line;
            if (read.activity) read.activity->menu = 0;
        }
    }
    out.problems = std::move(read.problems);
    if (!read.activity) return out;
    read.activity->folder = folder;
    out.fields = read.activity;
    const Planned planned = plan(*read.activity);
    out.problems.insert(out.problems.end(), planned.problems.begin(), planned.problems.end());
    if (out.problems.empty()) out.activity = read.activity;
    const Activity& a = *read.activity;
    if (a.menu > 0) {
        bool known = false;
        for (const Place& p : places(a.menu, a.kind, fileName)) {
            if (!sameName(p.caption, a.topic)) continue;
            known = true;
            if (!p.offered) out.problems.push_back({a.topicPos, p.why});
        }
        if (!known)
            out.problems.push_back(
                {a.topicPos, QString("menu %1 has no topic \"%2\": choose one of its topics, or "
                                     "put the activity in Our Activities")
                                 .arg(a.menu)
                                 .arg(a.topic)});
    }
    std::stable_sort(out.problems.begin(), out.problems.end(),
                     [](const Problem& x, const Problem& y) { return x.at.line < y.at.line; });
    return out;
}

}  // namespace maker
