#pragma once
// A file's bytes read and written whole, for tests that set a folder up or look at what a
// save left there.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

// Empty when the file cannot be read.
inline QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Makes the folder it goes in as well; a file that cannot be written fails the test.
inline bool writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    const bool written = f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    EXPECT_TRUE(written) << qPrintable(path);
    return written;
}
