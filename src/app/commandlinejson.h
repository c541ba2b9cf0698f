#pragma once
// What --json prints: one compact JSON object on one line, with the result window's text and
// every step of the number. Its keys are the same in every language.
#include <string>

#include "app/commandlineoptions.h"

namespace app {

std::string JsonAnswer(const CalculationRequest& request, const core::PersonalMonthWorking& working,
                       const std::string& text);

}  // namespace app
