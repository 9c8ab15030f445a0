#include "menus/arrangement.h"

using namespace activityfiles;

namespace menus {

Arrangement arrange(Library library) {
    std::vector<Candidate> candidates;
    candidates.reserve(library.files.size());
    for (const LoadedFile& f : library.files) {
        Candidate c;
        c.fileName = f.file.fileName;
        c.folder = f.file.folder;
        c.menu = f.read->menu;
        c.topic = f.read->topic;
        if (const auto& a = f.read->activity) {
            c.topicPos = a->topicPos;
            c.passage = a->kind == Kind::Passage;
        }
        // A hidden file that cannot be read far enough to say where it went leaves her file
        // to its own fields.
        if (f.hidden && (f.hidden->menu > 0 || !f.hidden->topic.isEmpty())) {
            c.hides = true;
            c.hiddenMenu = f.hidden->menu;
            c.hiddenTopic = f.hidden->topic;
        }
        candidates.push_back(std::move(c));
    }
    Arrangement out{std::move(library), {}};
    out.placement = place(candidates);
    return out;
}

std::vector<Problem> readAndPlaceProblems(const Arrangement& a, size_t file) {
    std::vector<Problem> out = a.library.files[file].read->problems;
    const auto& placed = a.placement.places[file].problems;
    out.insert(out.end(), placed.begin(), placed.end());
    return out;
}

HealthyPassages healthyPassages(const Arrangement& a) {
    HealthyPassages out;
    std::vector<const Activity*> activities;
    // Healthy Living's own file first, when it can be read.
    const int own = a.placement.holders[kHealthyMenu - 1][kHealthySlot];
    const bool ownRead =
        own >= 0 && a.library.files[static_cast<size_t>(own)].read->activity &&
        a.library.files[static_cast<size_t>(own)].read->activity->kind == Kind::Passage;
    for (size_t i = 0; i < a.placement.places.size(); ++i) {
        const bool isOwn = ownRead && static_cast<int>(i) == own;
        if (!isOwn && a.placement.places[i].where != Place::Healthy) continue;
        if (isOwn) {
            out.files.insert(out.files.begin(), i);
            activities.insert(activities.begin(), &*a.library.files[i].read->activity);
        } else {
            out.files.push_back(i);
            activities.push_back(&*a.library.files[i].read->activity);
        }
    }
    out.ownFile = ownRead;
    out.choices = assignHealthyOptions(activities, ownRead);
    for (const char* caption : kHealthyOptions) out.options.captions << caption;
    out.options.enabled.assign(4, false);
    for (size_t f = 0; f < activities.size(); ++f)
        for (size_t k = 0; k < out.choices[f].size(); ++k) {
            const QString& caption = activities[f]->passages[k].option;
            if (out.choices[f][k].option >= 0 && !caption.isEmpty())
                out.options.captions[out.choices[f][k].option] = caption;
        }
    return out;
}

}  // namespace menus
