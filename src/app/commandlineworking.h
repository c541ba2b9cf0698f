#pragma once
// What --explain prints after the reading: each term of the number as it was reduced, then
// the total, in lines whose sums a reader can check.
#include <string>

#include "app/commandlineoptions.h"

namespace app {

// In the language of say, with the months named as the window names them.
std::string WorkingText(const CalculationRequest& request, const core::PersonalMonthWorking& working,
                        const CommandLineTexts& say);

}  // namespace app
