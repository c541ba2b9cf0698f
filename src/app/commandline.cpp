#include "app/commandline.h"

#include <QDate>
#include <QString>
#include <algorithm>

#include "app/commandlinehelp.h"
#include "app/commandlinejson.h"
#include "app/commandlineoptions.h"
#include "app/commandlinetable.h"
#include "app/commandlineworking.h"
#include "core/readings.h"
#include "platform/programname.h"
#include "platform/translations.h"
#include "product.h"

namespace app {
namespace {

constexpr int kRefused = 2;

// The result window's text, with this platform's line ends (the C library writes "\n" as
// Windows' CR LF there).
std::string ResultText(int number, const core::Translate& translate)
{
    std::string text;
    for (const std::string& piece : core::ResultTextPieces(number, translate))
        text += piece;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at))
        text.erase(at, 1);
    return text;
}

CommandLineAnswer Calculate(const std::vector<std::string>& arguments, const std::string& program,
                            const core::CalendarDate& today, const CommandLineTexts& say)
{
    CalculationRequest request;
    if (const std::optional<std::string> refusal = ReadCalculationRequest(arguments, today, request, say))
        return {{}, program + ": " + *refusal + "\n", kRefused};
    const core::PersonalMonthWorking working = core::WorkOutPersonalMonth(
        std::to_string(request.birth.day), core::MonthName(request.birth.month), request.month);
    // JSON is for programs: its values, like its keys, are the same in every language.
    if (request.json)
        return {JsonAnswer(request, working, ResultText(working.number(), {})), {}, 0};
    const std::string explanation = request.explain ? WorkingText(request, working, say) : std::string();
    return {ResultText(working.number(), say.readings()) + explanation, {}, 0};
}

}  // namespace

std::optional<CommandLineAnswer> AnswerCommandLine(const std::vector<std::string>& arguments,
                                                   const std::string& programName, const core::CalendarDate& today,
                                                   const Translator& translate)
{
    const CommandLineTexts say(translate);
    bool calculation = false;
    for (const std::string& argument : arguments) {
        std::optional<std::string_view> value;
        const CommandLineOption* option = FindOption(argument, value);
        if (!option)
            continue;
        // "--help=x" is no request for help, but "--number=1990-05-17" is one for the number.
        if (option->id == OptionId::Help && !value)
            return CommandLineAnswer{HelpText(programName, say), {}, 0};
        if (option->id == OptionId::Version && !value)
            return CommandLineAnswer{programName + " " + product::kVersion + "\n", {}, 0};
        calculation = calculation || option->calculation;
    }
    if (!calculation)
        return std::nullopt;
    return Calculate(arguments, programName, today, say);
}

std::optional<CommandLineAnswer> AnswerCommandLine(int argc, char** argv, const platform::Translations& translations)
{
    const std::string name =
        platform::ProgramName(QString::fromLocal8Bit(argc > 0 && argv[0] ? argv[0] : "")).toStdString();
    const QDate today = QDate::currentDate();
    // English needs no lookup: the texts are their own source.
    Translator translate;
    if (!translations.language().isEmpty()) {
        translate = [&translations](const char* context, const char* english) {
            return translations.translate(context, english).toStdString();
        };
    }
    return AnswerCommandLine(std::vector<std::string>(argv + std::min(argc, 1), argv + argc),
                             name.empty() ? product::kProgram : name, {today.year(), today.month(), today.day()},
                             translate);
}

}  // namespace app
