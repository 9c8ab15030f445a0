#include "activities/files/catalogue.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <map>
#include <set>

#include "activities/files/filescreens.h"
#include "activities/labelling/healthylivingscreen.h"
#include "menus/menutables.h"
#include "ui/files.h"
#include "ui/formregistry.h"
#include "ui/pictures.h"

namespace activityfiles {

namespace {

// A school's folder holds dozens of files; a folder of thousands is a mistake, not a menu.
constexpr int kMaxFilesPerFolder = 500;

QString screenName(const QString& fileName, int passage = 0) {
    const QString name = "file:" + fileName;
    return passage == 0 ? name : QString("%1#%2").arg(name).arg(passage + 1);
}

QString healthyScreen(int option) {
    return option == 0 ? QString(HealthyLivingScreen::Name)
                       : QString("%1#%2").arg(HealthyLivingScreen::Name).arg(option + 1);
}

const menus::Topic& builtIn(int menu, int slot) {
    return menus::kMenus[menu - 1].topics[slot];
}

int captionSlot(int menu, const QString& topic) {
    for (int s = 0; s < 5; ++s)
        if (topic.compare(QString::fromUtf8(builtIn(menu, s).caption), Qt::CaseInsensitive) == 0)
            return s;
    return -1;
}

bool addsToHealthyLiving(const Activity& a) {
    return a.kind == Kind::Passage && a.menu == kHealthyMenu &&
           captionSlot(a.menu, a.topic) == kHealthySlot;
}

// A file's version: a file replaced within the clock's tick still has another size or inode.
QString versionOf(const QFileInfo& info) {
    return QString("%1:%2:%3")
        .arg(info.size())
        .arg(info.lastModified().toMSecsSinceEpoch())
        .arg(info.metadataChangeTime().toMSecsSinceEpoch());
}

struct CachedRead {
    QString version;
    std::shared_ptr<const ReadResult> result;
};
std::map<QString, CachedRead>& readCache() {
    static std::map<QString, CachedRead> cache;
    return cache;
}
std::set<QString>& reported() {
    static std::set<QString> seen;
    return seen;
}

std::shared_ptr<const ReadResult> readCached(const FoundFile& file, QString* version) {
    const QFileInfo info(file.path);
    *version = versionOf(info);
    CachedRead& entry = readCache()[file.path];
    if (!entry.result || entry.version != *version) {
        entry.version = *version;
        entry.result = std::make_shared<const ReadResult>(readActivityFile(file.path));
    }
    return entry.result;
}

void print(const QString& file, const Problem& p) {
    std::fprintf(stderr, "%s:%d:%d: %s\n", qUtf8Printable(file), p.at.line, p.at.column,
                 qUtf8Printable(p.message));
}

// A readable activity of a menu, in precedence order.
struct Entry {
    FoundFile file;
    std::shared_ptr<const Activity> activity;
};

// What one menu's files make: its slots, the screens to register and the problems.
struct MenuBuild {
    MenuSlots slots;
    std::vector<std::pair<QString, ui::FormRegistry::Factory>> screens;
    std::array<HealthyLivingScreen::OtherPassage, 4> healthy;
    std::vector<std::pair<QString, Problem>> problems;  // by file path
    std::vector<std::pair<const Entry*, const Planned*>> planned;
};

void registerPlanned(MenuBuild& build, const Entry& e, const Planned& p, int slot) {
    const auto activity = e.activity;
    const QString name = screenName(e.file.fileName);
    switch (activity->kind) {
        case Kind::Labelling:
        case Kind::Sorting:
            build.screens.emplace_back(name, [name, activity, plan = p.drags[0]] {
                return std::make_unique<FileDragScreen>(name, activity->title, plan);
            });
            break;
        case Kind::Passage: {
            PassageLinks links;
            const int n = static_cast<int>(p.drags.size());
            for (int k = 0; k < n; ++k) links.screens.push_back(screenName(e.file.fileName, k));
            for (int k = 0; k < n; ++k) {
                links.chosen = k;
                build.screens.emplace_back(links.screens[k], [name = links.screens[k], activity,
                                                              plan = p.drags[k], links] {
                    return std::make_unique<FileDragScreen>(name, activity->title, plan, links);
                });
            }
            break;
        }
        case Kind::Questions:
            build.screens.emplace_back(name, [name, activity, plans = p.questions] {
                return std::make_unique<FileQuestionsScreen>(name, activity, plans);
            });
            break;
        case Kind::TrueFalse:
            build.screens.emplace_back(name, [name, activity, plan = p.questions[0]] {
                return std::make_unique<FileTrueFalseScreen>(name, activity, plan);
            });
            break;
    }
    build.slots[slot].screen = name;
    if (captionSlot(activity->menu, activity->topic) < 0)
        build.slots[slot].caption = activity->topic;
}

// Healthy Living's other passages: options by caption or the first free, laid out with the
// options they end with, each passage on a screen of its own.
void addHealthyPassages(MenuBuild& build, const std::vector<const Entry*>& files,
                        std::vector<std::unique_ptr<Planned>>& keep) {
    std::vector<const Activity*> activities;
    for (const Entry* e : files) activities.push_back(e->activity.get());
    const auto choices = assignHealthyOptions(activities);
    OptionSet options;
    for (const char* caption : kHealthyOptions) options.captions << caption;
    options.enabled.assign(4, false);
    options.enabled[0] = true;
    for (size_t f = 0; f < files.size(); ++f) {
        for (size_t k = 0; k < choices[f].size(); ++k) {
            for (const Problem& p : choices[f][k].problems)
                build.problems.emplace_back(files[f]->file.path, p);
            const int option = choices[f][k].option;
            if (option < 0) continue;
            const QString& caption = files[f]->activity->passages[k].option;
            if (!caption.isEmpty()) options.captions[option] = caption;
        }
    }
    PassageLinks links;
    links.screens.assign(4, QString());
    links.screens[0] = healthyScreen(0);
    struct Laid {
        const Planned* planned;
        int passage, option;
    };
    std::vector<Laid> laid;
    for (size_t f = 0; f < files.size(); ++f) {
        keep.push_back(std::make_unique<Planned>(plan(*files[f]->activity, &options)));
        const Planned& p = *keep.back();
        for (const Problem& problem : p.problems)
            build.problems.emplace_back(files[f]->file.path, problem);
        if (!p.problems.empty()) continue;
        build.planned.emplace_back(files[f], &p);
        for (size_t k = 0; k < choices[f].size(); ++k) {
            const int option = choices[f][k].option;
            if (option < 0) continue;
            links.screens[option] = healthyScreen(option);
            laid.push_back({&p, static_cast<int>(k), option});
        }
    }
    for (int o = 1; o < 4; ++o) build.healthy[o] = {options.captions[o], links.screens[o]};
    for (const Laid& l : laid) {
        PassageLinks mine = links;
        mine.chosen = l.option;
        build.screens.emplace_back(
            links.screens[l.option],
            [name = links.screens[l.option], plan = l.planned->drags[l.passage], mine] {
                return std::make_unique<FileDragScreen>(name, "Healthy Living", plan, mine);
            });
    }
}

MenuBuild buildMenu(int menu, const std::vector<Entry>& entries,
                    std::vector<std::unique_ptr<Planned>>& keep) {
    MenuBuild build;
    for (int s = 0; s < 5; ++s) {
        build.slots[s].caption = QString::fromUtf8(builtIn(menu, s).caption);
        if (const char* screen = builtIn(menu, s).screen) build.slots[s].screen = screen;
    }
    std::vector<const Entry*> usable;
    std::vector<const Planned*> plans;
    std::vector<const Entry*> healthy;
    for (const Entry& e : entries) {
        if (e.activity->menu != menu) continue;
        if (addsToHealthyLiving(*e.activity)) {
            usable.push_back(&e);
            plans.push_back(nullptr);
            continue;
        }
        keep.push_back(std::make_unique<Planned>(plan(*e.activity)));
        for (const Problem& p : keep.back()->problems) build.problems.emplace_back(e.file.path, p);
        if (!keep.back()->problems.empty()) continue;
        usable.push_back(&e);
        plans.push_back(keep.back().get());
    }
    std::vector<Claim> claims;
    for (const Entry* e : usable)
        claims.push_back({e->activity->menu, e->activity->topic, e->activity->kind,
                          e->activity->topicPos, e->file.fileName});
    const std::vector<Assignment> slots = assignSlots(claims);
    for (size_t i = 0; i < usable.size(); ++i) {
        for (const Problem& p : slots[i].problems)
            build.problems.emplace_back(usable[i]->file.path, p);
        if (slots[i].slot < 0) continue;
        if (!plans[i]) {
            healthy.push_back(usable[i]);
            continue;
        }
        build.planned.emplace_back(usable[i], plans[i]);
        registerPlanned(build, *usable[i], *plans[i], slots[i].slot);
    }
    if (menu == kHealthyMenu) addHealthyPassages(build, healthy, keep);
    return build;
}

std::vector<Entry> readEntries(const std::vector<FoundFile>& files,
                               std::vector<std::pair<QString, Problem>>& problems, bool cached) {
    std::vector<Entry> entries;
    for (const FoundFile& f : files) {
        QString version;
        std::shared_ptr<const ReadResult> read =
            cached ? readCached(f, &version)
                   : std::make_shared<const ReadResult>(readActivityFile(f.path));
        for (const Problem& p : read->problems) problems.emplace_back(f.path, p);
        if (read->activity)
            entries.push_back({f, std::shared_ptr<const Activity>(read, &*read->activity)});
    }
    return entries;
}

}  // namespace

QStringList activityFolders() {
    // The "activities" folder of each data folder, in their order: a teacher's own folder
    // first, then the school's, then the program's.
    QStringList out;
    for (const QString& data : ui::dataFolders()) {
        const QDir dir(data);
        for (const QString& entry : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            if (entry.compare("activities", Qt::CaseInsensitive) == 0) {
                const QString real = QFileInfo(dir.filePath(entry)).canonicalFilePath();
                if (real.startsWith(data + '/')) out << real;
                break;
            }
    }
    return out;
}

std::vector<FoundFile> findActivityFiles(const QStringList& folders) {
    std::vector<FoundFile> out;
    std::set<QString> names;
    for (int i = 0; i < folders.size(); ++i) {
        const QDir dir(folders[i]);
        const QString root = dir.canonicalPath();
        if (root.isEmpty()) continue;
        const QFileInfoList found = dir.entryInfoList({"*.toml"}, QDir::Files, QDir::Name);
        int taken = 0;
        for (const QFileInfo& info : found) {
            // Regular files only, and nothing that a link takes outside the folder. Only a link
            // needs resolving (a path's every step asked of the system, at each menu opening).
            const QString real =
                info.isSymLink() ? info.canonicalFilePath() : root + '/' + info.fileName();
            if (!info.isFile() || !real.startsWith(root + '/')) continue;
            if (++taken > kMaxFilesPerFolder) break;
            if (!names.insert(info.fileName()).second) continue;
            out.push_back({info.absoluteFilePath(), info.fileName(), i});
        }
    }
    return out;
}

std::vector<Assignment> assignSlots(const std::vector<Claim>& claims) {
    std::vector<Assignment> out(claims.size());
    // Per menu and slot: the claim that holds it, -2 for a built-in screen, -1 when free.
    int holder[6][5];
    QString caption[6][5];
    for (int m = 1; m <= 5; ++m)
        for (int s = 0; s < 5; ++s) {
            holder[m][s] = builtIn(m, s).screen ? -2 : -1;
            caption[m][s] = QString::fromUtf8(builtIn(m, s).caption);
        }
    const auto taken = [&](size_t i, int slot) {
        const Claim& c = claims[i];
        const int h = holder[c.menu][slot];
        out[i].problems.push_back(
            {c.topicPos, h == -2 ? QString("\"%1\" on menu %2 is a built-in activity: choose "
                                           "another topic")
                                       .arg(caption[c.menu][slot])
                                       .arg(c.menu)
                                 : QString("\"%1\" on menu %2 is taken by %3")
                                       .arg(c.topic)
                                       .arg(c.menu)
                                       .arg(claims[static_cast<size_t>(h)].fileName)});
    };
    for (int pass = 0; pass < 2; ++pass) {
        for (size_t i = 0; i < claims.size(); ++i) {
            const Claim& c = claims[i];
            if (c.menu < 1 || c.menu > 5) continue;
            int slot = captionSlot(c.menu, c.topic);
            if ((slot >= 0) != (pass == 0)) continue;
            if (slot == kHealthySlot && c.menu == kHealthyMenu && c.kind == Kind::Passage) {
                out[i].slot = slot;
                continue;
            }
            if (slot < 0) {
                // A new topic: the same caption twice is one slot claimed twice.
                for (int s = 0; s < 5 && slot < 0; ++s)
                    if (holder[c.menu][s] >= 0 &&
                        caption[c.menu][s].compare(c.topic, Qt::CaseInsensitive) == 0)
                        slot = s;
                for (int s = 0; s < 5 && slot < 0; ++s)
                    if (holder[c.menu][s] == -1) slot = s;
                if (slot < 0) {
                    out[i].problems.push_back(
                        {c.topicPos,
                         QString("menu %1 has no free place for \"%2\"").arg(c.menu).arg(c.topic)});
                    continue;
                }
            }
            if (holder[c.menu][slot] != -1) {
                taken(i, slot);
                continue;
            }
            holder[c.menu][slot] = static_cast<int>(i);
            caption[c.menu][slot] = c.topic;
            out[i].slot = slot;
        }
    }
    return out;
}

std::vector<std::vector<OptionChoice>> assignHealthyOptions(
    const std::vector<const Activity*>& files) {
    std::vector<std::vector<OptionChoice>> out;
    bool taken[4] = {true, false, false, false};
    for (const Activity* a : files) {
        std::vector<OptionChoice>& mine = out.emplace_back(a->passages.size());
        // Named options first, so that a passage without one never takes another's.
        for (int pass = 0; pass < 2; ++pass) {
            for (size_t k = 0; k < a->passages.size(); ++k) {
                const Passage& p = a->passages[k];
                int option = -1;
                for (int o = 0; o < 4; ++o)
                    if (p.option.compare(kHealthyOptions[o], Qt::CaseInsensitive) == 0) option = o;
                if ((option >= 0) != (pass == 0)) continue;
                if (option < 0)
                    for (int o = 1; o < 4 && option < 0; ++o)
                        if (!taken[o]) option = o;
                if (option < 0 || taken[option]) {
                    mine[k].problems.push_back(
                        {p.where, option == 0 ? QString("the Smoking passage of Healthy Living is "
                                                        "built in")
                                  : option > 0
                                      ? QString("the %1 passage of Healthy Living is given twice")
                                            .arg(kHealthyOptions[option])
                                      : QString("Healthy Living has no option left for \"%1\"")
                                            .arg(p.option)});
                    continue;
                }
                taken[option] = true;
                mine[k].option = option;
            }
        }
    }
    return out;
}

std::vector<Report> checkFiles(const std::vector<FoundFile>& files, bool decodePictures) {
    std::vector<std::pair<QString, Problem>> problems;
    const std::vector<Entry> entries = readEntries(files, problems, false);
    for (int menu = 1; menu <= 5; ++menu) {
        std::vector<std::unique_ptr<Planned>> keep;
        MenuBuild build = buildMenu(menu, entries, keep);
        problems.insert(problems.end(), build.problems.begin(), build.problems.end());
        if (!decodePictures) continue;
        // The header said it is a picture; only decoding tells whether all of it can be read.
        for (const auto& [entry, planned] : build.planned) {
            const Activity& a = *entry->activity;
            const auto tryDecode = [&](const QString& path, Position at) {
                if (path.isEmpty()) return;
                const ui::PictureJudgement decoded = ui::judgePictureFile(path);
                if (!decoded.usable())
                    problems.emplace_back(entry->file.path, Problem{at, decoded.problem});
            };
            for (const DragPlan& d : planned->drags) tryDecode(d.picturePath, a.picturePos);
            for (size_t q = 0; q < planned->questions.size(); ++q) {
                if (a.kind == Kind::TrueFalse)
                    tryDecode(planned->questions[q].picturePath, a.picturePos);
                else
                    tryDecode(planned->questions[q].picturePath, a.questions[q].picturePos);
            }
        }
    }
    std::vector<Report> out;
    for (const FoundFile& f : files) {
        Report r{f.path, {}};
        for (const auto& [path, p] : problems)
            if (path == f.path) r.problems.push_back(p);
        std::stable_sort(
            r.problems.begin(), r.problems.end(), [](const Problem& a, const Problem& b) {
                return a.at.line != b.at.line ? a.at.line < b.at.line : a.at.column < b.at.column;
            });
        out.push_back(std::move(r));
    }
    return out;
}

MenuSlots menuSlots(int menu) {
    std::vector<std::pair<QString, Problem>> problems;
    const std::vector<FoundFile> files = findActivityFiles(activityFolders());
    const std::vector<Entry> entries = readEntries(files, problems, true);
    std::vector<std::unique_ptr<Planned>> keep;
    MenuBuild build = buildMenu(menu, entries, keep);
    problems.insert(problems.end(), build.problems.begin(), build.problems.end());
    // Each problem once for each version of its file, however often menus open.
    for (const auto& [path, p] : problems) {
        const QString key = QString("%1|%2|%3:%4 %5")
                                .arg(path, readCache()[path].version)
                                .arg(p.at.line)
                                .arg(p.at.column)
                                .arg(p.message);
        if (reported().insert(key).second) print(path, p);
    }
    for (auto& [name, factory] : build.screens)
        ui::forms().registerScreen(name, std::move(factory));
    if (menu == kHealthyMenu) HealthyLivingScreen::otherPassages = build.healthy;
    return build.slots;
}

void forgetActivityFiles() {
    readCache().clear();
    reported().clear();
    HealthyLivingScreen::otherPassages = {};
}

}  // namespace activityfiles
