// The checks behind Next, without a window: the first failing check, its message and focus;
// dates against the standard library's own calendar.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "core/numerology.h"
#include "core/validation.h"

namespace {

using core::DetailsField;

TEST(Validation, acceptsExactlyTheDaysTheGregorianCalendarHas)
{
    // The list's years 1900..2050 and the centuries around them that pin down the leap rule.
    for (int year = 1600; year <= 2400; ++year) {
        const std::string yearText = std::to_string(year);
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= 31; ++day) {
                const std::string dayText = std::to_string(day);
                const auto problem = core::ValidateBirthDetails(
                    {"ANN", "LEE", dayText, core::MonthName(month), yearText, day - 1, month - 1, year});
                const bool exists = std::chrono::year_month_day{
                    std::chrono::year{year}, std::chrono::month{static_cast<unsigned>(month)},
                    std::chrono::day{static_cast<unsigned>(
                        day)}}.ok();
                ASSERT_EQ(!problem.has_value(), exists) << day << "/" << month << "/" << year;
                if (problem) {
                    EXPECT_EQ(problem->message, month == 2 ? core::kFebruaryDayWrong : core::kThirtyDayMonthWrong);
                    EXPECT_EQ(problem->focus, DetailsField::None);
                }
                // The command line's check of the same date, with the same message.
                const std::optional<std::string_view> dateProblem = core::ValidateCalendarDate({year, month, day});
                ASSERT_EQ(!dateProblem.has_value(), exists) << day << "/" << month << "/" << year;
                if (dateProblem) {
                    EXPECT_EQ(*dateProblem, month == 2 ? "Please Enter Correct Date Or Month!"
                                                       : "Please Enter Correct Date Or Month !");
                }
            }
        }
    }
}

// Every message is spelled out here, not taken from the code's own constants, so that a typo
// in a constant fails.
TEST(Validation, stopsAtTheFirstFailingCheckInOrder)
{
    // 31 February 2001: every earlier check must win over the date check.
    const core::BirthDetails full{"ANN", "LEE", "31", "February", "2001", 30, 1, 2001};
    struct Case {
        std::string_view core::BirthDetails::*emptied;
        std::string_view message;
        DetailsField focus;
    };
    const Case cases[] = {
        {&core::BirthDetails::firstName, "Please Enter Your First Name", DetailsField::FirstName},
        {&core::BirthDetails::lastName, "Please Enter Your Last Name", DetailsField::LastName},
        {&core::BirthDetails::dateText, "Please Specify Your Birth Date", DetailsField::BirthDate},
        {&core::BirthDetails::monthText, "Please Specify Your Birth Month", DetailsField::BirthMonth},
        {&core::BirthDetails::yearText, "Please Specify Your Birth Year", DetailsField::BirthYear},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        // Empty this field and every later one: only this field's message comes.
        core::BirthDetails details = full;
        for (std::size_t later = i; later < std::size(cases); ++later)
            details.*cases[later].emptied = {};
        const auto problem = core::ValidateBirthDetails(details);
        ASSERT_TRUE(problem.has_value()) << i;
        EXPECT_EQ(problem->message, cases[i].message);
        EXPECT_EQ(problem->focus, cases[i].focus);
    }
    EXPECT_EQ(core::ValidateBirthDetails(full)->message, "Please Enter Correct Date Or Month!");
    EXPECT_EQ(core::ValidateBirthDetails({"ANN", "LEE", "31", "June", "2001", 30, 5, 2001})->message,
              "Please Enter Correct Date Or Month !");

    // Names are taken as they stand: spaces only count as entered.
    EXPECT_FALSE(core::ValidateBirthDetails({" ", "   ", "14", "March", "1990", 13, 2, 1990}).has_value());
}

}  // namespace
