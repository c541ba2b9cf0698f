#pragma once
// The composition root's half that knows every window: AppWindows answers shell::ProgramWindows
// for start-up and shutdown, and Application puts the whole program together on the services
// that main() builds.
#include <functional>

#include "shell/program.h"
#include "ui/appcontext.h"

namespace app {

class AppWindows : public shell::ProgramWindows {
public:
    explicit AppWindows(ui::WindowRegistry& windows) : m_windows(windows) {}

    void showMainWindow() override;
    void bringCoBrandToFront() override;
    void bringFullBrandToFront() override;
    void unloadAllWindows() override;

private:
    ui::WindowRegistry& m_windows;
};

// The windows end the program through Program, and Program is built on the windows: the
// context's EndProgram reaches the Program member, which is built before anything can call it.
class Application {
public:
    // endEventLoop ends the running event loop.
    Application(platform::Platform& platform, shell::modHelp& help, std::function<void()> endEventLoop);

    shell::Program& program() { return m_program; }

private:
    ui::AppContext m_context;
    AppWindows m_windows{m_context.windows};
    shell::Program m_program;
};

}  // namespace app
