#pragma once
// The moves from one window to another. A window asks for them here and never names another
// window; the composition root (app::AppWindows) carries them out on the window registry.
#include "core/int16.h"

namespace ui {

class Navigation {
public:
    virtual ~Navigation() = default;

    virtual void showMainWindow() = 0;
    // The result window, loaded afresh and empty; showResult(number) then writes into it.
    virtual void showResultWindow() = 0;
    virtual void showResult(core::Int16 number) = 0;
    virtual void showExitScreen() = 0;
    // Kept loaded: Back hides the exit screen that unloading the result window showed.
    virtual void hideExitScreen() = 0;
    // Modal: returns once the About window is closed and unloaded.
    virtual void showAbout() = 0;
};

}  // namespace ui
