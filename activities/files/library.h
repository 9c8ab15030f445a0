#pragma once
// The activity library: finds the activity files of the data folders, reads and checks them,
// and gives every problem with its file, line and column to whoever asks. It prints nothing
// and knows no menu: the menus, `--check` and the Activity Maker show what it returns.
#include <QString>
#include <QStringList>
#include <map>
#include <memory>
#include <vector>

#include "activities/files/activity.h"
#include "activities/files/layout.h"
#include "activities/files/translation.h"

namespace activityfiles {

// A school's folder holds dozens of files; a folder of thousands is a mistake, not a menu.
constexpr int kMaxFilesPerFolder = 2000;

// An activity file found in a data folder, in the order files take precedence.
struct FoundFile {
    QString path;      // absolute
    QString fileName;  // as it stands in its folder
    int folder = 0;    // into the folders searched, the teacher's first
    // The file of the same name, whatever its case, in a later folder that this one hides
    // (a shipped or school file she replaced); empty when there is none.
    QString hides;
    QString version;  // changes whenever the file does
    // Its translations by language ("cy"): the file of that name beside it, or a teacher's in
    // an earlier folder, which translates a shipped or school activity without a copy of it.
    std::map<QString, QString> translations;
};

// A problem of a file, or of a folder (a name it cannot read).
struct FileProblem {
    QString file;
    Problem problem;
};

// The "activities" folder of each data folder, in their order: a teacher's own folder first,
// then the school's, then the program's.
QStringList activityFolders();

struct Found {
    std::vector<FoundFile> files;
    std::vector<FileProblem> problems;  // folders and links named *.toml, names that clash
};
// The *.toml files of the folders, names matched whatever their case: the same name in two
// folders is one file, the earlier folder's; within a folder, in order of name by code point,
// and of two names that differ only in case the first is taken and the other reported.
Found findActivityFiles(const QStringList& folders);

struct LoadedFile {
    FoundFile file;
    std::shared_ptr<const ReadResult> read;
    std::shared_ptr<const ReadResult> hidden;  // what it hides, read as well; else null
    QString version;                           // changes whenever the file does
};

struct Library {
    std::vector<LoadedFile> files;
    std::vector<FileProblem> problems;  // of finding the files
};

// Every activity file of the folders, read. With `cached`, a file read before is read again
// only once it has changed, so a menu that opens again costs no parsing.
Library loadLibrary(const QStringList& folders, bool cached);

// The translations beside the activity file at `path`, by language (a file not yet in the
// folders: a draft, a file named to `--check`).
std::map<QString, QString> translationsBeside(const QString& path);

// The translation file at `path`, read; with `cached`, again only once it has changed.
std::shared_ptr<const Translation> readTranslationFile(const QString& path, bool cached);

// A file's version: a file replaced within the clock's tick still has another size or inode.
QString fileVersion(const QString& path);

// Forgets what was read (tests).
void forgetReadFiles();

}  // namespace activityfiles
