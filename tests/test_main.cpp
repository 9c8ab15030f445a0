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
std::vector<std::pair<QString, int>*>& expected() {
    static std::vector<std::pair<QString, int>*> live;  // text, times seen
    return live;
}

bool expectedOrNotice(const QString& message) {
    for (const char* notice : kPlatformNotices)
        if (message.contains(QLatin1String(notice))) return true;
    QMutexLocker lock(&expectedLock);
    for (auto* e : expected()) {
        if (message.contains(e->first)) {
            ++e->second;
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

ExpectedWarning::ExpectedWarning(QString part) : expected_(std::move(part), 0) {
    QMutexLocker lock(&expectedLock);
    expected().push_back(&expected_);
}

ExpectedWarning::~ExpectedWarning() {
    QMutexLocker lock(&expectedLock);
    std::erase(expected(), &expected_);
    if (expected_.second == 0)
        ADD_FAILURE() << "the warning expected never came: " << expected_.first.toStdString();
}

int ExpectedWarning::seen() const {
    QMutexLocker lock(&expectedLock);
    return expected_.second;
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    // Only the run folder and the tests' own folders hold data: a copy of the program installed
    // on this machine, or a teacher's own files, must not change what the tests see. /dev/null
    // is no folder, so nothing below it can exist; nothing is created either.
    qputenv("XDG_DATA_HOME", "/dev/null/user");
    qputenv("XDG_DATA_DIRS", "/dev/null/system");
    qtHandler = qInstallMessageHandler(failOnWarning);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
