#pragma once
// The main window's menu bar: File, Help, Donate and the hidden Make Money Online. The items
// that open a page call modHelp directly; the three that act on the window are handed back.
class QMenuBar;

namespace shell {
class modHelp;
}

class QAction;

namespace ui {

struct MainMenuActions {
    QAction* mnuNext;
    QAction* mnuExit;
    QAction* mnuAbout;
};

MainMenuActions BuildMainMenus(QMenuBar* bar, shell::modHelp& help);

}  // namespace ui
