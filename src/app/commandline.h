#pragma once
// The command line, answered before any display is opened, so that it works over SSH and
// beside a running window: --help and --version, and the monthly number for a birth date and
// a month (--number), with its working (--explain) or as one JSON object (--json). It reads no
// setting and takes no lock. Without one of these options the program opens its window and
// leaves every other argument alone (a desktop launcher may pass a field code).
//   arguments -> ReadCalculationRequest (the window's date check, core::ValidateCalendarDate)
//   -> core::WorkOutPersonalMonth -> the result text, then WorkingText, or JsonAnswer instead;
//   --help: HelpText. Each has a file of its own (commandline*.cpp); the options themselves are
//   declared once, in commandlinetable.h.
#include <optional>
#include <string>
#include <vector>

#include "app/commandlinetexts.h"
#include "core/numerology.h"

namespace platform {
class Translations;
}

namespace app {

// What the program prints, and the status it exits with, instead of opening its window.
// A refused argument gets one line on standard error, nothing on standard output, status 2.
struct CommandLineAnswer {
    std::string out;
    std::string err;
    int status = 0;
};

// The answer to the arguments (without the program's own name) for a program known as
// programName, today being the given day; nothing when the program should open its window.
// Every human text (the reading, the working, a refusal, the help) goes through translate;
// the JSON and the version are the same in every language.
std::optional<CommandLineAnswer> AnswerCommandLine(const std::vector<std::string>& arguments,
                                                   const std::string& programName, const core::CalendarDate& today,
                                                   const Translator& translate = {});
// The same for main(): the name from argv[0], today from the local clock, in the language of
// the translations main() loaded for the windows too.
std::optional<CommandLineAnswer> AnswerCommandLine(int argc, char** argv, const platform::Translations& translations);

}  // namespace app
