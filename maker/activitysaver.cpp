#include "maker/activitysaver.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace maker {

QString nameFromTitle(const QString& title, const QStringList& taken) {
    QString base;
    for (const QChar c : title.normalized(QString::NormalizationForm_C).toLower()) {
        if (c.isLetterOrNumber() || c.isMark())
            base += c;
        else if (!base.isEmpty() && !base.endsWith('-'))
            base += '-';
    }
    while (base.endsWith('-')) base.chop(1);
    if (base.isEmpty()) base = "activity";
    for (int n = 1;; ++n) {
        const QString name = n == 1 ? base + ".toml" : QString("%1-%2.toml").arg(base).arg(n);
        if (!taken.contains(name, Qt::CaseInsensitive)) return name;
    }
}

namespace {

// Why a file could not be written, in her words: a folder she may not write in and a full disk
// are told apart, for each has its own remedy.
QString whyNotWritten(const QString& folder, const QFileDevice& file) {
    if (file.error() == QFileDevice::ResourceError)
        return QCoreApplication::translate("ActivitySaver",
                                           "The disk is full: free some space, then save again.");
    if (!QFileInfo(folder).isWritable())
        return QCoreApplication::translate("ActivitySaver",
                                           "You may not write in the folder %1: ask whoever "
                                           "looks after this computer to let you.")
            .arg(QDir::toNativeSeparators(folder));
    return QCoreApplication::translate("ActivitySaver", "%1 could not be written: %2.")
        .arg(QDir::toNativeSeparators(file.fileName()), file.errorString());
}

}  // namespace

QString writeWhole(const QString& path, const QByteArray& text) {
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return QCoreApplication::translate("ActivitySaver",
                                           "The folder %1 cannot be made: you may not write there, "
                                           "or a file of that name is in the way.")
            .arg(QDir::toNativeSeparators(folder));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit())
        return whyNotWritten(folder, file);
    return {};
}

QString copyPictures(const Document& d, const QString& from, const QString& to) {
    if (QFileInfo(from).canonicalFilePath() == QFileInfo(to).canonicalFilePath()) return {};
    QStringList names{d.picture};
    for (const Question& q : d.questions) names << q.picture;
    for (const QString& name : names) {
        const QString source = QDir(from).filePath(name);
        if (name.isEmpty() || !QFileInfo(source).isFile() ||
            QFileInfo::exists(QDir(to).filePath(name)))
            continue;
        QFile file(source);
        if (!QDir().mkpath(to) || !file.copy(QDir(to).filePath(name)))
            return QCoreApplication::translate("ActivitySaver",
                                               "The picture %1 could not be copied into %2: %3.")
                .arg(name, QDir::toNativeSeparators(to), file.errorString());
    }
    return {};
}

}  // namespace maker
