// Every screen opened, painted, ticked and closed again and again: the memory the program
// keeps must not grow (2 MB at most over the whole soak), and under AddressSanitizer
// LeakSanitizer must find nothing. A program of its own, so that no other test's memory
// is counted. BRINDLEMARK_SOAK_ROUNDS sets the number of rounds (1000 by default).
#include <gtest/gtest.h>
#include <malloc.h>

#include <QApplication>
#include <QDir>
#include <QFile>

#include "app/screens.h"
#include "app/shellstate.h"
#include "tests/monkey/monkey.h"
#include "ui/formregistry.h"
#include "ui/programstate.h"
#include "ui/timer.h"

namespace {

// What the process holds now, in kilobytes, once freed memory is given back.
long residentKb() {
    malloc_trim(0);
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ')[0].toLong();
    return 0;
}

void settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

void openAndClose(const char* name) {
    ui::Form* f = ui::forms().show(name);
    settle();  // painted
    for (int i = 0; i < 3; ++i)
        for (ui::Timer* t : f->timers()) t->fire();
    settle();
    ui::forms().clear();
    settle();
}

}  // namespace

TEST(SoakTest, EveryScreenOpenedAndClosedAThousandTimesKeepsNoMemory) {
    const int rounds = qEnvironmentVariableIsSet("BRINDLEMARK_SOAK_ROUNDS")
                           ? qEnvironmentVariableIntValue("BRINDLEMARK_SOAK_ROUNDS")
                           : 1000;
    const int warmUp = std::min(20, rounds / 5);
    long start = 0;
    for (int round = 0; round < rounds; ++round) {
        if (round == warmUp) start = residentKb();  // fonts, caches and pictures are in
        for (const char* name : monkey::kScreens) openAndClose(name);
    }
    const long end = residentKb();
    std::printf(
        "soak: %d rounds of %zu screens; resident %ld kB after %d rounds, %ld kB at the "
        "end: %+ld kB\n",
        rounds, std::size(monkey::kScreens), start, warmUp, end, end - start);
#if defined(__SANITIZE_ADDRESS__)
    // AddressSanitizer keeps freed memory in quarantine, so resident memory tells nothing
    // here; LeakSanitizer, at the end, does the counting.
    std::printf("soak: resident memory not checked under AddressSanitizer\n");
#else
    EXPECT_LT(end - start, 2048);
#endif
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QDir::setCurrent(QStringLiteral(BRINDLEMARK_RUN_DIR));
    ShellState::reset();
    registerScreens(ui::forms());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
