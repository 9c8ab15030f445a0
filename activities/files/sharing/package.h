#pragma once
// A shared activity is one zip file, NAME.brindlemark: one activity file and the pictures it
// names, side by side with no folders. What such a file may hold, for the one who writes it
// and the one who takes it in.
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include "activities/files/activity.h"

namespace sharing {

constexpr const char* kSuffix = ".brindlemark";

constexpr int kMaxPictures = 51;
constexpr int kMaxEntries = 1 + kMaxPictures;
constexpr qint64 kMaxActivityBytes = 256 * 1024;
constexpr qint64 kMaxPictureBytes = qint64(64) << 20;
constexpr qint64 kMaxTotalBytes = qint64(300) << 20;
constexpr int kMaxNameLength = 100;

enum class EntryKind { Activity, Picture, Other };

// What a name is by its suffix, whatever its case.
EntryKind entryKind(const QString& name);

// Why `name` cannot stand as a plain file in the activities folder, or empty when it can:
// too long, a folder, a way out, a drive, a hidden name or a control character.
QString nameProblem(const QString& name);

// The largest an entry of this kind may be, unpacked.
qint64 sizeLimit(EntryKind kind);
QString sizeProblem(const QString& name, EntryKind kind);

// The pictures an activity names, each once whatever its case, in the order it names them.
QStringList picturesOf(const activityfiles::Activity& activity);

}  // namespace sharing
