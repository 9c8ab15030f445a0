// The program in a working directory it may not write to: every screen is laid out as in a
// writable one, and the folder is left exactly as it was. nothing-written.sh runs this same
// walk in a folder mounted read-only, under strace, and fails on any change to any file.
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include "tests/hardening/visit.h"
#include "tests/support/screentest.h"

namespace {

// Every entry below a folder with its size, its time of change and its permissions.
QStringList listing(const QString& dir) {
    QStringList out;
    QDirIterator it(dir, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        out << QString("%1 %2 %3 %4")
                   .arg(info.filePath())
                   .arg(info.size())
                   .arg(info.lastModified().toMSecsSinceEpoch())
                   .arg(static_cast<int>(info.permissions()));
    }
    out.sort();
    return out;
}

// Takes the write bits from a folder and everything in it, or gives the owner's back.
void setWritable(const QString& dir, bool writable) {
    const auto set = [writable](const QString& path) {
        const QFile::Permissions all =
            QFile::WriteOwner | QFile::WriteUser | QFile::WriteGroup | QFile::WriteOther;
        const QFile::Permissions now = QFile::permissions(path);
        QFile::setPermissions(path,
                              writable ? now | QFile::WriteOwner | QFile::WriteUser : now & ~all);
    };
    QDirIterator it(dir, QDir::AllEntries | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) set(it.next());
    set(dir);
}

}  // namespace

using ReadOnlyFolderTest = ScreenTest;

TEST_F(ReadOnlyFolderTest, EveryScreenWorksAndNothingIsWritten) {
    const hardening::Walk writable = hardening::visitEverything(*fake);
    // Given by nothing-written.sh: a copy of the run folder already mounted read-only.
    QString dir = qEnvironmentVariable("BRINDLEMARK_READONLY_DIR");
    if (dir.isEmpty()) {
        dir = useCopyOfRunFolder();
        setWritable(dir, false);
    }
    QDir::setCurrent(dir);
    const QStringList before = listing(dir);
    ASSERT_FALSE(before.isEmpty());

    const hardening::Walk walk = hardening::visitEverything(*fake);
    EXPECT_EQ(walk.layout, writable.layout);
    EXPECT_TRUE(walk.findings.isEmpty()) << walk.findings.join("\n").toStdString();
    EXPECT_EQ(listing(dir), before);
    if (qEnvironmentVariableIsEmpty("BRINDLEMARK_READONLY_DIR")) setWritable(dir, true);
}
