#include "activities/files/arrangement.h"

namespace activityfiles {

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
    for (size_t i = 0; i < a.placement.places.size(); ++i) {
        if (a.placement.places[i].where != Place::Healthy) continue;
        out.files.push_back(i);
        activities.push_back(&*a.library.files[i].read->activity);
    }
    out.choices = assignHealthyOptions(activities);
    for (const char* caption : kHealthyOptions) out.options.captions << caption;
    out.options.enabled.assign(4, false);
    out.options.enabled[0] = true;
    for (size_t f = 0; f < activities.size(); ++f)
        for (size_t k = 0; k < out.choices[f].size(); ++k) {
            const QString& caption = activities[f]->passages[k].option;
            if (out.choices[f][k].option >= 0 && !caption.isEmpty())
                out.options.captions[out.choices[f][k].option] = caption;
        }
    return out;
}

}  // namespace activityfiles
