#pragma once
// What every window of the program is built with: the platform services, the link and
// reminder module, the window registry, and the one way to end the program.
#include <functional>

#include "platform/services.h"
#include "shell/modhelp.h"
#include "ui/windowregistry.h"

namespace ui {

struct AppContext {
    platform::Platform& platform;
    shell::modHelp& help;
    WindowRegistry& windows;
    std::function<void()> EndProgram;
};

}  // namespace ui
