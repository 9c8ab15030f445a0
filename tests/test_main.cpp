#include <gtest/gtest.h>

#include <QApplication>
#include <QMutex>
#include <vector>

#include "tests/support/warnings.h"

namespace {

// Notices the platform gives on its own, whatever the program does.
constexpr const char* kPlatformNotices[] = {
    "This plugin does not support ",  // the offscreen platform: propagateSizeHints(), raise()
    "QStandardPaths: XDG_RUNTIME_DIR not set",  // running as root, as CI does
    "runtime directory",                        // ... or set to a folder not ours (QStandardPaths)
};

QMutex expectedLock;
std::vector<ExpectedWarning*> expected;

bool expectedOrNotice(const QString& message) {
    for (const char* notice : kPlatformNotices)
        if (message.contains(QLatin1String(notice))) return true;
    QMutexLocker lock(&expectedLock);
    for (ExpectedWarning* e : expected) {
        if (message.contains(e->part)) {
            ++e->seen;
            return true;
        }
    }
    return false;
}

QtMessageHandler qtHandler = nullptr;

void failOnWarning(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (qtHandler) qtHandler(type, context, message);
    if ((type == QtWarningMsg || type == QtCriticalMsg) && !expectedOrNotice(message))
        ADD_FAILURE() << "unexpected Qt warning: " << message.toStdString();
}

}  // namespace

ExpectedWarning::ExpectedWarning(QString text) : part(std::move(text)) {
    QMutexLocker lock(&expectedLock);
    expected.push_back(this);
}

ExpectedWarning::~ExpectedWarning() {
    QMutexLocker lock(&expectedLock);
    std::erase(expected, this);
    if (seen == 0) ADD_FAILURE() << "the warning expected never came: " << part.toStdString();
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    // Only the run folder and the tests' own folders hold data: a copy of the program installed
    // on this machine, or a teacher's own files, must not change what the tests see. /dev/null
    // is no folder, so nothing below it can exist; nothing is created either.
    qputenv("XDG_DATA_HOME", "/dev/null/user");
    qputenv("XDG_DATA_DIRS", "/dev/null/system");
    // ... and no test writes the settings of whoever runs them.
    qputenv("XDG_CONFIG_HOME", "/dev/null/config");
    qtHandler = qInstallMessageHandler(failOnWarning);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
