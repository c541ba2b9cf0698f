#include "platform/qtclock.h"

namespace platform {

QDate QtClock::today() const
{
    return QDate::currentDate();
}

}  // namespace platform
