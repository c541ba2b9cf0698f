#include "app/commandline.h"

#include <QDate>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <initializer_list>
#include <string_view>

#include "app/session.h"
#include "core/readings.h"
#include "core/validation.h"
#include "platform/programname.h"
#include "version.h"

namespace app {
namespace {

constexpr int kRefused = 2;

// An argument as a message shows it: at most 40 characters, each but printable ASCII as "?",
// so that the message stays one short line whatever was typed or pasted.
std::string Quoted(std::string_view argument)
{
    constexpr std::size_t kShown = 40;
    std::string shown = "'";
    for (const char c : argument.substr(0, kShown))
        shown += c >= ' ' && c <= '~' ? c : '?';
    return shown + (argument.size() > kShown ? "...'" : "'");
}

// The numbers of an ISO date or month: fixed widths of ASCII digits joined by "-".
std::optional<std::vector<int>> IsoNumbers(std::string_view text, std::initializer_list<std::size_t> widths)
{
    std::vector<int> numbers;
    std::size_t at = 0;
    for (const std::size_t width : widths) {
        if (at != 0 && (at >= text.size() || text[at++] != '-'))
            return std::nullopt;
        if (text.size() < at + width)
            return std::nullopt;
        int number = 0;
        for (const char c : text.substr(at, width)) {
            if (c < '0' || c > '9')
                return std::nullopt;
            number = number * 10 + (c - '0');
        }
        numbers.push_back(number);
        at += width;
    }
    if (at != text.size())
        return std::nullopt;
    return numbers;
}

struct Request {
    core::CalendarDate birth;
    core::CalendarDate month;  // its first day
    bool explain = false;
    bool json = false;
};

// Reads the options of a calculation into the request; the refusal's message when one is
// refused, else nothing.
std::optional<std::string> ReadRequest(const std::vector<std::string>& arguments, const core::CalendarDate& today,
                                       Request& request)
{
    std::optional<std::string> birthText;
    std::optional<std::string> monthText;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        std::string_view name = argument;
        std::optional<std::string_view> value;
        if (const auto equals = argument.find('='); argument.starts_with("--") && equals != std::string_view::npos) {
            name = argument.substr(0, equals);
            value = argument.substr(equals + 1);
        }
        if (name == "--number" || name == "--month") {
            std::optional<std::string>& text = name == "--number" ? birthText : monthText;
            if (text)
                return std::string(name) + " is given twice";
            if (!value && i + 1 == arguments.size())
                return std::string(name) +
                       (name == "--number" ? " needs a birth date, YYYY-MM-DD" : " needs a month, YYYY-MM");
            text = std::string(value ? *value : std::string_view(arguments[++i]));
        } else if (name == "--explain" && !value) {
            request.explain = true;
        } else if (name == "--json" && !value) {
            request.json = true;
        } else {
            return (argument.starts_with("-") ? "unknown option " : "unexpected argument ") + Quoted(argument);
        }
    }
    if (!birthText)
        return std::string("--month, --explain and --json go with --number BIRTH");

    const std::optional<std::vector<int>> birth = IsoNumbers(*birthText, {4, 2, 2});
    if (!birth || (*birth)[1] < 1 || (*birth)[1] > core::kMonthsInList || (*birth)[2] < 1 ||
        (*birth)[2] > core::kDaysInList)
        return "the birth date " + Quoted(*birthText) + " is not a date of the form YYYY-MM-DD";
    request.birth = {(*birth)[0], (*birth)[1], (*birth)[2]};
    if (request.birth.year < core::kFirstYearInList || request.birth.year > core::kLastYearInList)
        return "the birth year " + std::to_string(request.birth.year) + " is not one of the window's years, " +
               std::to_string(core::kFirstYearInList) + " to " + std::to_string(core::kLastYearInList);
    // The window's own check, and its own message.
    const std::string dayText = std::to_string(request.birth.day);
    const std::string yearText = std::to_string(request.birth.year);
    const core::BirthDetails details{"-",
                                     "-",
                                     dayText,
                                     core::MonthName(request.birth.month),
                                     yearText,
                                     request.birth.day - 1,
                                     request.birth.month - 1,
                                     request.birth.year};
    if (const std::optional<core::DetailsProblem> problem = core::ValidateBirthDetails(details))
        return std::string(problem->message);

    request.month = {today.year, today.month, 1};
    if (monthText) {
        const std::optional<std::vector<int>> month = IsoNumbers(*monthText, {4, 2});
        if (!month || (*month)[0] < 1 || (*month)[1] < 1 || (*month)[1] > core::kMonthsInList)
            return "the month " + Quoted(*monthText) + " is not a month of the form YYYY-MM";
        request.month = {(*month)[0], (*month)[1], 1};
    }
    return std::nullopt;
}

std::string Padded(int number, int width)
{
    std::string text = std::to_string(number);
    return std::string(static_cast<std::size_t>(std::max(0, width - static_cast<int>(text.size()))), '0') + text;
}

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

std::string Working(const Request& request, const core::PersonalMonthWorking& working)
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

QJsonObject ReductionStep(const char* step, const std::string& input, const core::Reduction& reduction)
{
    return {{QStringLiteral("step"), QLatin1String(step)},
            {QStringLiteral("input"), QString::fromStdString(input)},
            {QStringLiteral("digitSum"), reduction.digitSum},
            {QStringLiteral("stages"), QJsonArray{reduction.stages[0], reduction.stages[1]}},
            {QStringLiteral("output"), reduction.result()}};
}

std::string Json(const Request& request, const core::PersonalMonthWorking& working, const std::string& text)
{
    QJsonObject total = ReductionStep("total", std::to_string(working.total), working.totalReduction);
    total.insert(QStringLiteral("terms"), QJsonArray{working.birthDay.result(), working.birthMonth,
                                                     working.currentMonth.result(), working.currentYear.result()});
    const QJsonArray steps{
        ReductionStep("birthDay", std::to_string(request.birth.day), working.birthDay),
        QJsonObject{{QStringLiteral("step"), QStringLiteral("birthMonth")},
                    {QStringLiteral("input"), QString::fromUtf8(core::MonthName(request.birth.month).data())},
                    {QStringLiteral("output"), working.birthMonth}},
        ReductionStep("currentMonth", std::to_string(request.month.month), working.currentMonth),
        ReductionStep("currentYear", std::to_string(request.month.year), working.currentYear),
        total,
    };
    const std::string_view reading = core::MonthReading(working.number());
    const QJsonObject answer{
        {QStringLiteral("birth"),
         QString::fromStdString(Padded(request.birth.year, 4) + "-" + Padded(request.birth.month, 2) + "-" +
                                Padded(request.birth.day, 2))},
        {QStringLiteral("month"),
         QString::fromStdString(Padded(request.month.year, 4) + "-" + Padded(request.month.month, 2))},
        {QStringLiteral("number"), working.number()},
        {QStringLiteral("reading"), QString::fromUtf8(reading.data(), static_cast<qsizetype>(reading.size()))},
        {QStringLiteral("text"), QString::fromStdString(text)},
        {QStringLiteral("steps"), steps},
    };
    return QJsonDocument(answer).toJson(QJsonDocument::Compact).toStdString() + "\n";
}

CommandLineAnswer Calculate(const std::vector<std::string>& arguments, const std::string& program,
                            const core::CalendarDate& today)
{
    Request request;
    if (const std::optional<std::string> refusal = ReadRequest(arguments, today, request))
        return {{}, program + ": " + *refusal + "\n", kRefused};
    const core::PersonalMonthWorking working = core::WorkOutPersonalMonth(
        std::to_string(request.birth.day), core::MonthName(request.birth.month), request.month);
    // The result window's text, with this platform's line ends (the C library writes "\n" as
    // Windows' CR LF there).
    std::string text;
    for (const std::string& piece : core::ResultTextPieces(working.number()))
        text += piece;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at))
        text.erase(at, 1);
    if (request.json)
        return {Json(request, working, text), {}, 0};
    return {text + (request.explain ? Working(request, working) : std::string()), {}, 0};
}

std::string Help(const std::string& program)
{
    return "Usage: " + program +
           " [OPTION]\n"
           "Works out your personal month number from your birth date and shows its reading.\n"
           "\n"
           "  -h, --help            show this help and exit\n"
           "                          " +
           program +
           " --help\n"
           "      --version         show the version and exit\n"
           "                          " +
           program +
           " --version\n"
           "      --number BIRTH    print the number and the reading that the window shows for the\n"
           "                        birth date BIRTH (YYYY-MM-DD, a year from 1900 to 2050), this month\n"
           "                          " +
           program +
           " --number 1990-05-17\n"
           "      --month YYYY-MM   for that month instead of this one\n"
           "                          " +
           program +
           " --number 1990-05-17 --month 2027-01\n"
           "      --explain         show, after the reading, how the number is worked out\n"
           "                          " +
           program +
           " --number 1990-05-17 --explain\n"
           "      --json            print one JSON object instead, with the fields birth, month,\n"
           "                        number, reading, text and steps; each step has step, input,\n"
           "                        digitSum, stages and output (birthMonth: step, input, output;\n"
           "                        total: terms too)\n"
           "                          " +
           program +
           " --number 1990-05-17 --json\n"
           "\n"
           "A refused date, month or option is named on standard error, with exit status 2.\n"
           "Any other argument is ignored. " +
           std::string(WhereTheWindowOpens()) + "\n";
}

}  // namespace

std::optional<CommandLineAnswer> AnswerCommandLine(const std::vector<std::string>& arguments,
                                                   const std::string& programName, const core::CalendarDate& today)
{
    bool calculation = false;
    for (const std::string& argument : arguments) {
        if (argument == "--help" || argument == "-h")
            return CommandLineAnswer{Help(programName), {}, 0};
        if (argument == "--version")
            return CommandLineAnswer{programName + " " + VARODARA_VERSION + "\n", {}, 0};
        for (const char* option : {"--number", "--month", "--explain", "--json"})
            calculation = calculation || argument == option || argument.starts_with(std::string(option) + "=");
    }
    if (!calculation)
        return std::nullopt;
    return Calculate(arguments, programName, today);
}

std::optional<CommandLineAnswer> AnswerCommandLine(int argc, char** argv)
{
    const std::string name =
        platform::ProgramName(QString::fromLocal8Bit(argc > 0 && argv[0] ? argv[0] : "")).toStdString();
    const QDate today = QDate::currentDate();
    return AnswerCommandLine(std::vector<std::string>(argv + std::min(argc, 1), argv + argc),
                             name.empty() ? VARODARA_PROGRAM : name, {today.year(), today.month(), today.day()});
}

}  // namespace app
