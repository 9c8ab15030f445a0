#include "maker/pictureimport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>

namespace maker {

bool sameBytes(const QString& a, const QString& b) {
    QFile x(a), y(b);
    return x.size() == y.size() && x.open(QIODevice::ReadOnly) && y.open(QIODevice::ReadOnly) &&
           x.readAll() == y.readAll();
}

namespace {

// A plain name for the picture, kept apart from the names the folders have (whatever their
// case) unless that file is this very picture.
QString freeName(const std::vector<QDir>& dirs, const QString& base, const QString& suffix,
                 const QString& source) {
    for (int n = 1;; ++n) {
        const QString name =
            n == 1 ? base + '.' + suffix : QString("%1-%2.%3").arg(base).arg(n).arg(suffix);
        bool free = true;
        for (const QDir& dir : dirs) {
            const QStringList taken = dir.entryList(QDir::Files | QDir::Hidden);
            const auto same = std::find_if(taken.begin(), taken.end(), [&](const QString& t) {
                return t.compare(name, Qt::CaseInsensitive) == 0;
            });
            if (same == taken.end()) continue;
            if (!source.isEmpty() && sameBytes(dir.filePath(*same), source)) return *same;
            free = false;
        }
        if (free) return name;
    }
}

QString plainBase(const QString& source) {
    QString base = QFileInfo(source).completeBaseName();
    while (base.startsWith('.')) base.remove(0, 1);
    return base.isEmpty() ? QString("picture") : base;
}

}  // namespace

ImportedPicture importPicture(const QString& source, const QString& folder,
                              const QString& savedIn) {
    QImageReader reader(source);
    reader.setAutoTransform(true);
    const QByteArray format = reader.format();
    const QSize stored = reader.size();
    if (format != "png" && format != "jpeg")
        return {{},
                reader.canRead() ? QCoreApplication::translate("PictureImport",
                                                               "%1 is not a PNG or JPEG picture")
                                       .arg(QFileInfo(source).fileName())
                                 : QCoreApplication::translate(
                                       "PictureImport", "%1 is not a PNG or JPEG picture: %2")
                                       .arg(QFileInfo(source).fileName(), reader.errorString())};
    if (!stored.isValid() || stored.isEmpty())
        return {{},
                QCoreApplication::translate("PictureImport", "%1 cannot be read: %2")
                    .arg(QFileInfo(source).fileName(), reader.errorString())};
    const QDir dir(folder);
    std::vector<QDir> dirs{dir};
    if (!savedIn.isEmpty() && QFileInfo(savedIn).isDir()) dirs.emplace_back(savedIn);
    if (!QDir().mkpath(folder))
        return {{},
                QCoreApplication::translate("PictureImport", "The folder %1 cannot be made.")
                    .arg(folder)};

    if (std::max(stored.width(), stored.height()) <= kLongestSide) {
        const QString suffix = format == "png" ? "png" : "jpg";
        const QString name = freeName(dirs, plainBase(source), suffix, source);
        const QString target = dir.filePath(name);
        if (QFileInfo::exists(target)) return {name, {}};
        if (!QFile::copy(source, target))
            return {{},
                    QCoreApplication::translate("PictureImport",
                                                "The picture could not be copied into %1.")
                        .arg(folder)};
        return {name, {}};
    }
    // Decoded at the size kept (the JPEG decoder scales as it decodes), then turned upright.
    const double scale = double(kLongestSide) / std::max(stored.width(), stored.height());
    reader.setScaledSize(QSize(qRound(stored.width() * scale), qRound(stored.height() * scale)));
    const QImage image = reader.read();
    if (image.isNull())
        return {{},
                QCoreApplication::translate("PictureImport", "%1 cannot be read: %2")
                    .arg(QFileInfo(source).fileName(), reader.errorString())};
    const QString name = freeName(dirs, plainBase(source), "jpg", {});
    QSaveFile file(dir.filePath(name));
    QImageWriter writer(&file, "jpeg");
    writer.setQuality(90);
    if (!file.open(QIODevice::WriteOnly) || !writer.write(image) || !file.commit())
        return {{},
                QCoreApplication::translate("PictureImport",
                                            "The picture could not be saved into %1: %2")
                    .arg(folder, file.errorString())};
    return {name, {}};
}

}  // namespace maker
