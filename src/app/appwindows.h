#pragma once
// The composition root's half that knows every window: gives the registry the recipe for
// frmMain, frmPersonalMonth, frmExitScreen and frmAbout, and answers shell::ProgramWindows
// for start-up and shutdown. main() builds the services and the ui::AppContext around it.
#include "shell/program.h"
#include "ui/appcontext.h"

namespace app {

class AppWindows : public shell::ProgramWindows {
public:
    explicit AppWindows(ui::AppContext& context);

    void showMainWindow() override;
    void bringCoBrandToFront() override;
    void bringFullBrandToFront() override;
    void unloadAllWindows() override;

private:
    ui::AppContext& m_context;
};

}  // namespace app
