#include "app/commandlinehelp.h"

#include <algorithm>

#include "app/commandlinetable.h"
#include "app/session.h"

namespace app {
namespace {

// Where each option's help starts; its example is indented two more.
constexpr std::size_t kHelpColumn = 24;

// "  -h, --help            show this help and exit", then the help's further lines and the
// example, each on a line of its own.
std::string OptionHelp(const CommandLineOption& option, const std::string& program)
{
    std::string heading =
        "  " + (option.shortName.empty() ? "    " : std::string(option.shortName) + ", ") + Named(option) + "  ";
    heading.resize(std::max(heading.size(), kHelpColumn), ' ');
    std::string text;
    for (std::size_t start = 0; start <= option.help.size();) {
        const std::size_t end = std::min(option.help.find('\n', start), option.help.size());
        text += (text.empty() ? heading : std::string(kHelpColumn, ' ')) +
                std::string(option.help.substr(start, end - start)) + "\n";
        start = end + 1;
    }
    return text + std::string(kHelpColumn + 2, ' ') + program + " " + std::string(option.example) + "\n";
}

}  // namespace

std::string HelpText(const std::string& program)
{
    std::string text = "Usage: " + program +
                       " [OPTION]\n"
                       "Works out your Varodara Zevaz Adavuv from your birth date and shows its reading.\n"
                       "\n";
    for (const CommandLineOption& option : kCommandLineOptions)
        text += OptionHelp(option, program);
    return text +
           "\n"
           "A refused date, month or option is named on standard error, with exit status 2.\n"
           "With " +
           CalculationOptionNames("or") +
           ", an argument that is none of the options\n"
           "above is refused too; without them, other arguments are ignored (a desktop launcher\n"
           "may pass a field code).\n" +
           std::string(WhereTheWindowOpens()) + "\n";
}

}  // namespace app
