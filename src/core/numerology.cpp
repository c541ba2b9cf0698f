#include "core/numerology.h"

#include <array>
#include <stdexcept>

#include "core/translatable.h"

namespace core {
namespace {

struct MonthEntry {
    std::string_view name;
    Int16 number;
};

constexpr std::array<MonthEntry, 12> kMonths{{
    {QT_TRANSLATE_NOOP("Months", "January"), 1},
    {QT_TRANSLATE_NOOP("Months", "February"), 2},
    {QT_TRANSLATE_NOOP("Months", "March"), 3},
    {QT_TRANSLATE_NOOP("Months", "April"), 4},
    {QT_TRANSLATE_NOOP("Months", "May"), 5},
    {QT_TRANSLATE_NOOP("Months", "June"), 6},
    {QT_TRANSLATE_NOOP("Months", "July"), 7},
    {QT_TRANSLATE_NOOP("Months", "August"), 8},
    {QT_TRANSLATE_NOOP("Months", "September"), 9},
    {QT_TRANSLATE_NOOP("Months", "October"), 1},
    {QT_TRANSLATE_NOOP("Months", "November"), 2},
    {QT_TRANSLATE_NOOP("Months", "December"), 3},
}};

// One reduction stage: a value of two or more decimal digits becomes its first plus its last
// digit. Values here are digit sums, never negative; worked on as numbers, not as text, since
// the monthly number is computed in bulk.
Int16 FirstPlusLastDigit(Int16 value)
{
    if (value < 10)
        return value;
    int first = value;
    while (first >= 10)
        first /= 10;
    return CheckedAdd(static_cast<Int16>(first), static_cast<Int16>(value % 10));
}

Reduction StagesFrom(Int16 digitSum)
{
    Reduction reduction{digitSum, {}};
    reduction.stages[0] = FirstPlusLastDigit(digitSum);
    reduction.stages[1] = FirstPlusLastDigit(reduction.stages[0]);
    return reduction;
}

// ReduceNumber of the decimal writing of a value that is not negative.
Reduction ReduceValue(int value)
{
    Int16 sum = 0;
    for (; value > 0; value /= 10)
        sum = CheckedAdd(sum, static_cast<Int16>(value % 10));
    return StagesFrom(sum);
}

}  // namespace

Reduction ReduceNumberStages(std::string_view digits)
{
    Int16 sum = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            throw std::invalid_argument("ReduceNumber: not a decimal digit text");
        sum = CheckedAdd(sum, static_cast<Int16>(c - '0'));
    }
    return StagesFrom(sum);
}

Int16 ReduceNumber(std::string_view digits)
{
    return ReduceNumberStages(digits).result();
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

namespace {

template <typename Char>
std::basic_string_view<Char> TrimSpacesOf(std::basic_string_view<Char> text)
{
    const auto first = text.find_first_not_of(Char(' '));
    if (first == std::basic_string_view<Char>::npos)
        return {};
    const auto last = text.find_last_not_of(Char(' '));
    return text.substr(first, last - first + 1);
}

}  // namespace

std::string_view TrimSpaces(std::string_view text)
{
    return TrimSpacesOf(text);
}

std::u16string_view TrimSpaces(std::u16string_view text)
{
    return TrimSpacesOf(text);
}

PersonalMonthWorking WorkOutPersonalMonth(std::string_view birthDay, std::string_view birthMonthName,
                                          const CalendarDate& today)
{
    PersonalMonthWorking working;
    working.birthDay = ReduceNumberStages(TrimSpaces(birthDay));
    working.birthMonth = MonthNameToNumber(TrimSpaces(birthMonthName));
    working.currentMonth = ReduceValue(today.month);
    working.currentYear = ReduceValue(today.year);
    working.total = CheckedAdd(working.birthDay.result(), working.birthMonth);
    working.total = CheckedAdd(working.total, working.currentMonth.result());
    working.total = CheckedAdd(working.total, working.currentYear.result());
    working.totalReduction = ReduceValue(working.total);
    return working;
}

Int16 CalculatePersonalMonth(std::string_view birthDay, std::string_view birthMonthName, const CalendarDate& today)
{
    return WorkOutPersonalMonth(birthDay, birthMonthName, today).number();
}

}  // namespace core
