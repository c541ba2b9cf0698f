#pragma once
// Hands an address to the desktop's opener as one argument, never through a shell, so that
// nothing in the address is interpreted on the way: xdg-open on Linux (qtbrowser_unix.cpp),
// the shell's "open" on Windows (qtbrowser_win.cpp), which takes no program.
#include "platform/services.h"

namespace platform {

class QtBrowser : public Browser {
public:
    void open(const QString& address) override;
};

}  // namespace platform
