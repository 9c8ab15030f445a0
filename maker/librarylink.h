#pragma once
// Everything the Maker asks of the catalogue, in one narrow class: which activities there
// are, where one may go, and what is wrong with one. It judges nothing itself.
#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "activities/files/catalogue.h"

namespace maker {

class LibraryLink {
    Q_DECLARE_TR_FUNCTIONS(LibraryLink)

  public:
    // An activity file the program would read, hers or one that comes with the program.
    struct Listed {
        QString path;
        QString fileName;
        QString topic;  // or, for a file that cannot be read, its file name
        int menu = 0;   // 0: Our Activities, or unknown
        bool mine = false;
        int problems = 0;
    };

    // One of a menu's five entries as a place to put an activity.
    struct Place {
        QString caption;
        QString holder;    // what stands there now, in her words
        QString fileName;  // the shipped file it holds, whose name a new activity takes
        bool offered = false;
        QString why;  // when not offered
    };

    // A read: the activity when it can be played, and every problem, in file order; and the
    // catalogue as it would be with it, for trying it out and saying where it goes.
    struct Read {
        std::optional<activityfiles::Activity> activity;
        std::optional<activityfiles::Activity> fields;  // its fields, when they can be read
        std::vector<activityfiles::Problem> problems;
        std::shared_ptr<const activityfiles::Catalogue> catalogue;
        size_t entry = 0;
        const activityfiles::CatalogueEntry& judged() const { return catalogue->entries[entry]; }
    };

    // Her own activities folder, made or not.
    static QString ownFolder();
    // Whether a file is one of the program's (or the school's), which she may copy but not
    // change: in an activities folder the program reads, other than hers.
    static bool comesWithProgram(const QString& path);

    // Read once, and again after refresh() (she saved, or came back to the window).
    const std::vector<Listed>& activities() const;
    void refresh() {
        listed_.reset();
        catalogue_.reset();
    }
    // The places on `menu` (1 to 5) for an activity of `kind` in file `fileName` (empty for
    // new).
    std::array<Place, 5> places(int menu, activityfiles::Kind kind, const QString& fileName) const;
    // Reads and checks a file's text as the program would find it in `folder`: its fields,
    // its layout, its pictures and its place beside the other files.
    Read check(const QByteArray& text, const QString& fileName, const QString& folder) const;

  private:
    const activityfiles::Catalogue& catalogue() const;
    mutable std::optional<activityfiles::Catalogue> catalogue_;
    mutable std::optional<std::vector<Listed>> listed_;
};

}  // namespace maker
