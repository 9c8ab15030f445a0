#include "maker/librarylink.h"

#include <QFileInfo>

#include "ui/files.h"

namespace maker {

using namespace activityfiles;

namespace {

QString ownCanonical() {
    return QFileInfo(LibraryLink::ownFolder()).canonicalFilePath();
}

bool isHers(const QString& path) {
    const QString own = ownCanonical();
    return !own.isEmpty() && QFileInfo(path).canonicalPath() == own;
}

}  // namespace

QString LibraryLink::ownFolder() {
    return ui::userFolder("activities");
}

bool LibraryLink::comesWithProgram(const QString& path) {
    const QString folder = QFileInfo(QFileInfo(path).absolutePath()).canonicalFilePath();
    if (folder.isEmpty() || folder == ownCanonical()) return false;
    return activityFolders().contains(folder);
}

const Catalogue& LibraryLink::catalogue() const {
    if (!catalogue_) catalogue_ = readCatalogue(activityFolders());
    return *catalogue_;
}

const std::vector<LibraryLink::Listed>& LibraryLink::activities() const {
    if (listed_) return *listed_;
    std::vector<Listed> out;
    for (const CatalogueEntry& e : catalogue().entries) {
        if (!e.used()) continue;  // she replaced it
        const FoundFile& file = e.file.file;
        // Listed as the menus show it: in the program's language where it has a translation.
        QString topic = e.place.where == activityfiles::Place::Topic ? e.place.caption : QString();
        if (topic.isEmpty() && e.translated) topic = e.translated->topic;
        if (topic.isEmpty()) topic = e.file.read->topic;
        if (topic.isEmpty()) topic = file.fileName;
        out.push_back({file.path, file.fileName, topic, e.menu(), isHers(file.path),
                       static_cast<int>(e.problems().size())});
    }
    listed_ = std::move(out);
    return *listed_;
}

std::array<LibraryLink::Place, 5> LibraryLink::places(int menu, Kind kind,
                                                      const QString& fileName) const {
    std::array<Place, 5> out;
    const Catalogue& c = catalogue();
    for (int s = 0; s < 5; ++s) {
        const TopicHolder holder = c.topic(menu, s);
        Place& p = out[s];
        p.caption = QString::fromUtf8(kMenuTopics[menu - 1][s].caption);
        if (menu == kHealthyMenu && s == kHealthySlot && kind == Kind::Passage) {
            // Passages for Healthy Living become its other options (in its own file, its first).
            p.offered = true;
            const bool same =
                holder.entry >= 0 &&
                c.entries[static_cast<size_t>(holder.entry)].file.file.fileName.compare(
                    fileName, Qt::CaseInsensitive) == 0;
            p.holder =
                same ? tr("this activity")
                     : tr("%1: your passages are added as its other options").arg(holder.caption);
        } else if (holder.builtIn) {
            p.holder = tr("an activity built into the program");
            p.why = tr("A built-in activity cannot be replaced: choose another topic.");
        } else if (holder.entry < 0) {
            p.offered = true;
            p.holder = tr("nothing yet");
        } else {
            const FoundFile& f = c.entries[static_cast<size_t>(holder.entry)].file.file;
            const bool same = f.fileName.compare(fileName, Qt::CaseInsensitive) == 0;
            p.offered = same || !isHers(f.path);
            if (!p.offered) {
                p.holder = tr("your activity %1").arg(holder.caption);
                p.why = tr("Your activity %1 is there already.").arg(holder.caption);
            } else if (!isHers(f.path)) {
                p.holder = tr("%1, which comes with the program").arg(holder.caption);
                p.fileName = f.fileName;
            } else {
                p.holder = tr("this activity");
            }
        }
    }
    return out;
}

LibraryLink::Read LibraryLink::check(const QByteArray& text, const QString& fileName,
                                     const QString& folder) const {
    // Judged as the menus judge it: among the files of the data folders, in the place of the
    // file of its name (the one she is changing, or one she replaces).
    std::vector<size_t> index;
    Read out;
    out.catalogue = std::make_shared<const Catalogue>(
        readCatalogueWith(activityFolders(), {{folder + "/" + fileName, text}}, index));
    out.entry = index.front();
    const CatalogueEntry& e = out.judged();
    out.problems = e.problems();
    if (e.activity()) out.fields = *e.activity();
    if (e.playable()) out.activity = out.fields;
    return out;
}

}  // namespace maker
