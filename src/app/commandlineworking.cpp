#include "app/commandlineworking.h"

namespace app {
namespace {

// How a number written as `written` was reduced: "2 + 0 + 2 + 6 = 10, then 1 + 0 = 1".
std::string Reduced(const std::string& written, const core::Reduction& reduction)
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
            line += ", then " + std::string(1, digits.front()) + " + " + std::string(1, digits.back()) + " = " +
                    std::to_string(after);
        }
        before = after;
    }
    return line;
}

}  // namespace

std::string WorkingText(const CalculationRequest& request, const core::PersonalMonthWorking& working)
{
    const std::string day = std::to_string(request.birth.day);
    const std::string month = std::to_string(request.month.month);
    const std::string year = std::to_string(request.month.year);
    const std::string monthName(core::MonthName(request.month.month));
    std::string text = "How the number is worked out:\n";
    text += "  the birth day " + day + ": " + Reduced(day, working.birthDay) + "\n";
    text += "  the birth month " + std::string(core::MonthName(request.birth.month)) + ": " +
            std::to_string(working.birthMonth) + "\n";
    text += "  the month " + monthName + " " + year + ": " + monthName + " is " + month;
    text += (month.size() > 1 ? ", " + Reduced(month, working.currentMonth) : std::string()) + "\n";
    text += "  the year " + year + ": " + Reduced(year, working.currentYear) + "\n";
    const std::string total = std::to_string(working.total);
    text += "  the total: " + std::to_string(working.birthDay.result()) + " + " + std::to_string(working.birthMonth) +
            " + " + std::to_string(working.currentMonth.result()) + " + " +
            std::to_string(working.currentYear.result()) + " = " + total;
    text += (total.size() > 1 ? ", then " + Reduced(total, working.totalReduction) : std::string()) + "\n";
    text += "The birth year and the names do not enter the number.\n";
    return text;
}

}  // namespace app
