#include "app/commandlineoptions.h"

#include <initializer_list>
#include <map>
#include <string_view>

#include "app/commandlinetable.h"
#include "app/commandlinetexts.h"
#include "core/validation.h"

namespace app {
namespace {

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

}  // namespace

std::optional<std::string> ReadCalculationRequest(const std::vector<std::string>& arguments,
                                                  const core::CalendarDate& today, CalculationRequest& request,
                                                  const CommandLineTexts& say)
{
    std::map<OptionId, std::string> texts;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        std::optional<std::string_view> value;
        const CommandLineOption* option = FindOption(argument, value);
        // --help and --version are answered before a calculation is read; a switch takes no value.
        if (!option || !option->calculation || (option->valueName.empty() && value))
            return say(argument.starts_with("-") ? QT_TRANSLATE_NOOP("CommandLine", "unknown option %1")
                                                 : QT_TRANSLATE_NOOP("CommandLine", "unexpected argument %1"),
                       {Quoted(argument)});
        if (!option->valueName.empty()) {
            if (texts.contains(option->id))
                return say(QT_TRANSLATE_NOOP("CommandLine", "%1 is given twice"), {option->longName});
            if (!value && i + 1 == arguments.size())
                return say(option->valueNeeded.data(), {option->longName});
            texts[option->id] = std::string(value ? *value : std::string_view(arguments[++i]));
        }
        switch (option->id) {
        case OptionId::Help:     // refused above
        case OptionId::Version:  // refused above
        case OptionId::Number:   // its text kept above
        case OptionId::Month:    // its text kept above
            break;
        case OptionId::Explain:
            request.explain = true;
            break;
        case OptionId::Json:
            request.json = true;
            break;
        }
    }
    const auto birthText = texts.find(OptionId::Number);
    if (birthText == texts.end()) {
        //: The last two in a list of options: "--month, --explain and --json".
        const std::string names =
            CalculationOptionNames(say, QT_TRANSLATE_NOOP("CommandLine", "%1 and %2"), OptionId::Number);
        //: %1: the names of options, %2: the option they need, as in "--number BIRTH".
        return say(QT_TRANSLATE_NOOP("CommandLine", "%1 go with %2"), {names, Named(Option(OptionId::Number))});
    }

    const std::optional<std::vector<int>> birth = IsoNumbers(birthText->second, {4, 2, 2});
    if (!birth || (*birth)[1] < 1 || (*birth)[1] > core::kMonthsInList || (*birth)[2] < 1 ||
        (*birth)[2] > core::kDaysInList)
        return say(QT_TRANSLATE_NOOP("CommandLine", "the birth date %1 is not a date of the form YYYY-MM-DD"),
                   {Quoted(birthText->second)});
    request.birth = {(*birth)[0], (*birth)[1], (*birth)[2]};
    if (request.birth.year < core::kFirstYearInList || request.birth.year > core::kLastYearInList)
        return say(QT_TRANSLATE_NOOP("CommandLine", "the birth year %1 is not one of the window's years, %2 to %3"),
                   {std::to_string(request.birth.year), std::to_string(core::kFirstYearInList),
                    std::to_string(core::kLastYearInList)});
    // The window's own date check, and its own message as the window shows it.
    if (const std::optional<std::string_view> problem = core::ValidateCalendarDate(request.birth))
        return say.in("Messages", *problem);

    request.month = {today.year, today.month, 1};
    if (const auto monthText = texts.find(OptionId::Month); monthText != texts.end()) {
        const std::optional<std::vector<int>> month = IsoNumbers(monthText->second, {4, 2});
        if (!month || (*month)[0] < 1 || (*month)[1] < 1 || (*month)[1] > core::kMonthsInList)
            return say(QT_TRANSLATE_NOOP("CommandLine", "the month %1 is not a month of the form YYYY-MM"),
                       {Quoted(monthText->second)});
        request.month = {(*month)[0], (*month)[1], 1};
    }
    return std::nullopt;
}

}  // namespace app
