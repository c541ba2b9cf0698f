#include "app/commandlinetable.h"

#include <algorithm>
#include <vector>

#include "app/commandlinetexts.h"

namespace app {

const CommandLineOption* FindOption(std::string_view argument, std::optional<std::string_view>& value)
{
    value.reset();
    std::string_view name = argument;
    // Only a long name takes its value after "=": "-h=x" names no option.
    if (const auto equals = argument.find('='); argument.starts_with("--") && equals != std::string_view::npos) {
        name = argument.substr(0, equals);
        value = argument.substr(equals + 1);
    }
    for (const CommandLineOption& option : kCommandLineOptions) {
        if (name == option.longName || (!value && !option.shortName.empty() && name == option.shortName))
            return &option;
    }
    value.reset();
    return nullptr;
}

const CommandLineOption& Option(OptionId id)
{
    return *std::ranges::find(kCommandLineOptions, id, &CommandLineOption::id);
}

std::string Named(const CommandLineOption& option)
{
    return std::string(option.longName) + (option.valueName.empty() ? "" : " ") + std::string(option.valueName);
}

std::string CalculationOptionNames(const CommandLineTexts& say, const char* lastJoin, std::optional<OptionId> leftOut)
{
    std::vector<std::string_view> names;
    for (const CommandLineOption& option : kCommandLineOptions) {
        if (option.calculation && option.id != leftOut)
            names.push_back(option.longName);
    }
    std::string listed;
    for (std::size_t i = 0; i < names.size(); ++i) {
        //: Joins two names in a list of options: "--number, --month"; the last two are joined as
        //: "%1 or %2" or "%1 and %2" say.
        listed = i == 0 ? std::string(names[i])
                        : say(i + 1 == names.size() ? lastJoin : QT_TRANSLATE_NOOP("CommandLine", "%1, %2"),
                              {listed, names[i]});
    }
    return listed;
}

}  // namespace app
