#include "app/commandlineworking.h"

namespace app {
namespace {

//: Joins two steps of a sum: "2 + 0 + 2 + 6 = 10, then 1 + 0 = 1".
constexpr const char* kThen = QT_TRANSLATE_NOOP("CommandLine", "%1, then %2");

// How a number written as `written` was reduced: "2 + 0 + 2 + 6 = 10, then 1 + 0 = 1".
std::string Reduced(const std::string& written, const core::Reduction& reduction, const CommandLineTexts& say)
{
    std::string line;
    for (const char digit : written)
        line += (line.empty() ? "" : " + ") + std::string(1, digit);
    if (written.size() > 1)
        line += " = " + std::to_string(reduction.digitSum);
    core::Int16 before = reduction.digitSum;
    for (const core::Int16 after : reduction.stages) {
        if (before >= 10) {
            const std::string digits = std::to_string(before);
            line = say(kThen, {line, std::string(1, digits.front()) + " + " + std::string(1, digits.back()) + " = " +
                                         std::to_string(after)});
        }
        before = after;
    }
    return line;
}

}  // namespace

std::string WorkingText(const CalculationRequest& request, const core::PersonalMonthWorking& working,
                        const CommandLineTexts& say)
{
    const std::string day = std::to_string(request.birth.day);
    const std::string month = std::to_string(request.month.month);
    const std::string year = std::to_string(request.month.year);
    const std::string monthName = say.in("Months", core::MonthName(request.month.month));
    std::string text = say(QT_TRANSLATE_NOOP("CommandLine", "How the number is worked out:")) + "\n";
    // Each term on a line of its own, indented under the heading.
    const auto line = [&text, &say](const char* english, std::initializer_list<std::string_view> values) {
        text += "  " + say(english, values) + "\n";
    };
    line(QT_TRANSLATE_NOOP("CommandLine", "the birth day %1: %2"), {day, Reduced(day, working.birthDay, say)});
    line(QT_TRANSLATE_NOOP("CommandLine", "the birth month %1: %2"),
         {say.in("Months", core::MonthName(request.birth.month)), std::to_string(working.birthMonth)});
    //: %1: the month's name, %2: its year, %3: its number in the year, %4: how that is reduced.
    if (month.size() > 1)
        line(QT_TRANSLATE_NOOP("CommandLine", "the month %1 %2: %1 is %3, %4"),
             {monthName, year, month, Reduced(month, working.currentMonth, say)});
    else
        line(QT_TRANSLATE_NOOP("CommandLine", "the month %1 %2: %1 is %3"), {monthName, year, month});
    line(QT_TRANSLATE_NOOP("CommandLine", "the year %1: %2"), {year, Reduced(year, working.currentYear, say)});
    const std::string total = std::to_string(working.total);
    std::string sum = std::to_string(working.birthDay.result()) + " + " + std::to_string(working.birthMonth) + " + " +
                      std::to_string(working.currentMonth.result()) + " + " +
                      std::to_string(working.currentYear.result()) + " = " + total;
    if (total.size() > 1)
        sum = say(kThen, {sum, Reduced(total, working.totalReduction, say)});
    line(QT_TRANSLATE_NOOP("CommandLine", "the total: %1"), {sum});
    text += say(QT_TRANSLATE_NOOP("CommandLine", "The birth year and the names do not enter the number.")) + "\n";
    return text;
}

}  // namespace app
