#include "menus/menupage.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstdio>
#include <set>

#include "activities/files/catalogue.h"
#include "activities/files/problemwords.h"

using namespace activityfiles;

namespace menus {

namespace {

// Each problem goes to standard error once for each version of its file, however often
// menus open: for whoever started the program from a terminal.
void printOnce(const QString& path, const QString& version, const Problem& p) {
    static std::set<QString> seen;
    const QString key =
        QString("%1|%2|%3:%4 %5").arg(path, version).arg(p.at.line).arg(p.at.column).arg(p.message);
    if (seen.insert(key).second)
        std::fprintf(stderr, "%s:%d:%d: %s\n", qUtf8Printable(path), p.at.line, p.at.column,
                     qUtf8Printable(p.message));
}

void printProblems(const CatalogueEntry& e) {
    for (const Problem& p : e.problems()) printOnce(e.file.file.path, e.file.version, p);
}

Catalogue catalogue() {
    Catalogue c = readCatalogue(activityFolders());
    for (const FileProblem& p : c.problems) printOnce(p.file, {}, p.problem);
    return c;
}

// A file's entry: its screen when it is sound, else greyed with its first problem.
Slot fileSlot(const Catalogue& c, int entry, QString screen) {
    const CatalogueEntry& e = c.entries[static_cast<size_t>(entry)];
    Slot slot{e.place.caption, std::move(screen), {}};
    printProblems(e);
    if (!e.problems().empty()) {
        // Her line is quoted from the file as it is now, read only for a grey topic.
        QFile file(e.file.file.path);
        const QByteArray text = file.open(QIODevice::ReadOnly) ? file.read(kMaxFileBytes) : "";
        slot.problem = SlotProblem{e.file.file.fileName, QFileInfo(e.file.file.path).absolutePath(),
                                   lineSays(e.problems().front(), e.file.read->kind, text),
                                   static_cast<int>(e.problems().size()) - 1};
    }
    return slot;
}

}  // namespace

MenuPage menuPage(int menu, int first) {
    const Catalogue c = catalogue();
    MenuPage page;
    page.ourActivities = static_cast<int>(c.ourActivities.size());
    if (menu == kOurActivities) {
        page.total = page.ourActivities;
        first = std::clamp(first, 0, std::max(0, page.total - 1));
        page.shown = std::min(5, page.total - first);
        for (int k = 0; k < page.shown; ++k) {
            const int entry = c.ourActivities[static_cast<size_t>(first + k)];
            page.slots[static_cast<size_t>(k)] =
                fileSlot(c, entry,
                         registerScreens(c, static_cast<size_t>(entry))
                             ? c.entries[static_cast<size_t>(entry)].screen()
                             : QString());
        }
        return page;
    }
    for (int s = 0; s < 5; ++s) {
        const TopicHolder t = c.topic(menu, s);
        const QString screen = registerTopic(c, menu, s);
        page.slots[static_cast<size_t>(s)] =
            t.entry >= 0 ? fileSlot(c, t.entry, screen)
                         : Slot{QCoreApplication::translate("MenuTopic", qUtf8Printable(t.caption)),
                                screen,
                                {}};
    }
    // Passages that Healthy Living could not take have no entry to grey.
    if (menu == kHealthyMenu)
        for (const CatalogueEntry& e : c.entries)
            if (e.place.where == Place::Healthy) printProblems(e);
    return page;
}

int ourActivitiesCount() {
    return static_cast<int>(catalogue().ourActivities.size());
}

void forgetActivityFiles() {
    forgetCatalogue();
}

}  // namespace menus
