#pragma once
// The process-wide generator of uniform values in [0, 1).
#include <cstdint>
#include <random>

#include "platform/services.h"

namespace platform {

class QtRandom : public Random {
public:
    void seedFromClock() override;
    float next() override;

    // The top 24 bits of a raw draw times 2^-24: exact in a float, so the largest value is
    // 1 - 2^-24 and never rounds up to 1.0 as a float from a real distribution can.
    static float toUnit(std::uint32_t bits);

private:
    std::mt19937 m_engine;
};

}  // namespace platform
