#pragma once
// The options of a calculation, read into one request: --number and --month in their ISO
// forms, the birth date checked as the main window checks it, and how to answer.
#include <optional>
#include <string>
#include <vector>

#include "app/commandlinetexts.h"
#include "core/numerology.h"

namespace app {

struct CalculationRequest {
    core::CalendarDate birth;
    core::CalendarDate month;  // its first day
    bool explain = false;
    bool json = false;
};

// Reads the options of a calculation into the request, for this month unless --month names
// one; the refusal's message in the language of say when an argument is refused, else nothing.
std::optional<std::string> ReadCalculationRequest(const std::vector<std::string>& arguments,
                                                  const core::CalendarDate& today, CalculationRequest& request,
                                                  const CommandLineTexts& say);

}  // namespace app
