#pragma once
// What the desktop session asks of the program, one file per platform (session_unix.cpp,
// session_win.cpp): whether there is a display to show windows on, where the command line's
// answers print, and how the session ends the program. Instead of dying with its lock and
// windows in place, the program then leaves the usual way, through EndProgram.
#include <functional>
#include <string_view>

namespace app {

// False where no window could be shown (Linux without X11 or Wayland).
bool HasDisplay();

// The line of --help that says what the window needs.
std::string_view WhereTheWindowOpens();

// A program without a console of its own (Windows' GUI programs) prints into the console it
// was started from, if any. Call only to print an answer and exit: a program attached to a
// console would be ended by that console's Ctrl+C, past EndProgram.
void UseParentConsole();

// Calls `end` from the event loop when the session ends the program: SIGTERM or SIGINT on
// Linux, a logoff or shutdown, or a console's Ctrl+C, on Windows. Call once, after the
// application object exists.
void EndWithTheSession(std::function<void()> end);

}  // namespace app
