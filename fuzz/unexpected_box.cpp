// The fuzz targets' answer to a box their script did not allow: a broken property.
#include "fakes.h"
#include "fuzzsupport.h"

namespace fakes {

void ReportUnexpectedBox(const platform::MessageRequest& request)
{
    std::fprintf(stderr, "unexpected message box: %s\n", qPrintable(request.text));
    FUZZ_REQUIRE(!"a message box nobody expected");
}

}  // namespace fakes
