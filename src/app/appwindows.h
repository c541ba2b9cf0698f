#pragma once
// The one place that knows every window: AppWindows carries out the moves between windows
// (ui::Navigation) and what start-up and shutdown ask of them (shell::ProgramWindows), and
// Application puts the whole program together on the services that main() builds.
#include <functional>

#include "shell/program.h"
#include "ui/appcontext.h"
#include "ui/navigation.h"

namespace app {

class AppWindows : public shell::ProgramWindows, public ui::Navigation {
public:
    // Only kept: the context may be built after this object (Application).
    explicit AppWindows(ui::AppContext& context) : m_context(context) {}

    void showMainWindow() override;
    void showResultWindow() override;
    void showResult(core::Int16 number) override;
    void showExitScreen() override;
    void hideExitScreen() override;
    void showAbout() override;

    void bringCoBrandToFront() override;
    void bringFullBrandToFront() override;
    // Once it has begun, no window is shown any more: the program is ending.
    void unloadAllWindows() override;

private:
    ui::AppContext& m_context;
    bool m_ending = false;
};

// The windows end the program through Program, and Program is built on the windows: the
// context's EndProgram reaches the Program member, which is built before anything can call it.
// AppWindows comes first, so that the context is handed a whole object as its Navigation.
class Application {
public:
    // endEventLoop ends the running event loop.
    Application(platform::Platform& platform, shell::modHelp& help, std::function<void()> endEventLoop);

    shell::Program& program() { return m_program; }
    ui::AppContext& context() { return m_context; }
    AppWindows& windows() { return m_windows; }

private:
    AppWindows m_windows{m_context};
    ui::AppContext m_context;
    shell::Program m_program;
};

}  // namespace app
