#pragma once
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace ui {

// The data folders, searched in this order: the user's ($XDG_DATA_HOME/brindlemark), the
// system's (brindlemark under each of $XDG_DATA_DIRS), then the folder the program starts in.
// Only folders that exist are listed, each once, by its canonical path: the installed program
// starts in a system folder, and a file found there twice is one file.
QStringList dataFolders();

// The user's and system's folders are read from the environment once, at the first lookup;
// this reads them again (for tests that point them elsewhere).
void reloadDataFolders();

// A file found in a data folder: its canonical path and the folder it lies in.
struct DataFile {
    QString path;
    QString folder;
};

// Turns a layout path such as "Images\exit.jpg" into a regular file of the first data folder
// that has it: backslashes become slashes, each component is matched without regard to case,
// and nothing outside that folder, nor anything that is not a regular file (a folder, a FIFO,
// a device), is ever returned.
std::optional<DataFile> findDataFile(const QString& layoutPath);
std::optional<QString> resolveFile(const QString& layoutPath);

// The same rules within one given folder only.
std::optional<QString> resolveFileIn(const QString& folder, const QString& layoutPath);

// A picture drawn with words may have a version per language beside it, named for the language
// ("Images\exit.cy.jpg" beside "Images\exit.jpg"). The name of that version in the program's
// language (QLocale()); empty in English, which is every picture's own.
QString inProgramLanguage(const QString& layoutPath);
// A picture file found already, or its version in the program's language where one lies
// beside it.
QString fileInProgramLanguage(const QString& file);

// The folder named `name`, whatever its case, inside `folder`; empty when there is none.
QString subfolderIn(const QString& folder, const QString& name);

// A folder of the user's own data folder, made or not: the one named `name` whatever its case,
// or that name while there is none. The teacher's own files are written there.
QString userFolder(const QString& name);

}  // namespace ui
