// ReduceNumber and CalculatePersonalMonth on any text: a digit text reduces exactly as an
// independent 64-bit reckoning says (or overflows where that sum leaves 16 bits), anything
// else is refused with std::invalid_argument, and no other failure escapes.
#include <stdexcept>
#include <string>

#include "core/numerology.h"
#include "fuzzsupport.h"

namespace {

long long FirstPlusLast(long long value)
{
    if (value < 10)
        return value;
    long long first = value;
    while (first >= 10)
        first /= 10;
    return first + value % 10;
}

void CheckReduce(std::string_view text)
{
    // The digits are summed from the left: an overflow can come before a later non-digit.
    bool digitsOnly = true;
    bool overflowFirst = false;
    long long sum = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            digitsOnly = false;
            break;
        }
        sum += c - '0';
        overflowFirst = overflowFirst || sum > 32767;
    }
    try {
        const core::Int16 reduced = core::ReduceNumber(text);
        FUZZ_REQUIRE(digitsOnly && !overflowFirst);
        FUZZ_REQUIRE(reduced == FirstPlusLast(FirstPlusLast(sum)));
        FUZZ_REQUIRE(reduced >= 0 && reduced <= 9 && (reduced == 0) == (sum == 0));
    } catch (const core::OverflowError&) {
        FUZZ_REQUIRE(overflowFirst);
    } catch (const std::invalid_argument&) {
        FUZZ_REQUIRE(!digitsOnly && !overflowFirst);
    }
}

void CheckPersonalMonth(std::string_view day, std::string_view month, std::string_view date)
{
    core::CalendarDate today;
    today.year = fuzz::TakeNumber(date, 2) - 1000;  // negative years too
    today.month = fuzz::TakeNumber(date, 1);
    today.day = fuzz::TakeNumber(date, 1);
    try {
        const core::Int16 number = core::CalculatePersonalMonth(day, month, today);
        FUZZ_REQUIRE(number >= 0 && number <= 9);
        const std::string_view trimmedDay = core::TrimSpaces(day);
        // A real day of a real month in a real year never reduces to 0.
        const bool realDay = !trimmedDay.empty() && trimmedDay.size() <= 2 && trimmedDay.front() != '0' &&
                             std::stoi(std::string(trimmedDay)) <= 31;
        if (realDay && core::MonthNameToNumber(core::TrimSpaces(month)) != 0 && today.year >= 1 && today.month >= 1 &&
            today.month <= 12)
            FUZZ_REQUIRE(number >= 1);
    } catch (const core::OverflowError&) {
    } catch (const std::invalid_argument&) {
        // Only a character other than a digit (after trimming) or a negative year is refused.
        const std::string_view trimmedDay = core::TrimSpaces(day);
        FUZZ_REQUIRE(trimmedDay.find_first_not_of("0123456789") != std::string_view::npos || today.year < 0 ||
                     today.month < 0);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CheckReduce(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::vector<std::string_view> fields = fuzz::Fields(data, size, 3);
    CheckPersonalMonth(fields[0], fields[1], fields[2]);
    return 0;
}
