#include "activities/files/placement.h"

#include <algorithm>

#include "activities/files/problemwords.h"
#include "activities/files/shipped.h"

namespace activityfiles {

namespace {

int captionSlot(int menu, const QString& topic) {
    for (int s = 0; s < 5; ++s)
        if (topic.compare(QString::fromUtf8(kMenuTopics[menu - 1][s].caption),
                          Qt::CaseInsensitive) == 0)
            return s;
    return -1;
}

// Where a candidate asks to go, before other files are taken into account.
Place wanted(const Candidate& c) {
    Place p;
    const int menu = c.hides ? c.hiddenMenu : c.menu;
    const QString& topic = c.hides ? c.hiddenTopic : c.topic;
    if (menu < 1 || menu > 5) return p;
    const int slot = captionSlot(menu, topic);
    if (slot < 0) {
        if (!c.hides)
            p.problems.push_back(fileProblem(c.topicPos, Fault::MenuNoTopic, {"menu"},
                                             {QString::number(menu), topic}));
        return p;
    }
    if (kMenuTopics[menu - 1][slot].builtIn) {
        p.problems.push_back(fileProblem(
            c.topicPos, Fault::TopicBuiltIn, {"topic"},
            {QString::fromUtf8(kMenuTopics[menu - 1][slot].caption), QString::number(menu)}));
        return p;
    }
    // A shipped activity's file, or her copy of it, is played under the screens its entry has
    // always opened.
    if (shippedByFile(c.fileName)) {
        p.where = Place::Own;
        p.menu = menu;
        p.slot = slot;
        return p;
    }
    if (menu == kHealthyMenu && slot == kHealthySlot && c.passage) {
        p.where = Place::Healthy;
        return p;
    }
    p.where = Place::Topic;
    p.menu = menu;
    p.slot = slot;
    return p;
}

QString captionOf(const Candidate& c, const Place& p) {
    if (c.topic.isEmpty()) return c.fileName;
    if (!c.shownTopic.isEmpty()) return c.shownTopic;
    if (p.where == Place::Topic || p.where == Place::Own) {
        const QString table = QString::fromUtf8(kMenuTopics[p.menu - 1][p.slot].caption);
        if (table.compare(c.topic, Qt::CaseInsensitive) == 0) return table;
    }
    return c.topic;
}

}  // namespace

Placement place(const std::vector<Candidate>& candidates) {
    Placement out;
    out.places.resize(candidates.size());
    for (auto& menu : out.holders) menu.fill(-1);
    // Files that take a shipped or school file's place first, whatever they say.
    for (int pass = 0; pass < 2; ++pass) {
        for (size_t i = 0; i < candidates.size(); ++i) {
            const Candidate& c = candidates[i];
            if (c.hides != (pass == 0)) continue;
            Place p = wanted(c);
            if (p.where == Place::Topic || p.where == Place::Own) {
                int& holder = out.holders[p.menu - 1][p.slot];
                if (holder >= 0) {
                    const Candidate& other = candidates[static_cast<size_t>(holder)];
                    if (other.folder < c.folder) {
                        p.where = Place::Displaced;
                    } else if (other.folder > c.folder) {
                        out.places[static_cast<size_t>(holder)].where = Place::Displaced;
                    } else {
                        p.where = Place::OurActivities;
                        p.problems.push_back(
                            fileProblem(c.topicPos, Fault::TopicTaken, {"topic"},
                                        {c.topic, QString::number(p.menu), other.fileName}));
                    }
                }
                if (p.where == Place::Topic || p.where == Place::Own) holder = static_cast<int>(i);
            }
            p.caption = captionOf(c, p);
            out.places[i] = std::move(p);
        }
    }
    for (size_t i = 0; i < candidates.size(); ++i)
        if (out.places[i].where == Place::OurActivities)
            out.ourActivities.push_back(static_cast<int>(i));
    std::stable_sort(out.ourActivities.begin(), out.ourActivities.end(), [&](int a, int b) {
        const Place& pa = out.places[static_cast<size_t>(a)];
        const Place& pb = out.places[static_cast<size_t>(b)];
        const int byCaption = pa.caption.compare(pb.caption, Qt::CaseInsensitive);
        return byCaption != 0 ? byCaption < 0
                              : candidates[static_cast<size_t>(a)].fileName <
                                    candidates[static_cast<size_t>(b)].fileName;
    });
    return out;
}

std::vector<std::vector<OptionChoice>> assignHealthyOptions(
    const std::vector<const Activity*>& files, bool firstIsOwn) {
    std::vector<std::vector<OptionChoice>> out;
    // Smoking is Healthy Living's own file's alone.
    bool taken[4] = {!firstIsOwn, false, false, false};
    for (size_t f = 0; f < files.size(); ++f) {
        const Activity* a = files[f];
        if (f > 0) taken[0] = true;
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
                    const Spot spot{"option", static_cast<int>(k)};
                    mine[k].problems.push_back(
                        option == 0 ? fileProblem(p.where, Fault::SmokingBuiltIn, spot)
                        : option > 0
                            ? fileProblem(p.where, Fault::HealthyTwice, spot,
                                          {kHealthyOptions[option]})
                            : fileProblem(p.where, Fault::HealthyNoOption, spot, {p.option}));
                    continue;
                }
                taken[option] = true;
                mine[k].option = option;
            }
        }
    }
    return out;
}

}  // namespace activityfiles
