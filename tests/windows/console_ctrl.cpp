// Starts the program from a console of its own, as from cmd, waits for its main window, then
// presses Ctrl+C (a second start: Ctrl+Break) in that console. The program may go on, or end
// the usual way, through EndProgram, which releases its instance lock; a program the console
// ends on the spot leaves its lock file behind.
//   console_ctrl PROGRAM.exe WINDOW-CAPTION
// Exits 0 when neither event ended it past EndProgram, 1 when one did or the running program
// held no lock file where this looks for it (a lock it cannot see would prove nothing), 2 when
// it could not be tried.
#include <shlobj.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

// Neither event is for us.
BOOL WINAPI IgnoreEvent(DWORD)
{
    return TRUE;
}

// Polls for the window, at most the given time.
HWND WaitForWindow(const wchar_t* caption, DWORD milliseconds)
{
    const ULONGLONG until = GetTickCount64() + milliseconds;
    while (GetTickCount64() < until) {
        if (HWND window = FindWindowW(nullptr, caption))
            return window;
        Sleep(100);
    }
    return nullptr;
}

// Where the program keeps its instance lock: the user's local application data.
std::wstring LockFile(const std::wstring& name)
{
    PWSTR local = nullptr;
    std::wstring path;
    if (SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &local) == S_OK)
        path = std::wstring(local) + L"\\cache\\varodara\\" + name + L".lock";
    CoTaskMemFree(local);
    return path;
}

// 0: went on, or ended through EndProgram; 1: ended past it, or no lock to watch; 2: could not
// be tried.
int Try(const wchar_t* program, const wchar_t* caption, DWORD event, const char* eventName)
{
    // The program's first start: its setting is made afresh, so no update question stands in
    // for its main window.
    std::wstring name(program);
    name = name.substr(name.find_last_of(L"\\/") + 1);
    name = name.substr(0, name.size() - 4);
    RegDeleteTreeW(HKEY_CURRENT_USER, (L"Software\\" + name).c_str());
    // A lock left by an earlier run would stand in for the one this start takes.
    const std::wstring lock = LockFile(name);
    DeleteFileW(lock.c_str());

    std::wstring command = L"\"" + std::wstring(program) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        std::fprintf(stderr, "console_ctrl: cannot start the program (%lu)\n", GetLastError());
        return 2;
    }
    int result = 2;
    if (WaitForWindow(caption, 60000) == nullptr) {
        std::fputs("console_ctrl: the program showed no window\n", stderr);
        TerminateProcess(process.hProcess, 1);
    } else if (GetFileAttributesW(lock.c_str()) == INVALID_FILE_ATTRIBUTES) {
        std::fprintf(stderr, "console_ctrl: the running program holds no lock file at %ls\n", lock.c_str());
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, 5000);
        result = 1;
    } else {
        // Every process attached to this console gets it. A program it ends is gone within
        // this time.
        GenerateConsoleCtrlEvent(event, 0);
        const bool ended = WaitForSingleObject(process.hProcess, 5000) == WAIT_OBJECT_0;
        const bool lockLeft = GetFileAttributesW(lock.c_str()) != INVALID_FILE_ATTRIBUTES;
        if (!ended) {
            TerminateProcess(process.hProcess, 1);
            WaitForSingleObject(process.hProcess, 5000);
            DeleteFileW(lock.c_str());
        }
        result = ended && lockLeft ? 1 : 0;
        std::printf("console_ctrl: after %s the program %s\n", eventName,
                    !ended     ? "went on"
                    : lockLeft ? "ended past EndProgram, its lock left behind"
                               : "ended through EndProgram");
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return result;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 3) {
        std::fputs("usage: console_ctrl PROGRAM.exe WINDOW-CAPTION\n", stderr);
        return 2;
    }
    // A console of our own, which the program is started from.
    FreeConsole();
    if (!AllocConsole()) {
        std::fputs("console_ctrl: no console\n", stderr);
        return 2;
    }
    SetConsoleCtrlHandler(IgnoreEvent, TRUE);
    int worst = 0;
    worst = std::max(worst, Try(argv[1], argv[2], CTRL_C_EVENT, "Ctrl+C"));
    worst = std::max(worst, Try(argv[1], argv[2], CTRL_BREAK_EVENT, "Ctrl+Break"));
    return worst;
}
