// The monkey over the whole program. `make test` sends a short run from fixed seeds; a long
// run takes its seeds and length from BRINDLEMARK_MONKEY_SEEDS (comma separated) and
// BRINDLEMARK_MONKEY_EVENTS (per seed), and a failing seed replays the same events.
#include "tests/monkey/monkey.h"

#include <QElapsedTimer>
#include <cstdio>
#include <cstdlib>
#include <set>

#include "tests/support/screentest.h"

namespace {

class SeededPlatform : public FakePlatform {
  public:
    explicit SeededPlatform(std::uint64_t seed) : random_(seed) {}
    double rnd() override { return std::uniform_real_distribution<>(0, 1)(random_); }

  private:
    std::mt19937_64 random_;
};

std::vector<std::uint64_t> seeds() {
    const QByteArray given = qgetenv("BRINDLEMARK_MONKEY_SEEDS");
    if (given.isEmpty()) return {1, 2};
    std::vector<std::uint64_t> out;
    for (const QByteArray& s : given.split(',')) out.push_back(s.trimmed().toULongLong());
    return out;
}

long eventsPerSeed() {
    const QByteArray given = qgetenv("BRINDLEMARK_MONKEY_EVENTS");
    return given.isEmpty() ? 10000 : given.toLong();
}

}  // namespace

using MonkeyTest = ScreenTest;

TEST_F(MonkeyTest, NoRuleBreaksWhateverThePupilsDo) {
    long events = 0, findings = 0;
    std::set<QString> reached;  // over all seeds: the activity files share the menus' clicks
    QElapsedTimer clock;
    clock.start();
    for (std::uint64_t seed : seeds()) {
        auto platform = std::make_unique<SeededPlatform>(seed);
        FakePlatform& fakePlatform = *platform;
        auto previous = ui::installPlatform(std::move(platform));
        QElapsedTimer seedClock;
        seedClock.start();
        const monkey::Result r = monkey::Monkey(seed, fakePlatform).run(eventsPerSeed());
        ui::installPlatform(std::move(previous));
        std::printf("monkey: seed %llu, %ld events, %ld exits, %lld findings, %.1f s\n",
                    static_cast<unsigned long long>(seed), r.events, r.exits,
                    static_cast<long long>(r.findings.size()), seedClock.elapsed() / 1000.0);
        QStringList shown;
        for (const auto& [name, count] : r.shown) shown << QString("%1 %2").arg(name).arg(count);
        std::printf("    on screen after so many events: %s\n", qPrintable(shown.join(", ")));
        for (const auto& [name, count] : r.shown) reached.insert(name);
        for (const QString& f : r.findings)
            ADD_FAILURE() << "seed " << seed << ", " << f.toStdString();
        events += r.events;
        findings += r.findings.size();
        EXPECT_EQ(r.events, eventsPerSeed()) << "seed " << seed;
    }
    for (const char* name : monkey::kScreens) EXPECT_TRUE(reached.count(name)) << name;
    std::printf("monkey: %ld events, %ld findings in %.1f s\n", events, findings,
                clock.elapsed() / 1000.0);
    std::fflush(stdout);
}
