#include "core/validation.h"

#include <algorithm>
#include <array>

namespace core {
namespace {

constexpr int kFebruaryPosition = 1;
constexpr int kDay28Position = 27;
constexpr int kDay29Position = 28;
constexpr int kDay31Position = 30;
// April, June, September, November.
constexpr std::array<int, 4> kThirtyDayMonthPositions{3, 5, 8, 10};

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

}  // namespace

bool IsLeapYear(int year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

std::optional<DetailsProblem> ValidateBirthDetails(const BirthDetails& details)
{
    for (const EmptyCheck& check : kEmptyChecks) {
        if ((details.*check.text).empty())
            return DetailsProblem{check.message, check.focus};
    }

    if (details.monthPosition == kFebruaryPosition) {
        const int lastDayPosition = IsLeapYear(details.year) ? kDay29Position : kDay28Position;
        if (details.datePosition > lastDayPosition)
            return DetailsProblem{kFebruaryDayWrong, DetailsField::None};
    }

    const bool thirtyDayMonth = std::find(kThirtyDayMonthPositions.begin(), kThirtyDayMonthPositions.end(),
                                          details.monthPosition) != kThirtyDayMonthPositions.end();
    if (thirtyDayMonth && details.datePosition == kDay31Position)
        return DetailsProblem{kThirtyDayMonthWrong, DetailsField::None};

    return std::nullopt;
}

}  // namespace core
