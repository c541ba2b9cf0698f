#pragma once
// Today's date from the system clock, in local time.
#include "platform/services.h"

namespace platform {

class QtClock : public Clock {
public:
    QDate today() const override;
};

}  // namespace platform
