#include "app/appwindows.h"

#include "ui/main/frmmain.h"

namespace app {

void AppWindows::showMainWindow()
{
    m_windows.show<ui::frmMain>();
}

void AppWindows::bringCoBrandToFront()
{
    if (auto* main = m_windows.find<ui::frmMain>())
        main->lblCobrand()->raise();
}

void AppWindows::bringFullBrandToFront()
{
    if (auto* main = m_windows.find<ui::frmMain>())
        main->lblFullBrand()->raise();
}

void AppWindows::unloadAllWindows()
{
    m_windows.unloadAll();
}

Application::Application(platform::Platform& platform, shell::modHelp& help, std::function<void()> endEventLoop)
    : m_context{platform, help, [this] { m_program.EndProgram(); }},
      m_program(platform, help, m_windows, std::move(endEventLoop))
{
}

}  // namespace app
