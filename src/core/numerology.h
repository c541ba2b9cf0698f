#pragma once
// The monthly number: birth day, birth month, current month and current year are each
// reduced to one digit, added, and the total reduced once more. Pure functions, no state.
#include <string>
#include <string_view>

#include "core/int16.h"

namespace core {

struct CalendarDate {
    int year = 1;
    int month = 1;  // 1..12
    int day = 1;    // 1..31
};

// Digit sum, then exactly two stages of "first digit plus last digit".
// Throws std::invalid_argument for a character other than 0-9 and OverflowError when the
// digit sum leaves the 16-bit range.
Int16 ReduceNumber(std::string_view digits);

// "January".."December", in calendar order; the birth-month list shows exactly these texts.
std::string_view MonthName(int month);  // month 1..12; empty for any other number

// 1..9 for "January".."December" (already reduced), 0 for anything else; case-sensitive.
Int16 MonthNameToNumber(std::string_view name);

// Removes leading and trailing space characters (code 32) only: of 8-bit text, and of the
// UTF-16 text the windows hold.
std::string_view TrimSpaces(std::string_view text);
std::u16string_view TrimSpaces(std::u16string_view text);

Int16 CalculatePersonalMonth(std::string_view birthDay, std::string_view birthMonthName, const CalendarDate& today);

}  // namespace core
