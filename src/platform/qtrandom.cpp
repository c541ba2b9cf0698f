#include "platform/qtrandom.h"

#include <QCoreApplication>
#include <chrono>
#include <cmath>

namespace platform {

float QtRandom::toUnit(std::uint32_t bits)
{
    return std::ldexp(static_cast<float>(bits >> 8), -24);
}

void QtRandom::seedFromClock()
{
    const auto nanoseconds = static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::system_clock::now().time_since_epoch())
            .count());
    // The process id keeps two copies started in the same tick apart.
    const auto pid = static_cast<std::uint64_t>(QCoreApplication::applicationPid());
    std::seed_seq seed{static_cast<std::uint32_t>(nanoseconds), static_cast<std::uint32_t>(nanoseconds >> 32),
                       static_cast<std::uint32_t>(pid), static_cast<std::uint32_t>(pid >> 32)};
    m_engine.seed(seed);
}

float QtRandom::next()
{
    return toUnit(static_cast<std::uint32_t>(m_engine()));
}

}  // namespace platform
