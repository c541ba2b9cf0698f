#pragma once
// What --explain prints after the reading: each term of the number as it was reduced, then
// the total, in lines whose sums a reader can check.
#include <string>

#include "app/commandlineoptions.h"

namespace app {

std::string WorkingText(const CalculationRequest& request, const core::PersonalMonthWorking& working);

}  // namespace app
