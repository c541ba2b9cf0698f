// ValidateBirthDetails on any texts and list positions: the first empty text is named first;
// with every text filled and positions inside the lists, a date is refused exactly when the
// calendar (C++ chrono, full Gregorian rule) says that day does not exist.
#include <chrono>

#include "core/validation.h"
#include "fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::string_view> fields = fuzz::Fields(data, size, 6);
    std::string_view numbers = fields[5];
    core::BirthDetails details{fields[0], fields[1], fields[2], fields[3], fields[4]};
    details.datePosition = fuzz::TakeNumber(numbers, 1) - 8;  // a few outside the list too
    details.monthPosition = fuzz::TakeNumber(numbers, 1) - 8;
    details.year = fuzz::TakeNumber(numbers, 2) - 1000;

    const std::optional<core::DetailsProblem> problem = core::ValidateBirthDetails(details);

    const core::DetailsField order[] = {core::DetailsField::FirstName, core::DetailsField::LastName,
                                        core::DetailsField::BirthDate, core::DetailsField::BirthMonth,
                                        core::DetailsField::BirthYear};
    for (std::size_t i = 0; i < 5; ++i) {
        if (fields[i].empty()) {
            FUZZ_REQUIRE(problem && problem->focus == order[i]);
            return 0;
        }
    }
    FUZZ_REQUIRE(!problem || problem->focus == core::DetailsField::None);
    // The calendar below knows the years -32767..32767 only.
    if (details.datePosition < 0 || details.datePosition > 30 || details.monthPosition < 0 ||
        details.monthPosition > 11 || details.year > 32767)
        return 0;

    using namespace std::chrono;
    const year_month_day date{year{details.year}, month{unsigned(details.monthPosition + 1)},
                              day{unsigned(details.datePosition + 1)}};
    FUZZ_REQUIRE(problem.has_value() == !date.ok());
    if (problem) {
        const bool february = details.monthPosition == 1;
        FUZZ_REQUIRE(problem->message == (february ? core::kFebruaryDayWrong : core::kThirtyDayMonthWrong));
    }
    return 0;
}
