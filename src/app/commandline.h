#pragma once
// The options a terminal user expects. They are answered before any display is opened, so
// they work over SSH too; every other argument is left alone (a desktop launcher may pass a
// field code).
#include <optional>
#include <string>

namespace app {

// What the program prints, and the status it exits with, instead of opening its window.
struct CommandLineAnswer {
    std::string out;
    std::string err;
    int status = 0;
};

// The answer to the command line; nothing when the program should open its window.
std::optional<CommandLineAnswer> AnswerCommandLine(int argc, char** argv);

}  // namespace app
