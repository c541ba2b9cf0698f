#include "app/commandline.h"

#include <QDate>
#include <QString>
#include <algorithm>

#include "app/commandlinehelp.h"
#include "app/commandlinejson.h"
#include "app/commandlineoptions.h"
#include "app/commandlineworking.h"
#include "core/readings.h"
#include "platform/programname.h"
#include "product.h"

namespace app {
namespace {

constexpr int kRefused = 2;

CommandLineAnswer Calculate(const std::vector<std::string>& arguments, const std::string& program,
                            const core::CalendarDate& today)
{
    CalculationRequest request;
    if (const std::optional<std::string> refusal = ReadCalculationRequest(arguments, today, request))
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
        return {JsonAnswer(request, working, text), {}, 0};
    return {text + (request.explain ? WorkingText(request, working) : std::string()), {}, 0};
}

}  // namespace

std::optional<CommandLineAnswer> AnswerCommandLine(const std::vector<std::string>& arguments,
                                                   const std::string& programName, const core::CalendarDate& today)
{
    bool calculation = false;
    for (const std::string& argument : arguments) {
        if (argument == "--help" || argument == "-h")
            return CommandLineAnswer{HelpText(programName), {}, 0};
        if (argument == "--version")
            return CommandLineAnswer{programName + " " + product::kVersion + "\n", {}, 0};
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
                             name.empty() ? product::kProgram : name, {today.year(), today.month(), today.day()});
}

}  // namespace app
