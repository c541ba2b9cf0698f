#pragma once
// What the desktop session asks of the program, one file per platform (session_unix.cpp,
// session_win.cpp): whether there is a display to show windows on, where the command line's
// answers print, and how the session ends the program. Instead of dying with its lock and
// windows in place, the program then leaves the usual way, through EndProgram.
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>

namespace app {

// False where no window could be shown (Linux without X11 or Wayland).
bool HasDisplay();

// The line of --help that says what the window needs, in English (a literal, marked for the
// translators in the context "CommandLine").
std::string_view WhereTheWindowOpens();

// A program without a console of its own (Windows' GUI programs) prints into the console it
// was started from, if any. Call only to print an answer and exit: a program attached to a
// console would be ended by that console's Ctrl+C, past EndProgram.
void UseParentConsole();

// Writes UTF-8 text to standard output or error (stream): as it is to a terminal, a pipe or a
// file; to a Windows console as UTF-16, which it shows in every language whatever its code page.
void Print(const std::string& text, std::FILE* stream);

// Calls `end` from the event loop when the session ends the program: SIGTERM or SIGINT on
// Linux, a logoff or shutdown, or a console's Ctrl+C, on Windows. Call once, after the
// application object exists.
void EndWithTheSession(std::function<void()> end);

}  // namespace app
