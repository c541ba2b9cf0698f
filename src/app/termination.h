#pragma once
// A desktop session ends its programs with SIGTERM (Ctrl+C in a terminal sends SIGINT).
// Instead of dying with its lock and windows in place, the program then leaves the usual way.
#include <functional>

namespace app {

// Calls `end` from the event loop when SIGTERM or SIGINT arrives. Call once, after the
// application object exists.
void EndOnTerminationSignal(std::function<void()> end);

}  // namespace app
