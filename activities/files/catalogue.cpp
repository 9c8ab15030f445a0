#include "activities/files/catalogue.h"

#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <algorithm>
#include <set>

#include "activities/files/filescreens.h"
#include "activities/files/shipped.h"
#include "ui/files.h"
#include "ui/formregistry.h"

namespace activityfiles {

namespace {

void append(std::vector<Problem>& to, const std::vector<Problem>& from) {
    to.insert(to.end(), from.begin(), from.end());
}

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Laying out measures every text: a catalogue read again lays out only what changed.
struct CachedPlan {
    std::shared_ptr<const void> read;  // what it was laid out from
    QStringList options;
    std::shared_ptr<const Planned> planned;
};
QHash<QString, CachedPlan>& planCache() {
    static QHash<QString, CachedPlan> cache;
    return cache;
}

// `a` laid out, kept under `key` while it is made from the same `source` (empty: not kept).
std::shared_ptr<const Planned> planOf(const QString& key, const std::shared_ptr<const void>& source,
                                      const Activity& a, const OptionSet* options) {
    if (key.isEmpty()) return std::make_shared<const Planned>(plan(a, options));
    CachedPlan& entry = planCache()[key];
    const QStringList captions = options ? options->captions : QStringList();
    if (entry.read != source || entry.options != captions || !entry.planned) {
        entry = {source, captions, std::make_shared<const Planned>(plan(a, options))};
    }
    return entry.planned;
}

std::shared_ptr<const Planned> planOf(const LoadedFile& f, const OptionSet* options, bool cached) {
    // A draft is laid out afresh each time: it is not the file of its path.
    const bool keep = cached && !f.file.version.isEmpty();
    return planOf(keep ? f.file.path : QString(), f.read, *f.read->activity, options);
}

// An activity with a translation's sound texts in place: each pair at no problem's place.
struct Applied {
    std::shared_ptr<const ReadResult> read;  // what it was made from
    std::shared_ptr<const Translation> translation;
    std::vector<Problem> problems;
    std::shared_ptr<const Activity> activity;  // null when the activity cannot be read
};
QHash<QString, Applied>& appliedCache() {
    static QHash<QString, Applied> cache;
    return cache;
}

// The program's language as a translation's file name gives it ("cy").
QString programLanguage() {
    return QLocale::languageToCode(QLocale().language());
}

bool byPlace(const Problem& x, const Problem& y) {
    return x.at.line != y.at.line ? x.at.line < y.at.line : x.at.column < y.at.column;
}

bool samePlace(Position a, Position b) {
    return a.line == b.line && a.column == b.column;
}

Applied applyTranslation(const std::shared_ptr<const ReadResult>& read, const QString& path,
                         bool cached) {
    const auto translation = readTranslationFile(path, cached);
    if (cached)
        if (const auto it = appliedCache().constFind(path);
            it != appliedCache().constEnd() && it->read == read && it->translation == translation)
            return *it;
    Applied out{read, translation, translation->problems, nullptr};
    if (read->activity) {
        append(out.problems, checkTranslation(*read->activity, *translation));
        Translation sound;
        for (const TextPair& pair : translation->pairs)
            if (std::none_of(out.problems.begin(), out.problems.end(),
                             [&](const Problem& p) { return samePlace(p.at, pair.at); }))
                sound.pairs.push_back(pair);
        Activity mine = translated(*read->activity, sound);
        // Boxes placed by hand stand over the blanks of the passage's own words, which its
        // translation moves: the program lays a translated passage out itself.
        for (size_t k = 0; k < mine.passages.size(); ++k)
            if (mine.passages[k].pieces != read->activity->passages[k].pieces) {
                mine.passages[k].placed.clear();
                mine.passages[k].blanks.clear();
            }
        out.activity = std::make_shared<const Activity>(std::move(mine));
    }
    if (cached) appliedCache().insert(path, out);
    return out;
}

// Where in the translation a problem of the translated activity's layout is told: at the
// text it names, a gap's word within its passage; else at the top.
Position toldAt(const Problem& p, const Translation& t) {
    for (const TextPair& pair : t.pairs) {
        const QString text = pair.translated.trimmed();
        if (text.isEmpty()) continue;
        if (p.args.contains(text) || p.message.contains('"' + text + '"')) return pair.at;
        for (const QString& arg : p.args)
            if (!arg.isEmpty() && text.contains('[' + arg + ']')) return pair.at;
    }
    return {1, 1};
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

Catalogue judge(Library library, bool cached) {
    Catalogue out;
    out.problems = std::move(library.problems);
    // Each file in the program's language, where a translation gives it; its topic as the menu
    // shows it.
    const QString language = programLanguage();
    std::vector<Applied> applied(library.files.size());
    std::vector<Candidate> candidates;
    for (size_t i = 0; i < library.files.size(); ++i) {
        const LoadedFile& f = library.files[i];
        Candidate& c = candidates.emplace_back(candidateOf(f));
        const auto t = f.file.translations.find(language);
        if (t == f.file.translations.end() || !f.read->activity) continue;
        applied[i] = applyTranslation(f.read, t->second, cached);
        if (applied[i].activity->topic != f.read->activity->topic)
            c.shownTopic = applied[i].activity->topic;
    }
    Placement placement = place(candidates);
    out.holders = placement.holders;
    out.ourActivities = std::move(placement.ourActivities);

    std::vector<const Activity*> healthy;
    for (size_t i = 0; i < library.files.size(); ++i) {
        CatalogueEntry& e = out.entries.emplace_back();
        e.file = std::move(library.files[i]);
        e.place = std::move(placement.places[i]);
        if (applied[i].activity) {
            e.translationPath = e.file.file.translations.at(language);
            e.translated = applied[i].activity;
        }
    }
    // Healthy Living's own file first, when it can be read, then the files that add to it.
    const int own = out.holders[kHealthyMenu - 1][kHealthySlot];
    const bool ownRead = own >= 0 && out.entries[static_cast<size_t>(own)].activity() &&
                         out.entries[static_cast<size_t>(own)].activity()->kind == Kind::Passage;
    std::vector<size_t> healthyEntries;
    if (ownRead) healthyEntries.push_back(static_cast<size_t>(own));
    for (size_t i = 0; i < out.entries.size(); ++i)
        if (out.entries[i].place.where == Place::Healthy) healthyEntries.push_back(i);
    for (size_t i : healthyEntries) healthy.push_back(out.entries[i].activity());

    // Healthy Living's options: by caption, or the first free; its captions as they name them.
    const auto choices = assignHealthyOptions(healthy, ownRead);
    for (const char* caption : kHealthyOptions) out.healthyOptions.captions << caption;
    out.healthyOptions.enabled.assign(4, false);
    out.healthyOptions.enabled[0] = true;
    std::vector<std::vector<Problem>> chosen(out.entries.size());
    for (size_t h = 0; h < healthyEntries.size(); ++h) {
        const size_t i = healthyEntries[h];
        CatalogueEntry& e = out.entries[i];
        for (size_t k = 0; k < choices[h].size(); ++k) {
            const int option = choices[h][k].option;
            e.healthyOptions.push_back(option);
            append(chosen[i], choices[h][k].problems);
            const QString& caption = e.activity()->passages[k].option;
            if (option >= 0 && !caption.isEmpty()) out.healthyOptions.captions[option] = caption;
        }
    }

    const auto options = std::make_shared<const OptionSet>(out.healthyOptions);
    // The same in the program's language, for the translated passages.
    OptionSet shownOptions = out.healthyOptions;
    for (size_t i : healthyEntries)
        if (const auto& t = out.entries[i].translated)
            for (size_t k = 0; k < out.entries[i].healthyOptions.size(); ++k)
                if (const int option = out.entries[i].healthyOptions[k];
                    option >= 0 && !t->passages[k].option.isEmpty())
                    shownOptions.captions[option] = t->passages[k].option;
    const auto shown = std::make_shared<const OptionSet>(std::move(shownOptions));
    for (size_t i = 0; i < out.entries.size(); ++i) {
        CatalogueEntry& e = out.entries[i];
        if (!e.used()) continue;  // nothing reads a file she replaced
        e.readAndPlaced = e.file.read->problems;
        append(e.readAndPlaced, e.place.problems);
        append(e.readAndPlaced, chosen[i]);
        if (!e.healthyOptions.empty()) {
            e.options = options;
            e.shownOptions = shown;
        }
        e.cached = cached;
    }
    return out;
}

QString healthyScreen(int option) {
    return option == 0 ? QString(kHealthyScreen)
                       : QString("%1#%2").arg(kHealthyScreen).arg(option + 1);
}

// Healthy Living's passages, its own file's and those sound files add, each on a screen of
// its own behind its option.
struct HealthyScreens {
    QString title = QString::fromUtf8(kMenuTopics[kHealthyMenu - 1][kHealthySlot].caption);
    PassageLinks links;
    struct Laid {
        std::shared_ptr<const Planned> planned;
        size_t passage;
        int option;
    };
    std::vector<Laid> laid;

    std::unique_ptr<FileDragScreen> make(const Laid& l) const {
        PassageLinks mine = links;
        mine.chosen = l.option;
        return std::make_unique<FileDragScreen>(links.screens[static_cast<size_t>(l.option)], title,
                                                l.planned->drags[l.passage], mine);
    }
};

HealthyScreens layHealthy(const Catalogue& c) {
    HealthyScreens out;
    out.links.screens.assign(4, QString());
    const auto add = [&](const CatalogueEntry& e) {
        if (!e.playable()) return;
        for (size_t k = 0; k < e.healthyOptions.size(); ++k) {
            const int option = e.healthyOptions[k];
            if (option < 0) continue;
            out.links.screens[static_cast<size_t>(option)] = healthyScreen(option);
            out.laid.push_back({e.shownPlan(), k, option});
        }
    };
    const int own = c.holders[kHealthyMenu - 1][kHealthySlot];
    if (own >= 0 && !c.entries[static_cast<size_t>(own)].healthyOptions.empty()) {
        const CatalogueEntry& e = c.entries[static_cast<size_t>(own)];
        if (e.playable()) out.title = e.shown()->title;
        add(e);
    }
    for (const CatalogueEntry& e : c.entries)
        if (e.place.where == Place::Healthy) add(e);
    return out;
}

void registerHealthyLiving(const Catalogue& c) {
    const HealthyScreens h = layHealthy(c);
    for (const HealthyScreens::Laid& l : h.laid)
        ui::forms().registerScreen(h.links.screens[static_cast<size_t>(l.option)],
                                   [h, l] { return h.make(l); });
}

}  // namespace

const std::vector<Problem>& CatalogueEntry::problems() const {
    if (problems_) return *problems_;
    std::vector<Problem> all = readAndPlaced;
    if (used() && activity()) {
        planned_ = planOf(file, options.get(), cached);
        append(all, planned_->problems);
    }
    std::stable_sort(all.begin(), all.end(), byPlace);
    problems_ = std::move(all);
    return *problems_;
}

std::shared_ptr<const Planned> CatalogueEntry::planned() const {
    problems();
    return planned_;
}

std::shared_ptr<const Activity> CatalogueEntry::shown() const {
    shownPlan();
    return shown_;
}

std::shared_ptr<const Planned> CatalogueEntry::shownPlan() const {
    if (shown_) return shownPlan_;
    // A translation that does not fit its screen is not shown at all: a pupil sees the
    // activity whole in its own words rather than a word cut off.
    if (translated && used()) {
        const TranslationVerdict v = judgeTranslation(*this, translationPath, cached);
        if (v.planned) {
            shown_ = v.activity;
            shownPlan_ = v.planned;
            return shownPlan_;
        }
    }
    if (activity()) {
        shown_ = std::shared_ptr<const Activity>(file.read, activity());
        shownPlan_ = planned();
    }
    return shownPlan_;
}

TranslationVerdict judgeTranslation(const CatalogueEntry& e, const QString& path, bool cached) {
    const Applied applied = applyTranslation(e.file.read, path, cached);
    TranslationVerdict out{applied.problems, applied.activity, nullptr};
    if (!out.activity || !e.used()) return out;
    // Healthy Living's options as the program's language names them, this file's as its
    // translation does.
    std::optional<OptionSet> options;
    if (e.options) options = e.shownOptions ? *e.shownOptions : *e.options;
    for (size_t k = 0; options && k < e.healthyOptions.size(); ++k)
        if (const int o = e.healthyOptions[k];
            o >= 0 && !out.activity->passages[k].option.isEmpty())
            options->captions[o] = out.activity->passages[k].option;
    out.planned = planOf(cached ? path : QString(), applied.activity, *out.activity,
                         options ? &*options : nullptr);
    // Only what the translation brings: the activity's own problems are told with it.
    std::set<QString> own;
    for (const Problem& p : e.problems()) own.insert(p.message);
    bool fits = true;
    for (const Problem& p : out.planned->problems) {
        // Said once, though every question with the answer has it.
        if (!own.insert(p.message).second) continue;
        fits = false;
        Problem told = p;
        told.at = toldAt(p, *applied.translation);
        out.problems.push_back(std::move(told));
    }
    if (!fits) out.planned = nullptr;
    std::stable_sort(out.problems.begin(), out.problems.end(), byPlace);
    return out;
}

QString CatalogueEntry::screen() const {
    return screenOf(0);
}

QString CatalogueEntry::screenOf(int k) const {
    if (place.where == Place::Own)
        if (const ShippedScreens* s = shippedByFile(file.file.fileName))
            if (k < static_cast<int>(s->screens.size()) && s->screens[static_cast<size_t>(k)])
                return s->screens[static_cast<size_t>(k)];
    const QString first = "file:" + file.file.fileName;
    return k == 0 ? first : QString("%1#%2").arg(first).arg(k + 1);
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
            // One of the folders' own: where it is, as she named it.
            same->file.path = d.path;
            same->file.translations = translationsBeside(d.path);
            continue;
        }
        ReadResult read = d.text ? readActivity(*d.text, fileName) : readActivityFile(d.path);
        if (read.activity) read.activity->folder = QFileInfo(d.path).absolutePath();
        LoadedFile mine;
        mine.file = {d.path, fileName, ownIndex, {}, {}, translationsBeside(d.path)};
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
    const std::shared_ptr<const Activity> activity = e.shown();
    // Healthy Living's passages, its own file's and those other files add, play together.
    if (!e.healthyOptions.empty() && !nameOf) {
        registerHealthyLiving(c);
        return true;
    }
    // Tried out on its own, a set for Healthy Living shows its own options.
    const auto planned = e.place.where == Place::Healthy
                             ? std::make_shared<const Planned>(plan(*activity))
                             : e.shownPlan();
    registerActivityScreens(
        activity, planned, nameOf ? nameOf : [&e](int k) { return e.screenOf(k); });
    return true;
}

QString registerTopic(const Catalogue& c, int menu, int slot) {
    const TopicHolder t = c.topic(menu, slot);
    if (t.builtIn) return t.builtIn;
    if (t.entry >= 0 && registerScreens(c, static_cast<size_t>(t.entry)))
        return c.entries[static_cast<size_t>(t.entry)].screen();
    return {};
}

std::unique_ptr<ui::Form> makeOwnScreen(const QString& name) {
    const Catalogue c = readCatalogue(activityFolders());
    for (const CatalogueEntry& e : c.entries) {
        // Opened by its name, it plays even with a problem the menus grey it for, as a screen
        // always has: a missing picture leaves its slot empty.
        const std::shared_ptr<const Planned> planned =
            e.place.where == Place::Own ? e.shownPlan() : nullptr;
        if (!planned) continue;
        if (!e.healthyOptions.empty()) {
            if (name != QLatin1String(kHealthyScreen)) continue;
            // Its other passages too, wherever it is opened from.
            const HealthyScreens h = layHealthy(c);
            registerHealthyLiving(c);
            for (const HealthyScreens::Laid& l : h.laid)
                if (l.option == 0) return h.make(l);
            continue;
        }
        const std::shared_ptr<const Activity> activity = e.shown();
        const std::vector<QString> names =
            screenNames(*activity, *planned, [&e](int k) { return e.screenOf(k); });
        for (size_t k = 0; k < names.size(); ++k)
            if (names[k] == name) return makeActivityScreen(activity, planned, names, k);
    }
    // Without a sound file the menus grey the entry; opened by its name, the board is empty.
    return std::make_unique<FileDragScreen>(name, QString(), DragPlan{});
}

void registerOwnScreens(ui::FormRegistry& registry) {
    for (const ShippedScreens& s : kShippedScreens)
        for (const char* screen : s.screens)
            if (screen)
                registry.registerScreen(screen,
                                        [name = QString(screen)] { return makeOwnScreen(name); });
}

void forgetCatalogue() {
    forgetReadFiles();
    planCache().clear();
    appliedCache().clear();
}

}  // namespace activityfiles
