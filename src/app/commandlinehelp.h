#pragma once
// What --help prints: every option with an example, and what becomes of other arguments.
#include <string>

namespace app {

// The help of a program known as program: the examples use that name.
std::string HelpText(const std::string& program);

}  // namespace app
