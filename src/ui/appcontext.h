#pragma once
// What every window of the program is built with: the platform services, the link and
// reminder module, the one way to end the program, the moves to other windows, and the
// registry of windows, which builds each window with this context.
#include <functional>

#include "platform/services.h"
#include "shell/modhelp.h"
#include "ui/navigation.h"
#include "ui/windowregistry.h"

namespace ui {

struct AppContext {
    platform::Platform& platform;
    shell::modHelp& help;
    std::function<void()> EndProgram;
    Navigation& navigation;
    // Last: its windows go before the rest of the context they were built with.
    WindowRegistry windows{*this};
};

}  // namespace ui
