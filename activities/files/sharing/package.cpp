#include "activities/files/sharing/package.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>

namespace sharing {

EntryKind entryKind(const QString& name) {
    const QString lower = name.toLower();
    if (lower.endsWith(".toml")) return EntryKind::Activity;
    for (const char* suffix : {".png", ".jpg", ".jpeg"})
        if (lower.endsWith(suffix)) return EntryKind::Picture;
    return EntryKind::Other;
}

QString nameProblem(const QString& name) {
    if (name.size() > kMaxNameLength)
        return QCoreApplication::translate("Sharing",
                                           "the name \"%1\" is longer than %2 characters")
            .arg(name)
            .arg(kMaxNameLength);
    if (name.contains(".."))
        return QCoreApplication::translate("Sharing",
                                           "the name \"%1\" would lead out of the folder")
            .arg(name);
    if (name.contains('/') || name.contains('\\'))
        return QCoreApplication::translate(
                   "Sharing", "\"%1\" lies in a folder: only plain file names are taken")
            .arg(name);
    static const QRegularExpression drive("^[A-Za-z]:");
    if (drive.match(name).hasMatch())
        return QCoreApplication::translate("Sharing", "the name \"%1\" names a drive").arg(name);
    // A hidden name is passed over by the folders' finder; a control character in a file name
    // only ever hides something.
    const bool control = std::any_of(name.begin(), name.end(),
                                     [](QChar c) { return c.category() == QChar::Other_Control; });
    if (name.isEmpty() || name.startsWith('.') || control)
        return QCoreApplication::translate("Sharing", "\"%1\" is not a plain file name").arg(name);
    return {};
}

qint64 sizeLimit(EntryKind kind) {
    return kind == EntryKind::Activity ? kMaxActivityBytes : kMaxPictureBytes;
}

QString sizeProblem(const QString& name, EntryKind kind) {
    return QCoreApplication::translate("Sharing", "\"%1\" is larger than %2")
        .arg(name, kind == EntryKind::Activity ? "256 KiB" : "64 MiB");
}

QStringList picturesOf(const activityfiles::Activity& activity) {
    QStringList names{activity.picture};
    for (const activityfiles::Question& q : activity.questions) names << q.picture;
    QStringList out;
    for (const QString& name : names)
        if (!name.isEmpty() && !out.contains(name, Qt::CaseInsensitive)) out << name;
    return out;
}

}  // namespace sharing
