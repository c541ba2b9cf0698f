#pragma once
// The program's windows as start-up and shutdown see them: builds the registry's recipes for
// frmMain, frmPersonalMonth, frmExitScreen and frmAbout, and answers shell::ProgramWindows.
#include "shell/program.h"
#include "ui/main/appcontext.h"

namespace ui {

class AppWindows : public shell::ProgramWindows {
public:
    explicit AppWindows(AppContext& context);

    void showMainWindow() override;
    void bringCoBrandToFront() override;
    void bringFullBrandToFront() override;
    void unloadAllWindows() override;

private:
    AppContext& m_context;
};

}  // namespace ui
