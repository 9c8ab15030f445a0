#pragma once
// The fixture every screen test starts from: a fake platform, the screens registered, the
// program-wide variables reset and the run folder (with its pictures) as working directory.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "tests/support/fakeplatform.h"
#include "ui/formregistry.h"

class ScreenTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Makes an empty scratch folder the working directory: every picture is missing.
    void useEmptyFolder();
    // A scratch folder holding copies of the run folder's files, to spoil some of them.
    QString useCopyOfRunFolder();

    // Lets queued events, deferred deletions and due timers run.
    static void settle(int rounds = 3);

    FakePlatform* fake = nullptr;

  private:
    QString previousDir_;
    std::unique_ptr<ui::Platform> previousPlatform_;
    std::unique_ptr<QTemporaryDir> scratch_;
};
