#pragma once
// The activity files of the data folders and the menu slots they take. Files are read when
// a menu opens, never at start-up; a file read before is read again only once it changes.
#include <QString>
#include <QStringList>
#include <array>
#include <memory>
#include <vector>

#include "activities/files/activity.h"
#include "activities/files/layout.h"
#include "menus/menuslots.h"

namespace activityfiles {

using menus::MenuSlots;

// Menu 5's built-in Healthy Living, which passage files may give more passages.
constexpr int kHealthyMenu = 5, kHealthySlot = 4;
constexpr const char* kHealthyOptions[] = {"Smoking", "Solvents", "Alcohol", "Drugs"};

// An activity file found in a data folder, in the order files take precedence.
struct FoundFile {
    QString path;
    QString fileName;
    int folder = 0;
};

// The folders of activity files, the first taking precedence.
QStringList activityFolders();
// The *.toml files of the folders: the same name in two folders is one file, the earlier
// folder's; within a folder, in order of name.
std::vector<FoundFile> findActivityFiles(const QStringList& folders);

// What a file claims: a slot on its menu by topic.
struct Claim {
    int menu = 0;
    QString topic;
    Kind kind = Kind::Labelling;
    Position topicPos;
    QString fileName;
};
// The slot each claim takes (-1: none, with its problem), in precedence order. Topics that
// name a caption are served before topics that replace one, so a new topic never takes a
// slot that a later file names; a passage for Healthy Living gets kHealthySlot.
struct Assignment {
    int slot = -1;
    std::vector<Problem> problems;
};
std::vector<Assignment> assignSlots(const std::vector<Claim>& claims);

// The Healthy Living option (1 to 3) of each passage of the files that add to it, in order;
// -1 with a problem when none is left.
struct OptionChoice {
    int option = -1;
    std::vector<Problem> problems;
};
std::vector<std::vector<OptionChoice>> assignHealthyOptions(
    const std::vector<const Activity*>& files);

// One file checked whole: read, slot, layout and pictures. `FILE:LINE:COLUMN: message`.
struct Report {
    QString file;
    std::vector<Problem> problems;
};
std::vector<Report> checkFiles(const std::vector<FoundFile>& files, bool decodePictures);

// The slots of a menu with the activity files' screens registered; problems of files not
// reported before go to standard error.
MenuSlots menuSlots(int menu);

// Forgets what was read (tests).
void forgetActivityFiles();

}  // namespace activityfiles
