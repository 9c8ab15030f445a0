#include "tests/support/screentest.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>

#include "activities/files/shipped.h"
#include "app/language.h"
#include "app/screens.h"
#include "app/shellstate.h"
#include "menus/menupage.h"
#include "speech/readaloud.h"
#include "ui/programstate.h"
#include "ui/timer.h"
#include "ui/twips.h"

void ScreenTest::SetUp() {
    auto platform = std::make_unique<FakePlatform>();
    fake = platform.get();
    previousPlatform_ = ui::installPlatform(std::move(platform));
    previousDir_ = QDir::currentPath();
    QDir::setCurrent(QStringLiteral(BRINDLEMARK_RUN_DIR));
    ui::Twips::setScale(1.0f);
    ShellState::reset();
    speech::installVoice(nullptr);  // reading aloud off, and no voice unless a test gives one
    registerScreens(ui::forms());
    menus::forgetActivityFiles();
    ui::Timer::setHeld(true);
}

void ScreenTest::TearDown() {
    ui::forms().clear();
    settle();
    if (shownLanguage() != "en") useLanguage(QLocale(QLocale::English));
    speech::installVoice(nullptr);
    ui::Twips::setScale(1.0f);  // for the tests that are not screen tests
    ui::Timer::setHeld(false);
    QDir::setCurrent(previousDir_);
    ui::installPlatform(std::move(previousPlatform_));
    fake = nullptr;
}

void ScreenTest::useEmptyFolder() {
    scratch_ = std::make_unique<QTemporaryDir>();
    QDir::setCurrent(scratch_->path());
}

QString ScreenTest::useCopyOfRunFolder() {
    scratch_ = std::make_unique<QTemporaryDir>();
    const QDir from(QStringLiteral(BRINDLEMARK_RUN_DIR));
    QDirIterator it(from.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = scratch_->filePath(from.relativeFilePath(file));
        QDir().mkpath(QFileInfo(target).path());
        QFile::copy(file, target);
    }
    QDir::setCurrent(scratch_->path());
    return scratch_->path();
}

void ScreenTest::useRunFolderWithOwnScreensOnly() {
    QDir activities(useCopyOfRunFolder() + "/activities");
    for (const QString& name : activities.entryList(QDir::Files))
        if (!activityfiles::shippedByFile(name)) activities.remove(name);
}

void ScreenTest::settle(int rounds) {
    for (int i = 0; i < rounds; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

void ScreenTest::passTime(int ms) {
    for (int i = 0; i < ms; ++i)
        for (ui::Form* f : ui::forms().loaded())
            for (ui::Timer* t : f->timers()) t->advance(1);
}
