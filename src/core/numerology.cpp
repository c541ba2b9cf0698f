#include "core/numerology.h"

#include <array>
#include <stdexcept>

namespace core {
namespace {

struct MonthEntry {
    std::string_view name;
    Int16 number;
};

constexpr std::array<MonthEntry, 12> kMonths{{
    {"January", 1}, {"February", 2}, {"March", 3},     {"April", 4},    {"May", 5},       {"June", 6},
    {"July", 7},    {"August", 8},   {"September", 9}, {"October", 1}, {"November", 2}, {"December", 3},
}};

// One reduction stage: a value of two or more decimal digits becomes its first plus its last digit.
Int16 FirstPlusLastDigit(Int16 value)
{
    const std::string text = std::to_string(value);
    if (text.size() < 2)
        return value;
    return CheckedAdd(static_cast<Int16>(text.front() - '0'), static_cast<Int16>(text.back() - '0'));
}

}  // namespace

Int16 ReduceNumber(std::string_view digits)
{
    Int16 sum = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            throw std::invalid_argument("ReduceNumber: not a decimal digit text");
        sum = CheckedAdd(sum, static_cast<Int16>(c - '0'));
    }
    return FirstPlusLastDigit(FirstPlusLastDigit(sum));
}

std::string_view MonthName(int month)
{
    if (month < 1 || month > static_cast<int>(kMonths.size()))
        return {};
    return kMonths[static_cast<std::size_t>(month - 1)].name;
}

Int16 MonthNameToNumber(std::string_view name)
{
    for (const MonthEntry& month : kMonths) {
        if (month.name == name)
            return month.number;
    }
    return 0;
}

std::string_view TrimSpaces(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

Int16 CalculatePersonalMonth(std::string_view birthDay, std::string_view birthMonthName,
                             const CalendarDate& today)
{
    const Int16 dayTerm = ReduceNumber(TrimSpaces(birthDay));
    const Int16 monthTerm = MonthNameToNumber(TrimSpaces(birthMonthName));
    const Int16 currentMonthTerm = ReduceNumber(std::to_string(today.month));
    const Int16 currentYearTerm = ReduceNumber(std::to_string(today.year));
    Int16 total = CheckedAdd(dayTerm, monthTerm);
    total = CheckedAdd(total, currentMonthTerm);
    total = CheckedAdd(total, currentYearTerm);
    return ReduceNumber(std::to_string(total));
}

}  // namespace core
