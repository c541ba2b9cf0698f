#include "app/appwindows.h"

#include <QPointer>

#include "ui/main/frmmain.h"
#include "ui/promo/frmabout.h"
#include "ui/promo/frmexitscreen.h"
#include "ui/result/frmpersonalmonth.h"

namespace app {

void AppWindows::showMainWindow()
{
    if (!m_ending)
        m_context.windows.show<ui::frmMain>();
}

void AppWindows::showResultWindow()
{
    if (!m_ending)
        m_context.windows.show<ui::frmPersonalMonth>();
}

void AppWindows::showResult(core::Int16 number)
{
    if (auto* result = m_context.windows.find<ui::frmPersonalMonth>())
        ui::ShowPersonalMonthResult(number, *result);
}

void AppWindows::showExitScreen()
{
    if (!m_ending)
        m_context.windows.show<ui::frmExitScreen>();
}

void AppWindows::hideExitScreen()
{
    m_context.windows.hide<ui::frmExitScreen>();
}

void AppWindows::showAbout()
{
    if (m_ending)
        return;
    // The About window may unload itself (its close box) while it runs modally.
    auto& window = m_context.windows.load<ui::frmAbout>();
    const QPointer<ui::frmAbout> about = &window;
    window.exec();
    if (about)
        m_context.windows.unload(*about);
}

void AppWindows::bringCoBrandToFront()
{
    if (auto* main = m_context.windows.find<ui::frmMain>())
        main->lblCobrand()->raise();
}

void AppWindows::bringFullBrandToFront()
{
    if (auto* main = m_context.windows.find<ui::frmMain>())
        main->lblFullBrand()->raise();
}

void AppWindows::unloadAllWindows()
{
    m_ending = true;
    m_context.windows.unloadAll();
}

Application::Application(platform::Platform& platform, shell::modHelp& help, std::function<void()> endEventLoop)
    : m_context{platform, help, [this] { m_program.EndProgram(); }, m_windows},
      m_program(platform, help, m_windows, std::move(endEventLoop))
{
}

}  // namespace app
