#include "app/activitymenus.h"

#include <QFileInfo>
#include <QHash>
#include <cstdio>
#include <set>

#include "activities/files/arrangement.h"
#include "activities/files/filescreens.h"
#include "activities/labelling/healthylivingscreen.h"
#include "menus/menutables.h"
#include "ui/formregistry.h"

using namespace activityfiles;

namespace {

QString screenName(const QString& fileName, int passage = 0) {
    const QString name = "file:" + fileName;
    return passage == 0 ? name : QString("%1#%2").arg(name).arg(passage + 1);
}

QString healthyScreen(int option) {
    return option == 0 ? QString(HealthyLivingScreen::Name)
                       : QString("%1#%2").arg(HealthyLivingScreen::Name).arg(option + 1);
}

// Laying out measures every text: a menu that opens again lays out only what changed.
struct CachedPlan {
    std::shared_ptr<const ReadResult> read;
    std::shared_ptr<const Planned> planned;
};
QHash<QString, CachedPlan>& planCache() {
    static QHash<QString, CachedPlan> cache;
    return cache;
}

std::shared_ptr<const Planned> planOf(const LoadedFile& f) {
    CachedPlan& entry = planCache()[f.file.path];
    if (entry.read != f.read || !entry.planned) {
        entry.read = f.read;
        entry.planned = std::make_shared<const Planned>(plan(*f.read->activity));
    }
    return entry.planned;
}

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

menus::SlotProblem slotProblem(const LoadedFile& f, const std::vector<Problem>& problems) {
    const Problem& first =
        *std::min_element(problems.begin(), problems.end(), [](const Problem& a, const Problem& b) {
            return a.at.line != b.at.line ? a.at.line < b.at.line : a.at.column < b.at.column;
        });
    return {f.file.fileName, QFileInfo(f.file.path).absolutePath(), first.at.line, first.at.column,
            first.message,   static_cast<int>(problems.size()) - 1};
}

// A file's entry: its screen when it is sound, else greyed with its first problem.
menus::Slot slotFor(const Arrangement& a, size_t i) {
    const LoadedFile& f = a.library.files[i];
    menus::Slot slot{a.placement.places[i].caption, {}, {}};
    std::vector<Problem> problems = readAndPlaceProblems(a, i);
    std::shared_ptr<const Planned> planned;
    if (problems.empty()) {
        planned = planOf(f);
        problems = planned->problems;
    }
    for (const Problem& p : problems) printOnce(f.file.path, f.file.version, p);
    if (!problems.empty()) {
        slot.problem = slotProblem(f, problems);
        return slot;
    }
    registerActivityScreens(std::shared_ptr<const Activity>(f.read, &*f.read->activity), planned,
                            [&](int passage) { return screenName(f.file.fileName, passage); });
    slot.screen = screenName(f.file.fileName);
    return slot;
}

// Healthy Living's other passages: options by caption or the first free, laid out with the
// options they end with, each passage on a screen of its own.
void addHealthyPassages(const Arrangement& a) {
    const HealthyPassages h = healthyPassages(a);
    PassageLinks links;
    links.screens.assign(4, QString());
    links.screens[0] = healthyScreen(0);
    struct Laid {
        std::shared_ptr<const Planned> planned;
        int passage, option;
    };
    std::vector<Laid> laid;
    for (size_t f = 0; f < h.files.size(); ++f) {
        const LoadedFile& file = a.library.files[h.files[f]];
        auto p = std::make_shared<const Planned>(plan(*file.read->activity, &h.options));
        for (const auto& choice : h.choices[f])
            for (const Problem& problem : choice.problems)
                printOnce(file.file.path, file.file.version, problem);
        for (const Problem& problem : p->problems)
            printOnce(file.file.path, file.file.version, problem);
        if (!p->problems.empty()) continue;
        for (size_t k = 0; k < h.choices[f].size(); ++k) {
            const int option = h.choices[f][k].option;
            if (option < 0) continue;
            links.screens[option] = healthyScreen(option);
            laid.push_back({p, static_cast<int>(k), option});
        }
    }
    for (int o = 1; o < 4; ++o)
        HealthyLivingScreen::otherPassages[o] = {h.options.captions[o], links.screens[o]};
    for (const Laid& l : laid) {
        PassageLinks mine = links;
        mine.chosen = l.option;
        ui::forms().registerScreen(links.screens[l.option], [name = links.screens[l.option],
                                                             p = l.planned, k = l.passage, mine] {
            return std::make_unique<FileDragScreen>(name, "Healthy Living", p->drags[k], mine);
        });
    }
}

Arrangement arrangeDataFolders() {
    Arrangement a = arrange(loadLibrary(activityFolders(), true));
    for (const FileProblem& p : a.library.problems) printOnce(p.file, {}, p.problem);
    return a;
}

}  // namespace

menus::MenuPage activityMenuPage(int menu, int first) {
    const Arrangement a = arrangeDataFolders();
    menus::MenuPage page = menus::builtInPage(menu);
    const std::vector<int>& ours = a.placement.ourActivities;
    page.ourActivities = static_cast<int>(ours.size());
    if (menu == menus::kOurActivities) {
        page.total = page.ourActivities;
        first = std::clamp(first, 0, std::max(0, page.total - 1));
        page.shown = std::min(5, page.total - first);
        for (int k = 0; k < page.shown; ++k)
            page.slots[static_cast<size_t>(k)] = slotFor(a, static_cast<size_t>(ours[first + k]));
        return page;
    }
    for (int s = 0; s < 5; ++s) {
        const int holder =
            a.placement.holders[static_cast<size_t>(menu - 1)][static_cast<size_t>(s)];
        if (holder >= 0)
            page.slots[static_cast<size_t>(s)] = slotFor(a, static_cast<size_t>(holder));
    }
    if (menu == kHealthyMenu) addHealthyPassages(a);
    return page;
}

int ourActivitiesCount() {
    return static_cast<int>(arrangeDataFolders().placement.ourActivities.size());
}

void forgetActivityFiles() {
    forgetReadFiles();
    planCache().clear();
    HealthyLivingScreen::otherPassages = {};
}
