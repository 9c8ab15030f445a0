#pragma once
// The catalogue: every activity of the data folders, read, placed, laid out and judged, in one
// answer. The menus, `--check`, the Activity Maker and the import all ask it and derive
// nothing themselves, so that each activity gets one verdict. It prints nothing and knows no
// menu widget.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "activities/files/layout.h"
#include "activities/files/library.h"
#include "activities/files/placement.h"
#include "ui/formregistry.h"

namespace activityfiles {

struct CatalogueEntry {
    LoadedFile file;  // what was read, and what it hides
    Place place;      // where it goes; Displaced: a file hers replaced, which nothing reads
    // Healthy Living's option (1 to 3) of each passage, when it adds to Healthy Living; -1
    // for a passage that found none.
    std::vector<int> healthyOptions;

    // Every problem: reading, placing, layout and pictures, in file order. None for a file
    // that is displaced. Laid out when first asked, so a menu lays out only what it shows.
    const std::vector<Problem>& problems() const;
    // Its layout, when it could be read.
    std::shared_ptr<const Planned> planned() const;

    bool used() const { return place.where != Place::Displaced; }
    bool playable() const { return used() && problems().empty() && planned(); }
    const Activity* activity() const {
        return file.read->activity ? &*file.read->activity : nullptr;
    }
    // The menu it appears in (Healthy Living's for its passages); 0: Our Activities.
    int menu() const {
        return place.where == Place::Topic || place.where == Place::Own ? place.menu
               : place.where == Place::Healthy                          ? kHealthyMenu
                                                                        : 0;
    }
    // The name its (first) screen is registered under by registerScreens: a shipped
    // activity's own, else its file's; section or passage k's.
    QString screen() const;
    QString screenOf(int k) const;

    // What reading and placing found; the options it is laid out with (Healthy Living's).
    std::vector<Problem> readAndPlaced;
    std::shared_ptr<const OptionSet> options;
    std::shared_ptr<const OptionSet> shownOptions;  // the same in the program's language
    bool cached = false;

    // Its translation into the program's language (empty: none), and the activity with that
    // translation's sound texts in place of its own (null: none applies).
    QString translationPath;
    std::shared_ptr<const Activity> translated;
    // What pupils see, on screens and worksheets: the translated activity, or its own when
    // there is none or the translated one does not fit its screen. Null when it cannot be read.
    std::shared_ptr<const Activity> shown() const;
    std::shared_ptr<const Planned> shownPlan() const;

  private:
    mutable std::shared_ptr<const Planned> planned_;
    mutable std::optional<std::vector<Problem>> problems_;
    mutable std::shared_ptr<const Activity> shown_;
    mutable std::shared_ptr<const Planned> shownPlan_;
};

// A translation of an entry's activity, judged: its problems at the lines of its own file
// (the texts it does not match, and a translated text that does not fit its place, named), and
// the activity it makes with its sound texts, laid out; null plan when that does not fit.
struct TranslationVerdict {
    std::vector<Problem> problems;
    std::shared_ptr<const Activity> activity;
    std::shared_ptr<const Planned> planned;
};
TranslationVerdict judgeTranslation(const CatalogueEntry& entry, const QString& path,
                                    bool cached = true);

// What stands in one of a menu's five topics.
struct TopicHolder {
    QString caption;
    const char* builtIn = nullptr;  // a game that is code, not a file
    int entry = -1;                 // or an activity file of the catalogue
};

struct Catalogue {
    std::vector<CatalogueEntry> entries;  // in the order files take precedence
    std::vector<FileProblem> problems;    // of finding the files: folders, links, clashing names
    std::array<std::array<int, 5>, 5> holders{};  // the entry in each topic of menus 1 to 5
    std::vector<int> ourActivities;               // entries listed there, in order
    OptionSet healthyOptions;  // Healthy Living's four options, as its passages name them

    TopicHolder topic(int menu, int slot) const;
};

// Everything the data folders hold. With `cached`, what was read or laid out before is done
// again only once its file has changed.
Catalogue readCatalogue(const QStringList& folders, bool cached = true);

// An activity not (or not yet) saved where it will stand: the Maker's document, a file named
// to `--check`, a shared activity being imported. It is judged as if it lay in the first of
// the folders, in place of the file of its name there (and of what that one hides); a file
// that is one of the folders' own stands where it is.
struct Draft {
    QString path;                    // reported as given; its folder is where pictures are found
    std::optional<QByteArray> text;  // unsaved text; else the file at path is read
};
// The catalogue with the drafts in their places; `index` gets each draft's entry.
Catalogue readCatalogueWith(const QStringList& folders, const std::vector<Draft>& drafts,
                            std::vector<size_t>& index, bool cached = true);

// Registers the screens that play an entry under nameOf(passage or section) (its own names
// when none is given), and for an entry of Healthy Living's, Healthy Living itself with every
// passage the catalogue gives it. False when it is not playable.
bool registerScreens(const Catalogue& catalogue, size_t entry,
                     const std::function<QString(int)>& nameOf = {});

// Registers what one of a menu's topics opens and gives its screen's name: the game that is
// code, or a playable file's (Healthy Living with the passages the files add); empty when the
// topic opens nothing.
QString registerTopic(const Catalogue& catalogue, int menu, int slot);

// The shipped activities, each made from the catalogue when its screen is shown (her copy in
// its place), under the screen names its topic has always opened, so that the menus, the
// magnets' sections and every caller find it; Healthy Living with every passage the files
// give it.
void registerOwnScreens(ui::FormRegistry& registry);
std::unique_ptr<ui::Form> makeOwnScreen(const QString& name);

// Forgets what was read and laid out (tests).
void forgetCatalogue();

}  // namespace activityfiles
