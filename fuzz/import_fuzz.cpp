// Fuzz target for taking in a shared activity: whatever the bytes, the file is refused with a
// reason and nothing of hers is written, or it is taken with names that stay in her folder,
// within the limits, and installing it writes those files and no others.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "activities/files/sharing/import.h"
#include "activities/files/sharing/package.h"
#include "ui/files.h"

using namespace sharing;

namespace {

void require(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "shared activity import broke a rule: %s\n", what);
    std::abort();
}

int entriesBelow(const QString& folder) {
    int n = 0;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) n += !it.next().isEmpty();
    return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Her account and the temporary folders live in one scratch folder for the whole run.
    static QTemporaryDir scratch;
    static const bool ready = [] {
        qputenv("XDG_DATA_HOME", QFile::encodeName(scratch.filePath("home")));
        qputenv("XDG_DATA_DIRS", "/dev/null/system");
        qputenv("TMPDIR", QFile::encodeName(scratch.filePath("tmp")));
        ui::reloadDataFolders();
        return QDir().mkpath(scratch.filePath("tmp"));
    }();
    require(ready && scratch.isValid(), "a scratch folder");
    const QString path = scratch.filePath("input.brindlemark");
    {
        QFile input(path);
        require(input.open(QIODevice::WriteOnly), "the input written");
        input.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }

    {
        const Inspection in = inspectPackage(path);
        require(in.ok() == in.activity.has_value(), "an activity or a reason");
        if (!in.ok()) {
            require(entriesBelow(scratch.filePath("home")) == 0, "nothing written when refused");
        } else {
            require(in.pictures.size() <= kMaxPictures, "at most 51 pictures");
            for (const QString& name : in.files()) {
                require(nameProblem(name).isEmpty(), "plain names");
                require(QFileInfo(in.unpackedPath(name)).isFile(), "each file unpacked");
            }
            const Installed done = installPackage(in);
            require(done.problem.isEmpty(), "an inspected file installs");
            require(entriesBelow(scratch.filePath("home")) == in.files().size() + 2,
                    "her folders and the files named, no others");
        }
    }
    QDir(scratch.filePath("home")).removeRecursively();
    require(entriesBelow(scratch.filePath("tmp")) == 0, "the temporary folder removed");
    QFile::remove(path);
    return 0;
}
