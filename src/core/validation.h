#pragma once
// The checks behind the main window's Next: the window reads its controls into
// BirthDetails, this decides which check fails first, and the window shows the message and
// moves the focus. First and last name must not be empty, the three lists must hold a
// choice, and the day must exist in the chosen month (full Gregorian leap years).
#include <optional>
#include <string_view>

#include "core/translatable.h"

#include "core/numerology.h"

namespace core {

struct BirthDetails {
    std::string_view firstName;
    std::string_view lastName;
    std::string_view dateText;   // the birth-day list's text, "1".."31"
    std::string_view monthText;  // the birth-month list's text, "January".."December"
    std::string_view yearText;   // the birth-year list's text
    int datePosition = 0;        // 0-based list position: day datePosition + 1
    int monthPosition = 0;       // 0-based list position: 1 is February
    int year = 0;                // the year text as a number
};

// The birth-day and birth-month lists hold days 1..31 and the twelve months, the birth-year
// list the years 1900..2050.
inline constexpr int kDaysInList = 31;
inline constexpr int kMonthsInList = 12;
inline constexpr int kFirstYearInList = 1900;
inline constexpr int kLastYearInList = 2050;

// The control that gets the focus with a message; None leaves the focus where it is.
enum class DetailsField { None, FirstName, LastName, BirthDate, BirthMonth, BirthYear };

struct DetailsProblem {
    std::string_view message;
    DetailsField focus = DetailsField::None;
};

inline constexpr std::string_view kFirstNameMissing = QT_TRANSLATE_NOOP("Messages", "Please Enter Your First Name");
inline constexpr std::string_view kLastNameMissing = QT_TRANSLATE_NOOP("Messages", "Please Enter Your Last Name");
inline constexpr std::string_view kBirthDateMissing = QT_TRANSLATE_NOOP("Messages", "Please Specify Your Birth Date");
inline constexpr std::string_view kBirthMonthMissing = QT_TRANSLATE_NOOP("Messages", "Please Specify Your Birth Month");
inline constexpr std::string_view kBirthYearMissing = QT_TRANSLATE_NOOP("Messages", "Please Specify Your Birth Year");
// The February message has no space before "!", the 30-day-month message has one.
inline constexpr std::string_view kFebruaryDayWrong =
    QT_TRANSLATE_NOOP("Messages", "Please Enter Correct Date Or Month!");
inline constexpr std::string_view kThirtyDayMonthWrong =
    QT_TRANSLATE_NOOP("Messages", "Please Enter Correct Date Or Month !");

// The date check of the main window and the command line: the message for a day that the
// month lacks in that year (31 April, 29 February of a common year); nothing when the day
// exists, or when the day or the month lies outside the lists and so names no date.
std::optional<std::string_view> ValidateCalendarDate(const CalendarDate& date);

// The first failing check, in the fixed order names, lists, February, 30-day months;
// nothing when the details are acceptable. Names are taken as they stand (spaces count).
std::optional<DetailsProblem> ValidateBirthDetails(const BirthDetails& details);

}  // namespace core
