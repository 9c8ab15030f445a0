#pragma once
// The fixture every screen test starts from: a fake platform, the screens registered, the
// program-wide variables reset, the run folder (with its pictures) as working directory and
// the timers held, so that only the test moves time on.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "tests/support/fakeplatform.h"
#include "ui/formregistry.h"

// Texts in failures as text, not as a list of 2-byte objects.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

class ScreenTest : public ::testing::Test {
  public:
    // Lets queued events and deferred deletions run.
    static void settle(int rounds = 3);
    // Moves the held clock on, a millisecond at a time, through every loaded screen's timers.
    static void passTime(int ms);

  protected:
    void SetUp() override;
    void TearDown() override;

    // Makes an empty scratch folder the working directory: every picture is missing.
    void useEmptyFolder();
    // A scratch folder holding copies of the run folder's files, to spoil some of them.
    QString useCopyOfRunFolder();
    // That copy with only the shipped activities that are played under their own screen names.
    void useRunFolderWithOwnScreensOnly();

    FakePlatform* fake = nullptr;

  private:
    QString previousDir_;
    std::unique_ptr<ui::Platform> previousPlatform_;
    std::unique_ptr<QTemporaryDir> scratch_;
};
