#include "app/session.h"

#include <windows.h>

#include <QGuiApplication>
#include <QSessionManager>
#include <cstdio>

namespace app {

bool HasDisplay()
{
    return true;
}

void UseParentConsole()
{
    // Started from a console: its handles are not ours unless we attach. Output that already
    // goes somewhere (a file, a pipe) stays there.
    if (GetFileType(GetStdHandle(STD_OUTPUT_HANDLE)) != FILE_TYPE_UNKNOWN)
        return;
    if (!AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    // Where the console cannot be opened, the output goes nowhere, as before.
    FILE* stream = nullptr;
    if (freopen_s(&stream, "CONOUT$", "w", stdout) == 0)
        std::fflush(stdout);
    if (freopen_s(&stream, "CONOUT$", "w", stderr) == 0)
        std::fflush(stderr);
}

// Before a logoff or shutdown Windows asks every program whether the session may end
// (WM_QUERYENDSESSION), which Qt hands on as commitDataRequest. The program leaves as from its
// menu and lets the session go on: it never cancels.
void EndWithTheSession(std::function<void()> end)
{
    QObject::connect(qGuiApp, &QGuiApplication::commitDataRequest, qGuiApp,
                     [end = std::move(end)](QSessionManager&) { end(); });
}

}  // namespace app
