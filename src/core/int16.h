#pragma once
// 16-bit signed arithmetic as the numerology rules define it: a sum outside
// -32768..32767 is an overflow error, never a wrap-around.
#include <cstdint>
#include <stdexcept>

namespace core {

using Int16 = std::int16_t;

class OverflowError : public std::overflow_error {
public:
    OverflowError() : std::overflow_error("Overflow") {}
};

Int16 CheckedAdd(Int16 a, Int16 b);

}  // namespace core
