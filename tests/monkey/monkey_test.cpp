// The monkey over the whole program. `make test` sends a short run from fixed seeds; a long
// run takes its seeds and length from BRINDLEMARK_MONKEY_SEEDS (comma separated) and
// BRINDLEMARK_MONKEY_EVENTS (per seed), and a failing seed replays the same events.
#include "tests/monkey/monkey.h"

#include <QElapsedTimer>
#include <cstdio>
#include <random>

#include "tests/support/screentest.h"

namespace {

class SeededPlatform : public FakePlatform {
  public:
    explicit SeededPlatform(std::uint64_t seed) : random_(seed) {}
    double rnd() override { return std::uniform_real_distribution<>(0, 1)(random_); }

  private:
    std::mt19937_64 random_;
};

}  // namespace

using MonkeyTest = ScreenTest;

TEST_F(MonkeyTest, NoRuleBreaksWhateverThePupilsDo) {
    const QByteArray seeds = qgetenv("BRINDLEMARK_MONKEY_SEEDS");
    const QByteArray events = qgetenv("BRINDLEMARK_MONKEY_EVENTS");
    const long perSeed = events.isEmpty() ? 10000 : events.toLong();
    for (const QByteArray& given : seeds.isEmpty() ? QByteArrayList{"1", "2"} : seeds.split(',')) {
        const std::uint64_t seed = given.trimmed().toULongLong();
        auto platform = std::make_unique<SeededPlatform>(seed);
        FakePlatform& seeded = *platform;
        auto previous = ui::installPlatform(std::move(platform));
        QElapsedTimer clock;  // only told, never checked
        clock.start();
        const monkey::Result r = monkey::run(seed, seeded, perSeed);
        ui::installPlatform(std::move(previous));
        std::printf("monkey: seed %llu, %ld events, %ld exits, %lld findings, %.1f s\n",
                    static_cast<unsigned long long>(seed), r.events, r.exits,
                    static_cast<long long>(r.findings.size()), clock.elapsed() / 1000.0);
        std::fflush(stdout);
        for (const char* name : monkey::kScreens)
            EXPECT_TRUE(r.shown.count(name)) << name << " never reached, seed " << seed;
        for (const QString& f : r.findings)
            ADD_FAILURE() << "seed " << seed << ", " << f.toStdString();
        EXPECT_EQ(r.events, perSeed) << "seed " << seed;
    }
}
