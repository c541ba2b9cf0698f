#include "platform/buttonface.h"

namespace platform {

// The system button face (COLOR_BTNFACE) of Windows' default scheme.
QColor DefaultButtonFace()
{
    return {240, 240, 240};
}

}  // namespace platform
