#pragma once
// The two options a terminal user expects. They are answered before any display is opened,
// so they work over SSH too; every other argument is left alone (a desktop launcher may pass
// a field code).
#include <optional>

namespace app {

// Prints the help or the version text to standard output when asked for and returns the exit
// status; returns nothing when the program should start as usual.
std::optional<int> AnswerCommandLine(int argc, char** argv);

}  // namespace app
