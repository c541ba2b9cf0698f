#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>

#include "core/int16.h"
#include "core/numerology.h"

namespace {

using core::CalculatePersonalMonth;
using core::MonthNameToNumber;
using core::ReduceNumber;

// Digital root by repeated digit summing: the rule that two first-plus-last stages match for
// every digit sum up to 99.
int DigitRoot(int n)
{
    while (n > 9) {
        int sum = 0;
        for (; n > 0; n /= 10)
            sum += n % 10;
        n = sum;
    }
    return n;
}

TEST(ReduceNumber, ReducesInExactlyTwoFirstPlusLastStages)
{
    const struct {
        std::string text;
        int expected;
    } cases[] = {
        {"", 0},
        {"0", 0},
        {"7", 7},
        {"10", 1},
        {"19", 1},
        {"29", 2},
        {"99", 9},
        {"2026", 1},
        {"0009", 9},
        {std::string(17, '9'), 4},
        // 28 -> 10 -> 1: the one case here whose first stage still leaves two digits.
        {"1999", 1},
        // 199 nines: digit sum 1791 -> 1 + 1 = 2, where a digital root would give 9.
        {std::string(199, '9'), 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReduceNumber(c.text), c.expected) << "text of length " << c.text.size();
}

TEST(ReduceNumber, RejectsNonDigitsAndOverflowsInsteadOfWrapping)
{
    for (const char* bad : {"1a", " 5", "-3", "+1", "1.5", "\xd9\xa3"})
        EXPECT_THROW(ReduceNumber(bad), std::invalid_argument) << bad;
    // 3640 nines sum to 32760 (3 + 0 = 3); one more nine leaves the 16-bit range.
    EXPECT_EQ(ReduceNumber(std::string(3640, '9')), 3);
    EXPECT_THROW(ReduceNumber(std::string(3641, '9')), core::OverflowError);
}

TEST(CheckedAdd, ReachesBothBoundsAndRefusesOneBeyond)
{
    const struct {
        core::Int16 a, b;
        int sum;  // outside -32768..32767: must throw
    } cases[] = {
        {32766, 1, 32767},    {32767, 0, 32767},   {32767, 1, 32768},    {1, 32767, 32768},
        {-32767, -1, -32768}, {-32768, 0, -32768}, {-32768, -1, -32769}, {32767, -32768, -1},
    };
    for (const auto& c : cases) {
        if (c.sum < -32768 || c.sum > 32767)
            EXPECT_THROW(core::CheckedAdd(c.a, c.b), core::OverflowError) << c.a << " + " << c.b;
        else
            EXPECT_EQ(core::CheckedAdd(c.a, c.b), c.sum) << c.a << " + " << c.b;
    }
}

TEST(MonthNameToNumber, TableIsExactAndCaseSensitive)
{
    const char* names[] = {"January", "February", "March",     "April",   "May",      "June",
                           "July",    "August",   "September", "October", "November", "December"};
    const int numbers[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 1, 2, 3};
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(MonthNameToNumber(names[i]), numbers[i]) << names[i];
        EXPECT_EQ(core::MonthName(i + 1), names[i]);
    }
    for (const char* other : {"october", "DECEMBER", "December ", " May", "", "Sept", "Month"})
        EXPECT_EQ(MonthNameToNumber(other), 0) << other;
    EXPECT_TRUE(core::MonthName(0).empty());
    EXPECT_TRUE(core::MonthName(13).empty());
}

TEST(TrimSpaces, RemovesOnlySpaceCharactersAtBothEnds)
{
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"", ""}, {"   ", ""}, {" 14 ", "14"}, {"1 4", "1 4"}, {"\t14\n", "\t14\n"}, {" \tMay\t ", "\tMay\t"},
    };
    for (const auto& [text, trimmed] : cases)
        EXPECT_EQ(core::TrimSpaces(text), trimmed) << '"' << text << '"';
}

TEST(CalculatePersonalMonth, WorkedExamples)
{
    EXPECT_EQ(CalculatePersonalMonth("14", "March", {2026, 12, 7}), 3);
    EXPECT_EQ(CalculatePersonalMonth("29", "November", {2009, 7, 1}), 4);
    EXPECT_EQ(CalculatePersonalMonth("9", "September", {2000, 9, 30}), 2);
    EXPECT_EQ(CalculatePersonalMonth("31", "December", {2099, 10, 15}), 1);
    // Birth texts are trimmed of spaces before use.
    EXPECT_EQ(CalculatePersonalMonth("  14 ", " March  ", {2026, 12, 7}), 3);
}

TEST(CalculatePersonalMonth, AlwaysOneToNineAndEqualToTheDigitRoot)
{
    const char* names[] = {"January", "February", "March",     "April",   "May",      "June",
                           "July",    "August",   "September", "October", "November", "December"};
    for (int day = 1; day <= 31; ++day) {
        for (int birthMonth = 1; birthMonth <= 12; ++birthMonth) {
            for (int month = 1; month <= 12; ++month) {
                for (int year = 1900; year <= 2099; ++year) {
                    const int expected =
                        DigitRoot(DigitRoot(day) + DigitRoot(birthMonth) + DigitRoot(month) + DigitRoot(year));
                    // The day of the month never matters: use a different one each time.
                    const int got = CalculatePersonalMonth(std::to_string(day), names[birthMonth - 1],
                                                           {year, month, 1 + (year + month) % 28});
                    if (got != expected) {
                        FAIL() << day << " " << names[birthMonth - 1] << " in " << month << "/" << year << ": got "
                               << got << ", expected " << expected;
                    }
                }
            }
        }
    }
}

}  // namespace
