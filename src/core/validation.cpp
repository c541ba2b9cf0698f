#include "core/validation.h"

#include <array>
#include <chrono>

namespace core {
namespace {

constexpr int kFebruaryPosition = 1;
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

// Whether the chosen day exists in the chosen month and year. Positions outside the lists
// name no date and pass; any year is taken into the calendar's range (-32767..32767) at the
// same place of the leap cycle.
bool DayExists(const BirthDetails& details)
{
    if (details.datePosition < 0 || details.datePosition >= kDaysInList || details.monthPosition < 0 ||
        details.monthPosition >= kMonthsInList)
        return true;
    using namespace std::chrono;
    const year_month_day date{year{kCycleStart + details.year % kLeapCycle},
                              month{static_cast<unsigned>(details.monthPosition + 1)},
                              day{static_cast<unsigned>(details.datePosition + 1)}};
    return date.ok();
}

}  // namespace

std::optional<DetailsProblem> ValidateBirthDetails(const BirthDetails& details)
{
    for (const EmptyCheck& check : kEmptyChecks) {
        if ((details.*check.text).empty())
            return DetailsProblem{check.message, check.focus};
    }

    if (!DayExists(details)) {
        const bool february = details.monthPosition == kFebruaryPosition;
        return DetailsProblem{february ? kFebruaryDayWrong : kThirtyDayMonthWrong, DetailsField::None};
    }

    return std::nullopt;
}

}  // namespace core
