#include "app/session.h"

#include <windows.h>

#include <io.h>
#include <QGuiApplication>
#include <QMetaObject>
#include <QSessionManager>
#include <cstdio>
#include <string>

namespace app {
namespace {

std::function<void()> g_end;
// Set once the program has gone through `end` for a console's event.
HANDLE g_ended = nullptr;

// A console's Ctrl+C, Ctrl+Break or close reaches a program that shares the console (as Wine
// shares it with a windowed program started from one): by default it would end the process
// on the spot. It goes through EndProgram instead, on the program's own thread, as a SIGINT
// does on Linux; this thread waits for that (at most a few seconds, as Windows waits for a
// closing console's programs).
BOOL WINAPI EndOnConsoleEvent(DWORD)
{
    QMetaObject::invokeMethod(
        qGuiApp,
        [] {
            g_end();
            SetEvent(g_ended);
        },
        Qt::QueuedConnection);
    WaitForSingleObject(g_ended, 5000);
    return TRUE;
}

}  // namespace

bool HasDisplay()
{
    return true;
}

std::string_view WhereTheWindowOpens()
{
    return QT_TRANSLATE_NOOP("CommandLine", "Without an option the program opens its window.");
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

void Print(const std::string& text, std::FILE* stream)
{
    // A console shows bytes in its own code page (850, 437, ...), which would mangle every
    // language but English: it gets the text as UTF-16 instead. A pipe or a file keeps UTF-8.
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    DWORD mode = 0;
    if (text.empty() || handle == INVALID_HANDLE_VALUE || !GetConsoleMode(handle, &mode)) {
        std::fputs(text.c_str(), stream);
        return;
    }
    // As the C library writes "\n" in text mode.
    std::string lines;
    for (const char c : text)
        lines += c == '\n' ? std::string("\r\n") : std::string(1, c);
    const int length = MultiByteToWideChar(CP_UTF8, 0, lines.data(), static_cast<int>(lines.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, lines.data(), static_cast<int>(lines.size()), wide.data(), length);
    std::fflush(stream);
    for (std::size_t at = 0; at < wide.size();) {
        DWORD written = 0;
        if (!WriteConsoleW(handle, wide.data() + at, static_cast<DWORD>(wide.size() - at), &written, nullptr) ||
            written == 0)
            return;
        at += written;
    }
}

// Before a logoff or shutdown Windows asks every program whether the session may end
// (WM_QUERYENDSESSION), which Qt hands on as commitDataRequest. The program leaves as from its
// menu and lets the session go on: it never cancels.
void EndWithTheSession(std::function<void()> end)
{
    g_end = end;
    g_ended = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    SetConsoleCtrlHandler(EndOnConsoleEvent, TRUE);
    QObject::connect(qGuiApp, &QGuiApplication::commitDataRequest, qGuiApp,
                     [end = std::move(end)](QSessionManager&) { end(); });
}

}  // namespace app
