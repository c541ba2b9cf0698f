#pragma once
// The monthly number: birth day, birth month, current month and current year are each
// reduced to one digit, added, and the total reduced once more. Pure functions, no state.
#include <array>
#include <string>
#include <string_view>

#include "core/int16.h"

namespace core {

struct CalendarDate {
    int year = 1;
    int month = 1;  // 1..12
    int day = 1;    // 1..31
};

// One digit reduction as it went: the sum of the digits, then the value after each of the two
// stages of "first digit plus last digit" (a stage leaves a one-digit value as it is).
struct Reduction {
    Int16 digitSum = 0;
    std::array<Int16, 2> stages{};
    Int16 result() const { return stages[1]; }
};

// Digit sum, then exactly two stages of "first digit plus last digit".
// Throws std::invalid_argument for a character other than 0-9 and OverflowError when the
// digit sum leaves the 16-bit range.
Int16 ReduceNumber(std::string_view digits);
Reduction ReduceNumberStages(std::string_view digits);

// "January".."December", in calendar order; the birth-month list shows exactly these texts.
std::string_view MonthName(int month);  // month 1..12; empty for any other number

// 1..9 for "January".."December" (already reduced), 0 for anything else; case-sensitive.
Int16 MonthNameToNumber(std::string_view name);

// Removes leading and trailing space characters (code 32) only: of 8-bit text, and of the
// UTF-16 text the windows hold.
std::string_view TrimSpaces(std::string_view text);
std::u16string_view TrimSpaces(std::u16string_view text);

// The monthly number with its working: each term as it was reduced, the total, and the total
// reduced. The birth year and the names take no part.
struct PersonalMonthWorking {
    Reduction birthDay;        // of the birth-day text, trimmed
    Int16 birthMonth = 0;      // the month table's number for the name, trimmed
    Reduction currentMonth;    // of the month number, written in decimal
    Reduction currentYear;     // of the year, written in decimal
    Int16 total = 0;           // of the four terms
    Reduction totalReduction;  // of the total, written in decimal
    Int16 number() const { return totalReduction.result(); }
};

PersonalMonthWorking WorkOutPersonalMonth(std::string_view birthDay, std::string_view birthMonthName,
                                          const CalendarDate& today);
Int16 CalculatePersonalMonth(std::string_view birthDay, std::string_view birthMonthName, const CalendarDate& today);

}  // namespace core
