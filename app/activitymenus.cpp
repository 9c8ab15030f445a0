#include "app/activitymenus.h"

#include <QFileInfo>
#include <QHash>
#include <cstdio>
#include <set>

#include "activities/files/filescreens.h"
#include "activities/files/shipped.h"
#include "menus/arrangement.h"
#include "menus/menutables.h"
#include "ui/formregistry.h"

using namespace activityfiles;
using menus::Arrangement;
using menus::HealthyPassages;

namespace {

QString screenName(const QString& fileName, int passage = 0) {
    const QString name = "file:" + fileName;
    return passage == 0 ? name : QString("%1#%2").arg(name).arg(passage + 1);
}

const char* const kHealthyScreen =
    menus::kMenus[menus::kHealthyMenu - 1].topics[menus::kHealthySlot].screen;

QString healthyScreen(int option) {
    return option == 0 ? QString(kHealthyScreen)
                       : QString("%1#%2").arg(kHealthyScreen).arg(option + 1);
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

std::shared_ptr<const Planned> planOf(const LoadedFile& f, const OptionSet* options = nullptr) {
    CachedPlan& entry =
        planCache()[options ? f.file.path + '\n' + options->captions.join('\n') : f.file.path];
    if (entry.read != f.read || !entry.planned) {
        entry.read = f.read;
        entry.planned = std::make_shared<const Planned>(plan(*f.read->activity, options));
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

// A file's entry: its screen when it is sound, else greyed with its first problem. The file
// of an entry of the program's own opens under that entry's screen name, made when shown.
menus::Slot slotFor(const Arrangement& a, size_t i, const char* ownScreen = nullptr) {
    const LoadedFile& f = a.library.files[i];
    menus::Slot slot{a.placement.places[i].caption, {}, {}};
    std::vector<Problem> problems = menus::readAndPlaceProblems(a, i);
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
    if (ownScreen) {
        slot.screen = ownScreen;
        return slot;
    }
    registerActivityScreens(std::shared_ptr<const Activity>(f.read, &*f.read->activity), planned,
                            [&](int passage) { return screenName(f.file.fileName, passage); });
    slot.screen = screenName(f.file.fileName);
    return slot;
}

// Healthy Living's passages, its own file's and those other files add: options by caption or
// the first free, laid out with the options they end with, each passage on a screen of its
// own.
struct HealthyScreens {
    QString title;
    PassageLinks links;
    struct Laid {
        std::shared_ptr<const Planned> planned;
        int passage, option;
    };
    std::vector<Laid> laid;

    std::unique_ptr<FileDragScreen> make(const Laid& l) const {
        PassageLinks mine = links;
        mine.chosen = l.option;
        return std::make_unique<FileDragScreen>(links.screens[l.option], title,
                                                l.planned->drags[l.passage], mine);
    }
};

HealthyScreens layHealthy(const Arrangement& a) {
    const HealthyPassages h = menus::healthyPassages(a);
    HealthyScreens out;
    out.title = QString::fromUtf8(
        menus::kMenus[menus::kHealthyMenu - 1].topics[menus::kHealthySlot].caption);
    out.links.screens.assign(4, QString());
    for (size_t f = 0; f < h.files.size(); ++f) {
        const LoadedFile& file = a.library.files[h.files[f]];
        if (f == 0 && h.ownFile) out.title = file.read->activity->title;
        const auto p = planOf(file, &h.options);
        for (const auto& choice : h.choices[f])
            for (const Problem& problem : choice.problems)
                printOnce(file.file.path, file.file.version, problem);
        for (const Problem& problem : p->problems)
            printOnce(file.file.path, file.file.version, problem);
        if (!p->problems.empty()) continue;
        for (size_t k = 0; k < h.choices[f].size(); ++k) {
            const int option = h.choices[f][k].option;
            if (option < 0) continue;
            out.links.screens[option] = healthyScreen(option);
            out.laid.push_back({p, static_cast<int>(k), option});
        }
    }
    return out;
}

// The other options' screens; the first is the entry's own, made when shown.
void registerOtherPassages(const HealthyScreens& h) {
    for (const HealthyScreens::Laid& l : h.laid)
        if (l.option != 0)
            ui::forms().registerScreen(h.links.screens[l.option], [h, l] { return h.make(l); });
}

Arrangement arrangeDataFolders() {
    Arrangement a = menus::arrange(loadLibrary(activityFolders(), true));
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
            page.slots[static_cast<size_t>(s)] =
                slotFor(a, static_cast<size_t>(holder), menus::kMenus[menu - 1].topics[s].screen);
    }
    if (menu == menus::kHealthyMenu) registerOtherPassages(layHealthy(a));
    return page;
}

int ourActivitiesCount() {
    return static_cast<int>(arrangeDataFolders().placement.ourActivities.size());
}

void forgetActivityFiles() {
    forgetReadFiles();
    planCache().clear();
}

std::unique_ptr<ui::Form> makeShippedScreen(const QString& name) {
    const Arrangement a = arrangeDataFolders();
    for (int m = 0; m < 5; ++m) {
        for (int s = 0; s < 5; ++s) {
            const char* screen = menus::kMenus[m].topics[s].screen;
            const int holder = a.placement.holders[static_cast<size_t>(m)][static_cast<size_t>(s)];
            if (!screen || name != QLatin1String(screen) || holder < 0 ||
                !menus::readAndPlaceProblems(a, static_cast<size_t>(holder)).empty())
                continue;
            if (name == QLatin1String(kHealthyScreen)) {
                // Its other passages too, wherever it is opened from.
                const HealthyScreens h = layHealthy(a);
                registerOtherPassages(h);
                for (const HealthyScreens::Laid& l : h.laid)
                    if (l.option == 0) return h.make(l);
                continue;
            }
            const LoadedFile& f = a.library.files[static_cast<size_t>(holder)];
            const auto planned = planOf(f);
            if (planned->problems.empty() && !planned->drags.empty())
                return std::make_unique<FileDragScreen>(name, f.read->activity->title,
                                                        planned->drags[0]);
        }
    }
    // Without a sound file the menus grey the entry; opened by its name, the board is empty.
    return std::make_unique<FileDragScreen>(name, QString(), DragPlan{});
}

void registerShippedScreens(ui::FormRegistry& registry) {
    for (const ShippedScreen& s : kShippedScreens)
        registry.registerScreen(s.screen,
                                [name = QString(s.screen)] { return makeShippedScreen(name); });
}
