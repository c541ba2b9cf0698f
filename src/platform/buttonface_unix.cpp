#include "platform/buttonface.h"

namespace platform {

// Fusion's light grey, the face of Qt's buttons on a Linux desktop with its default palette.
QColor DefaultButtonFace()
{
    return {239, 239, 239};
}

}  // namespace platform
