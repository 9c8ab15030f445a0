#pragma once
#include <QStringList>

// `brindlemark --worksheet NAME|FILE [--answers|--both] [--words N] -o OUT.pdf`: writes an
// activity's worksheet, its answer sheet or both as one PDF, whole or not at all. Says what is
// wrong on standard error; gives the exit status: 0 when written, 1 when the activity or the
// file would not do, 2 for arguments it cannot follow.
int runWorksheet(const QStringList& arguments);
