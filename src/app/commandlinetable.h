#pragma once
// Every option of the command line, declared once, here. Whether an argument asks for an
// answer, which names and values the parser takes, and the --help text all come from this
// table; the man page lists the same options, and a test fails when the two disagree.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/translatable.h"

namespace app {

class CommandLineTexts;

// What the program does with an option; each use of the table handles every one.
enum class OptionId { Help, Version, Number, Month, Explain, Json };

struct CommandLineOption {
    OptionId id;
    std::string_view longName;          // "--number"
    std::string_view shortName = {};    // "-h"; most options have none
    std::string_view valueName = {};    // "BIRTH" as the help names the value; empty: no value
    std::string_view valueNeeded = {};  // the refusal without the value, %1 the option's name
                                        // ("--number needs a birth date, YYYY-MM-DD")
    bool calculation = false;           // asks for the number; the others answer on their own
    std::string_view help = {};         // its lines in --help, "\n" between them (translated)
    std::string_view example = {};      // an example's arguments, after the program's name
};

inline constexpr std::array kCommandLineOptions{
    CommandLineOption{.id = OptionId::Help,
                      .longName = "--help",
                      .shortName = "-h",
                      .help = QT_TRANSLATE_NOOP("CommandLine", "show this help and exit"),
                      .example = "--help"},
    CommandLineOption{.id = OptionId::Version,
                      .longName = "--version",
                      .help = QT_TRANSLATE_NOOP("CommandLine", "show the version and exit"),
                      .example = "--version"},
    CommandLineOption{.id = OptionId::Number,
                      .longName = "--number",
                      .valueName = "BIRTH",
                      .valueNeeded = QT_TRANSLATE_NOOP("CommandLine", "%1 needs a birth date, YYYY-MM-DD"),
                      .calculation = true,
                      //: Lines of at most about 64 characters; BIRTH and YYYY-MM-DD stay as they are.
                      .help = QT_TRANSLATE_NOOP("CommandLine",
                                                "print the number and the reading that the window shows for the\n"
                                                "birth date BIRTH (YYYY-MM-DD, a year from 1900 to 2050), this month"),
                      .example = "--number 1990-05-17"},
    CommandLineOption{.id = OptionId::Month,
                      .longName = "--month",
                      .valueName = "YYYY-MM",
                      .valueNeeded = QT_TRANSLATE_NOOP("CommandLine", "%1 needs a month, YYYY-MM"),
                      .calculation = true,
                      .help = QT_TRANSLATE_NOOP("CommandLine", "for that month instead of this one"),
                      .example = "--number 1990-05-17 --month 2027-01"},
    CommandLineOption{.id = OptionId::Explain,
                      .longName = "--explain",
                      .calculation = true,
                      .help = QT_TRANSLATE_NOOP("CommandLine", "show, after the reading, how the number is worked out"),
                      .example = "--number 1990-05-17 --explain"},
    CommandLineOption{.id = OptionId::Json,
                      .longName = "--json",
                      .calculation = true,
                      //: Lines of at most about 64 characters; the field names stay as they are.
                      .help = QT_TRANSLATE_NOOP("CommandLine",
                                                "print one JSON object instead, with the fields birth, month,\n"
                                                "number, reading, text and steps; each step has step, input,\n"
                                                "digitSum, stages and output (birthMonth: step, input, output;\n"
                                                "total: terms too)"),
                      .example = "--number 1990-05-17 --json"},
};

// The option an argument names: "--name", "-n", or "--name=value", which sets value. Nothing
// for an argument that names none.
const CommandLineOption* FindOption(std::string_view argument, std::optional<std::string_view>& value);

const CommandLineOption& Option(OptionId id);

// "--number BIRTH", "--explain": the option as a message or the help names it.
std::string Named(const CommandLineOption& option);

// The calculation's options but leftOut, by name, in the language: "--number, --month or
// --json", the last two joined by lastJoin ("%1 or %2").
std::string CalculationOptionNames(const CommandLineTexts& say, const char* lastJoin,
                                   std::optional<OptionId> leftOut = std::nullopt);

}  // namespace app
