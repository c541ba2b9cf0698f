#include "app/commandline.h"

#include <QString>

#include "app/session.h"
#include "platform/programname.h"
#include "version.h"

namespace app {
namespace {

// The name the program was started by, as its user knows it.
std::string ProgramName(const char* argv0)
{
    const std::string name = platform::ProgramName(QString::fromLocal8Bit(argv0 ? argv0 : "")).toStdString();
    return name.empty() ? VARODARA_PROGRAM : name;
}

std::string Help(const std::string& program)
{
    return "Usage: " + program +
           " [OPTION]\n"
           "Works out your personal month number from your birth date and shows its reading.\n"
           "\n"
           "  -h, --help     show this help and exit\n"
           "      --version  show the version and exit\n"
           "\n"
           "Any other argument is ignored. " +
           std::string(WhereTheWindowOpens()) + "\n";
}

}  // namespace

std::optional<CommandLineAnswer> AnswerCommandLine(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--help" || argument == "-h")
            return CommandLineAnswer{Help(ProgramName(argv[0])), {}, 0};
        if (argument == "--version")
            return CommandLineAnswer{ProgramName(argv[0]) + " " + VARODARA_VERSION + "\n", {}, 0};
    }
    return std::nullopt;
}

}  // namespace app
