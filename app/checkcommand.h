#pragma once
#include <QStringList>

// `brindlemark --check [FILE ...]`: checks every activity file and word list the program
// would read, or only the activity files named, each judged beside everything else the
// program reads (a file named is read as if it lay in the teacher's own folder). Prints each
// problem as FILE:LINE:COLUMN: message, then a summary line. Gives the exit status: 1 when
// there was any problem, 0 otherwise.
int runCheck(const QStringList& files);
