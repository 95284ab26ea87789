#include "platform/clock.h"
#include "platform/clockseededrandom.h"

#include <QTest>

namespace {

class FixedClock : public Clock
{
public:
    std::uint64_t ticks() const override { return value; }
    std::uint64_t value = 42;
};

} // namespace

class TestClockSeededRandom : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sameSeedSameNumbers();
    void uniformInUnitInterval();
};

void TestClockSeededRandom::sameSeedSameNumbers()
{
    FixedClock clock;
    ClockSeededRandom random(clock);
    random.seedFromClock();
    const double first = random.uniform();
    random.seedFromClock();
    QCOMPARE(random.uniform(), first);
    clock.value = 43;
    random.seedFromClock();
    QVERIFY(random.uniform() != first);
}

// Drawing r = int(n * u + 1) needs u below 1, and every cell must be reachable.
void TestClockSeededRandom::uniformInUnitInterval()
{
    FixedClock clock;
    ClockSeededRandom random(clock);
    int hits[10] = {};
    for (int i = 0; i < 10000; ++i) {
        const double u = random.uniform();
        QVERIFY(u >= 0.0 && u < 1.0);
        ++hits[int(u * 10)];
    }
    for (int hit : hits)
        QVERIFY(hit > 800 && hit < 1200);
}

QTEST_GUILESS_MAIN(TestClockSeededRandom)
#include "tst_clockseededrandom.moc"
