#pragma once
// What --help prints: every option with an example, and what becomes of other arguments.
#include <string>

#include "app/commandlinetexts.h"

namespace app {

// The help of a program known as program, in the language of say: the examples use that name.
std::string HelpText(const std::string& program, const CommandLineTexts& say = CommandLineTexts());

}  // namespace app
