#pragma once
// Empties the system clipboard, and the X11 primary selection where there is one.
#include "platform/services.h"

namespace platform {

class QtClipboard : public Clipboard {
public:
    void clear() override;
};

}  // namespace platform
