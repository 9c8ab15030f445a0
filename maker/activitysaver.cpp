#include "maker/activitysaver.h"

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

QString writeWhole(const QString& path, const QByteArray& text) {
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) return QString("The folder %1 cannot be made.").arg(folder);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString("%1 cannot be written: %2.").arg(path, file.errorString());
    if (file.write(text) != text.size() || !file.commit())
        return QString("%1 could not be written whole: %2.").arg(path, file.errorString());
    return {};
}

void copyPictures(const Document& d, const QString& from, const QString& to) {
    if (QFileInfo(from).canonicalFilePath() == QFileInfo(to).canonicalFilePath()) return;
    QStringList names{d.picture};
    for (const Question& q : d.questions) names << q.picture;
    for (const QString& name : names) {
        const QString source = QDir(from).filePath(name);
        if (name.isEmpty() || !QFileInfo(source).isFile() ||
            QFileInfo::exists(QDir(to).filePath(name)))
            continue;
        QFile::copy(source, QDir(to).filePath(name));
    }
}

}  // namespace maker
