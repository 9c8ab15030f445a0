#pragma once
// A file a test writes, its folder made first.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

inline void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
