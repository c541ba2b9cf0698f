#include "app/appwindows.h"

#include "ui/main/frmmain.h"
#include "ui/promo/frmabout.h"
#include "ui/promo/frmexitscreen.h"
#include "ui/result/frmpersonalmonth.h"

namespace app {

using ui::frmAbout;
using ui::frmExitScreen;
using ui::frmMain;
using ui::frmPersonalMonth;

AppWindows::AppWindows(ui::AppContext& context) : m_context(context)
{
    ui::WindowRegistry& windows = context.windows;
    windows.define<frmMain>([&context] { return new frmMain(context); });
    windows.define<frmPersonalMonth>([&context] { return new frmPersonalMonth(context); });
    windows.define<frmExitScreen>([&context] { return new frmExitScreen(context); });
    windows.define<frmAbout>([&context] { return new frmAbout(context); });
}

void AppWindows::showMainWindow()
{
    m_context.windows.show<frmMain>();
}

void AppWindows::bringCoBrandToFront()
{
    if (auto* main = m_context.windows.find<frmMain>())
        main->lblCobrand()->raise();
}

void AppWindows::bringFullBrandToFront()
{
    if (auto* main = m_context.windows.find<frmMain>())
        main->lblFullBrand()->raise();
}

void AppWindows::unloadAllWindows()
{
    m_context.windows.unloadAll();
}

}  // namespace app
