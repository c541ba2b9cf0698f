// The uniform generator: range, spread, and clock seeding.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <array>

#include "platform/qtrandom.h"

using platform::QtRandom;

TEST(Random, clockSeededDrawsDifferEachStartStayBelowOneAndSpreadEvenly)
{
    EXPECT_EQ(QtRandom::toUnit(0xFFFFFFFFu), 1.0f - 1.0f / 16777216.0f);
    EXPECT_EQ(QtRandom::toUnit(0x800000FFu), 0.5f) << "bits below the resolution must not round up";

    QtRandom first;
    first.seedFromClock();
    QElapsedTimer timer;
    timer.start();
    while (timer.nsecsElapsed() < 1000) {
    }
    QtRandom second;
    second.seedFromClock();
    EXPECT_NE((std::array{first.next(), first.next(), first.next()}),
              (std::array{second.next(), second.next(), second.next()}));

    std::array<int, 10> bins{};
    for (int i = 0; i < 200000; ++i) {
        const float r = first.next();
        ASSERT_TRUE(r >= 0.0f && r < 1.0f) << r;
        ++bins[static_cast<std::size_t>(r * 10.0f)];
    }
    for (int count : bins)
        EXPECT_NEAR(count, 20000, 1000);  // the standard deviation is about 134
}
