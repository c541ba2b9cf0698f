#include "app/commandline.h"

#include <cstdio>
#include <string>
#include <string_view>

#include "version.h"

namespace app {
namespace {

// The file name the program was started by, without a folder (Windows separates folders with
// either slash) or Windows' ".exe".
std::string ProgramName(const char* argv0)
{
    std::string name = argv0 ? argv0 : "";
    name.erase(0, name.find_last_of("/\\") + 1);
    const std::string_view exe = ".exe";
    if (name.size() > exe.size() && name.compare(name.size() - exe.size(), exe.size(), exe) == 0)
        name.resize(name.size() - exe.size());
    return name.empty() ? VARODARA_PROGRAM : name;
}

void PrintHelp(const std::string& program)
{
    std::printf(
        "Usage: %s [OPTION]\n"
        "Works out your personal month number from your birth date and shows its reading.\n"
        "\n"
        "  -h, --help     show this help and exit\n"
        "      --version  show the version and exit\n"
        "\n"
        "Any other argument is ignored. Without an option the program opens its window;\n"
        "it needs a graphical display (X11 or Wayland).\n",
        program.c_str());
}

}  // namespace

std::optional<int> AnswerCommandLine(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            PrintHelp(ProgramName(argv[0]));
            return 0;
        }
        if (argument == "--version") {
            std::printf("%s %s\n", ProgramName(argv[0]).c_str(), VARODARA_VERSION);
            return 0;
        }
    }
    return std::nullopt;
}

}  // namespace app
