#include "activities/files/catalogue.h"

#include <QFileInfo>
#include <QHash>
#include <algorithm>

#include "activities/files/filescreens.h"
#include "activities/labelling/healthylivingscreen.h"
#include "ui/files.h"
#include "ui/formregistry.h"

namespace activityfiles {

namespace {

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Laying out measures every text: a catalogue read again lays out only what changed.
struct CachedPlan {
    std::shared_ptr<const ReadResult> read;
    QStringList options;
    std::shared_ptr<const Planned> planned;
};
QHash<QString, CachedPlan>& planCache() {
    static QHash<QString, CachedPlan> cache;
    return cache;
}

std::shared_ptr<const Planned> planOf(const LoadedFile& f, const OptionSet* options, bool cached) {
    const Activity& a = *f.read->activity;
    // A draft is laid out afresh each time: it is not the file of its path.
    if (!cached || f.file.version.isEmpty())
        return std::make_shared<const Planned>(plan(a, options));
    CachedPlan& entry = planCache()[f.file.path];
    const QStringList captions = options ? options->captions : QStringList();
    if (entry.read != f.read || entry.options != captions || !entry.planned) {
        entry = {f.read, captions, std::make_shared<const Planned>(plan(a, options))};
    }
    return entry.planned;
}

Candidate candidateOf(const LoadedFile& f) {
    Candidate c;
    c.fileName = f.file.fileName;
    c.folder = f.file.folder;
    c.menu = f.read->menu;
    c.topic = f.read->topic;
    if (const auto& a = f.read->activity) {
        c.topicPos = a->topicPos;
        c.passage = a->kind == Kind::Passage;
    }
    // A hidden file that cannot be read far enough to say where it went leaves her file to
    // its own fields.
    if (f.hidden && (f.hidden->menu > 0 || !f.hidden->topic.isEmpty())) {
        c.hides = true;
        c.hiddenMenu = f.hidden->menu;
        c.hiddenTopic = f.hidden->topic;
    }
    return c;
}

void append(std::vector<Problem>& to, const std::vector<Problem>& from) {
    to.insert(to.end(), from.begin(), from.end());
}

Catalogue judge(Library library, bool cached) {
    Catalogue out;
    out.problems = std::move(library.problems);
    std::vector<Candidate> candidates;
    for (const LoadedFile& f : library.files) candidates.push_back(candidateOf(f));
    Placement placement = place(candidates);
    out.holders = placement.holders;
    out.ourActivities = std::move(placement.ourActivities);

    std::vector<const Activity*> healthy;
    for (size_t i = 0; i < library.files.size(); ++i) {
        CatalogueEntry& e = out.entries.emplace_back();
        e.file = std::move(library.files[i]);
        e.place = std::move(placement.places[i]);
        if (e.place.where == Place::Healthy) healthy.push_back(e.activity());
    }

    // Healthy Living's options: by caption, or the first free; its captions as they name them.
    const auto choices = assignHealthyOptions(healthy);
    for (const char* caption : kHealthyOptions) out.healthyOptions.captions << caption;
    out.healthyOptions.enabled.assign(4, false);
    out.healthyOptions.enabled[0] = true;
    std::vector<std::vector<Problem>> chosen(out.entries.size());
    for (size_t i = 0, h = 0; i < out.entries.size(); ++i) {
        CatalogueEntry& e = out.entries[i];
        if (e.place.where != Place::Healthy) continue;
        for (size_t k = 0; k < choices[h].size(); ++k) {
            const int option = choices[h][k].option;
            e.healthyOptions.push_back(option);
            append(chosen[i], choices[h][k].problems);
            const QString& caption = e.activity()->passages[k].option;
            if (option >= 0 && !caption.isEmpty()) out.healthyOptions.captions[option] = caption;
        }
        ++h;
    }

    const auto options = std::make_shared<const OptionSet>(out.healthyOptions);
    for (size_t i = 0; i < out.entries.size(); ++i) {
        CatalogueEntry& e = out.entries[i];
        if (!e.used()) continue;  // nothing reads a file she replaced
        e.readAndPlaced = e.file.read->problems;
        append(e.readAndPlaced, e.place.problems);
        append(e.readAndPlaced, chosen[i]);
        if (e.place.where == Place::Healthy) e.options = options;
        e.cached = cached;
    }
    return out;
}

QString healthyScreen(int option) {
    return option == 0 ? QString(HealthyLivingScreen::Name)
                       : QString("%1#%2").arg(HealthyLivingScreen::Name).arg(option + 1);
}

// Healthy Living with the passages of every sound file that adds to it, each on a screen of
// its own behind its option.
void registerHealthyLiving(const Catalogue& c) {
    PassageLinks links;
    links.screens.assign(4, QString());
    links.screens[0] = healthyScreen(0);
    std::array<HealthyLivingScreen::OtherPassage, 4> others;
    for (const CatalogueEntry& e : c.entries) {
        if (e.place.where != Place::Healthy || !e.playable()) continue;
        for (int option : e.healthyOptions)
            if (option > 0) links.screens[static_cast<size_t>(option)] = healthyScreen(option);
    }
    for (int o = 1; o < 4; ++o) others[o] = {c.healthyOptions.captions[o], links.screens[o]};
    ui::forms().registerScreen(HealthyLivingScreen::Name,
                               [others] { return std::make_unique<HealthyLivingScreen>(others); });
    for (const CatalogueEntry& e : c.entries) {
        if (e.place.where != Place::Healthy || !e.playable()) continue;
        for (size_t k = 0; k < e.healthyOptions.size(); ++k) {
            const int option = e.healthyOptions[k];
            if (option <= 0) continue;
            PassageLinks mine = links;
            mine.chosen = option;
            const QString name = links.screens[static_cast<size_t>(option)];
            ui::forms().registerScreen(name, [name, p = e.planned(), k, mine] {
                return std::make_unique<FileDragScreen>(name, "Healthy Living", p->drags[k], mine);
            });
        }
    }
}

}  // namespace

const std::vector<Problem>& CatalogueEntry::problems() const {
    if (problems_) return *problems_;
    std::vector<Problem> all = readAndPlaced;
    if (used() && activity()) {
        planned_ = planOf(file, options.get(), cached);
        append(all, planned_->problems);
    }
    std::stable_sort(all.begin(), all.end(), [](const Problem& x, const Problem& y) {
        return x.at.line != y.at.line ? x.at.line < y.at.line : x.at.column < y.at.column;
    });
    problems_ = std::move(all);
    return *problems_;
}

std::shared_ptr<const Planned> CatalogueEntry::planned() const {
    problems();
    return planned_;
}

QString CatalogueEntry::screen() const {
    return "file:" + file.file.fileName;
}

TopicHolder Catalogue::topic(int menu, int slot) const {
    const MenuTopic& t = kMenuTopics[menu - 1][slot];
    TopicHolder out{QString::fromUtf8(t.caption), t.builtIn,
                    holders[static_cast<size_t>(menu - 1)][static_cast<size_t>(slot)]};
    if (out.entry >= 0) out.caption = entries[static_cast<size_t>(out.entry)].place.caption;
    return out;
}

Catalogue readCatalogue(const QStringList& folders, bool cached) {
    return judge(loadLibrary(folders, cached), cached);
}

Catalogue readCatalogueWith(const QStringList& folders, const std::vector<Draft>& drafts,
                            std::vector<size_t>& index, bool cached) {
    Library library = loadLibrary(folders, cached);
    const QString own = QFileInfo(ui::userFolder("activities")).canonicalFilePath();
    const int ownIndex = own.isEmpty() ? -1 : static_cast<int>(folders.indexOf(own));
    for (const Draft& d : drafts) {
        const QString real = QFileInfo(d.path).canonicalFilePath();
        const QString fileName = QFileInfo(d.path).fileName();
        auto same = std::find_if(library.files.begin(), library.files.end(), [&](const auto& f) {
            return sameName(f.file.fileName, fileName);
        });
        if (!d.text && same != library.files.end() && !real.isEmpty() &&
            QFileInfo(same->file.path).canonicalFilePath() == real) {
            same->file.path = d.path;  // one of the folders' own: where it is, as she named it
            continue;
        }
        ReadResult read = d.text ? readActivity(*d.text, fileName) : readActivityFile(d.path);
        if (read.activity) read.activity->folder = QFileInfo(d.path).absolutePath();
        LoadedFile mine;
        mine.file = {d.path, fileName, ownIndex, {}, {}};
        mine.read = std::make_shared<const ReadResult>(std::move(read));
        if (same != library.files.end() && same->file.folder == ownIndex) {
            // In her folder it is her file of that name, and hides what that one hid.
            mine.file.hides = same->file.hides;
            mine.hidden = same->hidden;
            *same = std::move(mine);
            continue;
        }
        if (same != library.files.end()) {
            mine.file.hides = same->file.path;
            mine.hidden = same->read;
            library.files.erase(same);
        }
        // Among her files in the order of their names, as the folder is read.
        const auto at =
            std::find_if(library.files.begin(), library.files.end(), [&](const auto& f) {
                return f.file.folder > ownIndex ||
                       (f.file.folder == ownIndex && f.file.fileName > fileName);
            });
        library.files.insert(at, std::move(mine));
    }
    Catalogue out = judge(std::move(library), cached);
    index.clear();
    for (const Draft& d : drafts)
        for (size_t i = 0; i < out.entries.size(); ++i)
            if (out.entries[i].file.file.path == d.path) {
                index.push_back(i);
                break;
            }
    return out;
}

bool registerScreens(const Catalogue& c, size_t i, const std::function<QString(int)>& nameOf) {
    const CatalogueEntry& e = c.entries[i];
    if (!e.playable()) return false;
    std::shared_ptr<const Activity> activity(e.file.read, e.activity());
    if (e.place.where == Place::Healthy && !nameOf) {
        registerHealthyLiving(c);
        return true;
    }
    // Tried out on its own, a set for Healthy Living shows its own options.
    const auto planned = e.place.where == Place::Healthy
                             ? std::make_shared<const Planned>(plan(*activity))
                             : e.planned();
    registerActivityScreens(
        activity, planned, nameOf ? nameOf : [&e](int passage) {
            return passage == 0 ? e.screen() : QString("%1#%2").arg(e.screen()).arg(passage + 1);
        });
    return true;
}

QString registerTopic(const Catalogue& c, int menu, int slot) {
    const TopicHolder t = c.topic(menu, slot);
    if (t.builtIn) {
        if (QString(t.builtIn) == HealthyLivingScreen::Name) registerHealthyLiving(c);
        return t.builtIn;
    }
    if (t.entry >= 0 && registerScreens(c, static_cast<size_t>(t.entry)))
        return c.entries[static_cast<size_t>(t.entry)].screen();
    return {};
}

void forgetCatalogue() {
    forgetReadFiles();
    planCache().clear();
}

}  // namespace activityfiles
