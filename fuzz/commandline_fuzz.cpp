// The command line on any arguments: it never crashes, and every answer is one of two kinds.
// Answered: status 0, standard output, nothing on standard error. Refused: status 2, nothing on
// standard output, exactly one line on standard error, of printable ASCII, naming the program.
#include <string>

#include "app/commandline.h"
#include "fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Up to eight arguments, cut at the separator; empty ones too.
    std::vector<std::string> arguments;
    for (const std::string_view field : fuzz::Fields(data, size, 8))
        arguments.emplace_back(field);
    while (!arguments.empty() && arguments.back().empty())
        arguments.pop_back();

    const std::optional<app::CommandLineAnswer> answer = app::AnswerCommandLine(arguments, "varodara", {2026, 12, 7});
    if (!answer)
        return 0;
    if (answer->status == 0) {
        FUZZ_REQUIRE(!answer->out.empty() && answer->err.empty());
        return 0;
    }
    FUZZ_REQUIRE(answer->status == 2 && answer->out.empty());
    const std::string& line = answer->err;
    FUZZ_REQUIRE(line.rfind("varodara: ", 0) == 0 && line.size() < 200);
    FUZZ_REQUIRE(line.find('\n') == line.size() - 1);
    for (const char c : line.substr(0, line.size() - 1))
        FUZZ_REQUIRE(c >= ' ' && c <= '~');
    return 0;
}
