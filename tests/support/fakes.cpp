#include "fakes.h"

#include <gtest/gtest.h>

namespace fakes {

void ReportUnexpectedBox(const platform::MessageRequest& request)
{
    ADD_FAILURE() << "unexpected message box: " << request.text.toStdString();
}

}  // namespace fakes
