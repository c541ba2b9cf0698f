#include "core/int16.h"

#include <limits>

namespace core {

Int16 CheckedAdd(Int16 a, Int16 b)
{
    const int sum = int{a} + int{b};
    if (sum < std::numeric_limits<Int16>::min() || sum > std::numeric_limits<Int16>::max())
        throw OverflowError();
    return static_cast<Int16>(sum);
}

}  // namespace core
