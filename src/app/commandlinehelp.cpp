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
std::string OptionHelp(const CommandLineOption& option, const std::string& program, const CommandLineTexts& say)
{
    const std::string help = say(option.help.data());
    std::string heading =
        "  " + (option.shortName.empty() ? "    " : std::string(option.shortName) + ", ") + Named(option) + "  ";
    heading.resize(std::max(heading.size(), kHelpColumn), ' ');
    std::string text;
    for (std::size_t start = 0; start <= help.size();) {
        const std::size_t end = std::min(help.find('\n', start), help.size());
        text += (text.empty() ? heading : std::string(kHelpColumn, ' ')) + help.substr(start, end - start) + "\n";
        start = end + 1;
    }
    return text + std::string(kHelpColumn + 2, ' ') + program + " " + std::string(option.example) + "\n";
}

}  // namespace

std::string HelpText(const std::string& program, const CommandLineTexts& say)
{
    //: OPTION stays as it is.
    std::string text = say(QT_TRANSLATE_NOOP("CommandLine", "Usage: %1 [OPTION]"), {program}) + "\n" +
                       say(QT_TRANSLATE_NOOP("CommandLine",
                                             "Works out your Varodara Zevaz Adavuv from your birth date and shows "
                                             "its reading.")) +
                       "\n\n";
    for (const CommandLineOption& option : kCommandLineOptions)
        text += OptionHelp(option, program, say);
    //: The last two in a list of options: "--number, --month, --explain or --json".
    const std::string names = CalculationOptionNames(say, QT_TRANSLATE_NOOP("CommandLine", "%1 or %2"));
    return text + "\n" +
           say(QT_TRANSLATE_NOOP("CommandLine",
                                 "A refused date, month or option is named on standard error, with exit status 2.")) +
           "\n" +
           //: %1: the names of the calculation's options. Lines of at most about 85 characters.
           say(QT_TRANSLATE_NOOP("CommandLine",
                                 "With %1, an argument that is none of the options\n"
                                 "above is refused too; without them, other arguments are ignored (a desktop launcher\n"
                                 "may pass a field code)."),
               {names}) +
           "\n" + say(WhereTheWindowOpens().data()) + "\n";
}

}  // namespace app
