#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    // Only the run folder and the tests' own folders hold data: a copy of the program installed
    // on this machine, or a teacher's own files, must not change what the tests see. /dev/null
    // is no folder, so nothing below it can exist; nothing is created either.
    qputenv("XDG_DATA_HOME", "/dev/null/user");
    qputenv("XDG_DATA_DIRS", "/dev/null/system");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
