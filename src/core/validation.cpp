#include "core/validation.h"

#include <algorithm>
#include <array>
#include <chrono>

namespace core {
namespace {

constexpr int kFebruary = 2;
// Leap years repeat every 400 years (full Gregorian rule).
constexpr int kLeapCycle = 400;
constexpr int kCycleStart = 2000;

struct EmptyCheck {
    std::string_view BirthDetails::*text;
    std::string_view message;
    DetailsField focus;
};

constexpr std::array<EmptyCheck, 5> kEmptyChecks{{
    {&BirthDetails::firstName, kFirstNameMissing, DetailsField::FirstName},
    {&BirthDetails::lastName, kLastNameMissing, DetailsField::LastName},
    {&BirthDetails::dateText, kBirthDateMissing, DetailsField::BirthDate},
    {&BirthDetails::monthText, kBirthMonthMissing, DetailsField::BirthMonth},
    {&BirthDetails::yearText, kBirthYearMissing, DetailsField::BirthYear},
}};

// The day or month number of a list position. A position past the list is clamped to just
// past it, so that it stays outside without overflowing.
int Numbered(int position, int listSize)
{
    return std::min(position, listSize) + 1;
}

}  // namespace

std::optional<std::string_view> ValidateCalendarDate(const CalendarDate& date)
{
    if (date.day < 1 || date.day > kDaysInList || date.month < 1 || date.month > kMonthsInList)
        return std::nullopt;
    // Any year is taken into the calendar's range (-32767..32767) at the same place of the leap
    // cycle.
    using namespace std::chrono;
    const year_month_day asked{year{kCycleStart + date.year % kLeapCycle}, month{static_cast<unsigned>(date.month)},
                               day{static_cast<unsigned>(date.day)}};
    if (asked.ok())
        return std::nullopt;
    return date.month == kFebruary ? kFebruaryDayWrong : kThirtyDayMonthWrong;
}

std::optional<DetailsProblem> ValidateBirthDetails(const BirthDetails& details)
{
    for (const EmptyCheck& check : kEmptyChecks) {
        if ((details.*check.text).empty())
            return DetailsProblem{check.message, check.focus};
    }

    const CalendarDate date{details.year, Numbered(details.monthPosition, kMonthsInList),
                            Numbered(details.datePosition, kDaysInList)};
    if (const std::optional<std::string_view> message = ValidateCalendarDate(date))
        return DetailsProblem{*message, DetailsField::None};

    return std::nullopt;
}

}  // namespace core
