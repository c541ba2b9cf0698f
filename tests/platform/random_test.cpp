// The uniform generator: range, spread, and clock seeding.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <array>
#include <limits>

#include "platform/qtrandom.h"

using platform::QtRandom;

TEST(Random, rawExtremesMapInsideTheUnitInterval)
{
    EXPECT_EQ(QtRandom::toUnit(0), 0.0f);
    const float top = QtRandom::toUnit(std::numeric_limits<std::uint32_t>::max());
    EXPECT_LT(top, 1.0f);
    EXPECT_EQ(top, 1.0f - 1.0f / 16777216.0f);
    EXPECT_EQ(QtRandom::toUnit(0x80000000u), 0.5f);
    // The low byte is below the resolution and must not push a value up.
    EXPECT_EQ(QtRandom::toUnit(0x800000FFu), 0.5f);
}

TEST(Random, drawsSpreadEvenlyOverZeroToOne)
{
    QtRandom random;
    random.seedFromClock();
    constexpr int kDraws = 200000;
    std::array<int, 10> bins{};
    for (int i = 0; i < kDraws; ++i) {
        const float r = random.next();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        ++bins[static_cast<std::size_t>(r * 10.0f)];
    }
    // 20000 expected per tenth; the standard deviation is about 134.
    for (int count : bins)
        EXPECT_NEAR(count, kDraws / 10, 1000);
}

TEST(Random, seedsTakenAtDifferentMomentsGiveDifferentSequences)
{
    QtRandom first;
    first.seedFromClock();
    QElapsedTimer timer;
    timer.start();
    while (timer.nsecsElapsed() < 1000) {
    }
    QtRandom second;
    second.seedFromClock();

    std::array<float, 3> a{first.next(), first.next(), first.next()};
    std::array<float, 3> b{second.next(), second.next(), second.next()};
    EXPECT_NE(a, b);

    QtRandom unseeded;
    EXPECT_NE(a, (std::array<float, 3>{unseeded.next(), unseeded.next(), unseeded.next()}));
}
